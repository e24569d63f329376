#include "editors/AnniversaryDateDlg.h"

#include <QCheckBox>

#include "editors/ColorButton.h"
#include "editors/MaskedDateEdit.h"
#include "resources/Strings.h"

namespace {

const QString kFullDateMask = QStringLiteral("YYYY-MM-DD");
const QString kMonthDayMask = QStringLiteral("MM-DD");

}  // namespace

CAnniversaryDateDlg::CAnniversaryDateDlg(QWidget* owner, const Settings& settings, SolarDate currentDate,
                                         AnniversaryWriter write)
    : CAnniversaryDlg(owner, settings, std::move(write)),
      m_form(NewAnniversaryDateForm(currentDate)),
      m_currentYear(currentDate.year)
{
    setObjectName(QStringLiteral("anniversaryDate"));
    m_noYear = AddCheck(IDC_ANNIV_NO_YEAR, IDS_CHECK_NO_YEAR_DATE, 41, 34, 91, 11);
    m_birthday = AddCheck(IDC_ANNIV_BIRTHDAY, IDS_CHECK_BIRTHDAY, 41, 45, 91, 11);
    m_lunar = AddCheck(IDC_ANNIV_LUNAR, IDS_CHECK_LUNAR, 41, 56, 46, 11);
    m_leapMonth = AddCheck(IDC_ANNIV_LEAP_MONTH, IDS_CHECK_LEAP_MONTH, 92, 56, 40, 11);
    m_leapMonth->setEnabled(false);
    for (QCheckBox* check : {m_noYear, m_lunar}) {
        connect(check, &QCheckBox::clicked, this, [this] {
            ReadDate();
            UpdateDependentControls();
        });
    }
    ShowForm();
}

void CAnniversaryDateDlg::LoadAnniversary(const Anniversary& record, int index)
{
    m_form = LoadAnniversaryDateForm(record, index, m_currentYear);
    ShowForm();
}

void CAnniversaryDateDlg::ShowForm()
{
    ShowShared(m_form.name, m_form.dayBefore, m_form.dayAfter, m_form.color);
    m_noYear->setChecked(m_form.yearOmitted);
    m_birthday->setChecked(m_form.birthday);
    m_lunar->setChecked(m_form.lunar);
    m_leapMonth->setChecked(m_form.leapMonth);
    m_date->SetMask(kFullDateMask);
    m_date->SetDate(m_form.year, m_form.month, m_form.day);
    UpdateDependentControls();
}

void CAnniversaryDateDlg::ReadDate() { m_date->GetDate(m_form.year, m_form.month, m_form.day); }

void CAnniversaryDateDlg::UpdateDependentControls()
{
    const bool yearOmitted = m_noYear->isChecked();
    m_leapMonth->setEnabled(m_lunar->isChecked() && !yearOmitted);
    m_birthday->setEnabled(!yearOmitted);
    if (yearOmitted) {
        m_date->SetMask(kMonthDayMask);
    } else {
        m_date->SetMask(kFullDateMask);
        m_date->SetDate(m_form.year, m_form.month, m_form.day);
    }
}

FormRecord CAnniversaryDateDlg::Collect()
{
    m_form.name = Name();
    ReadDate();
    m_form.dayBefore = m_dayBefore->isChecked();
    m_form.dayAfter = m_dayAfter->isChecked();
    m_form.yearOmitted = m_noYear->isChecked();
    m_form.birthday = m_birthday->isChecked();
    m_form.lunar = m_lunar->isChecked();
    m_form.leapMonth = m_leapMonth->isChecked();
    m_form.color = m_colorButton->Color();
    return RecordFromForm(m_form);
}
