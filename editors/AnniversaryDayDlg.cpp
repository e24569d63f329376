#include "editors/AnniversaryDayDlg.h"

#include <QCheckBox>
#include <QComboBox>

#include "editors/ColorButton.h"
#include "editors/MaskedDateEdit.h"
#include "resources/Strings.h"

namespace {

const QString kYearMonthMask = QStringLiteral("YYYY-MM");
const QString kMonthMask = QStringLiteral("MM");

QComboBox* NewList(QWidget* parent, int id, int firstTextId, int count)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(ControlName(id));
    for (int i = 0; i < count; ++i)
        list->addItem(LoadString(firstTextId + i));
    return list;
}

}  // namespace

CAnniversaryDayDlg::CAnniversaryDayDlg(QWidget* owner, const Settings& settings, SolarDate currentDate,
                                       AnniversaryWriter write)
    : CAnniversaryDlg(owner, settings, std::move(write)),
      m_form(NewAnniversaryDayForm(currentDate)),
      m_currentYear(currentDate.year)
{
    setObjectName(QStringLiteral("anniversaryDay"));
    // Drop-down lists: the template's height is that of the open list.
    m_ordinal = NewList(Client(), IDC_ANNIV_ORDINAL, IDS_ORDINAL_FIRST, 5);
    Place(m_ordinal, 41, 34, 52, 12);
    m_weekday = NewList(Client(), IDC_ANNIV_WEEKDAY, IDS_WEEKDAY_SUNDAY, 7);
    Place(m_weekday, 94, 34, 38, 12);
    m_noYear = AddCheck(IDC_ANNIV_NO_YEAR, IDS_CHECK_NO_YEAR_MONTH, 41, 47, 91, 11);
    connect(m_noYear, &QCheckBox::clicked, this, [this] {
        ReadDate();
        UpdateDependentControls();
    });
    ShowForm();
}

void CAnniversaryDayDlg::LoadAnniversary(const Anniversary& record, int index)
{
    m_form = LoadAnniversaryDayForm(record, index, m_currentYear);
    ShowForm();
}

void CAnniversaryDayDlg::ShowForm()
{
    ShowShared(m_form.name, m_form.dayBefore, m_form.dayAfter, m_form.color);
    m_ordinal->setCurrentIndex(m_form.ordinalIndex);
    m_weekday->setCurrentIndex(m_form.weekdayIndex);
    m_noYear->setChecked(m_form.yearOmitted);
    m_date->SetMask(kYearMonthMask);
    m_date->SetDate(m_form.year, m_form.month, 1);
    UpdateDependentControls();
}

void CAnniversaryDayDlg::ReadDate()
{
    int day = 1;
    m_date->GetDate(m_form.year, m_form.month, day);
}

void CAnniversaryDayDlg::UpdateDependentControls()
{
    if (m_noYear->isChecked()) {
        m_date->SetMask(kMonthMask);
    } else {
        m_date->SetMask(kYearMonthMask);
        m_date->SetDate(m_form.year, m_form.month, 1);
    }
}

FormRecord CAnniversaryDayDlg::Collect()
{
    m_form.name = Name();
    ReadDate();
    m_form.ordinalIndex = std::max(0, m_ordinal->currentIndex());
    m_form.weekdayIndex = std::max(0, m_weekday->currentIndex());
    m_form.dayBefore = m_dayBefore->isChecked();
    m_form.dayAfter = m_dayAfter->isChecked();
    m_form.yearOmitted = m_noYear->isChecked();
    m_form.color = m_colorButton->Color();
    return RecordFromForm(m_form);
}
