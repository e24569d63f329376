#include "editors/recurrence/RecurrenceRangeDlg.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

#include "editors/DateTimeCtrlEx.h"
#include "editors/AnniversaryDlg.h"
#include "editors/ShortDateFormat.h"
#include "resources/Strings.h"

namespace {

QDate QDateOf(const SolarDate& day) { return QDate(day.year, day.month, day.day); }
SolarDate SolarDateOf(const QDate& date) { return SolarDate{date.year(), date.month(), date.day()}; }

}  // namespace

CRecurrenceRangeDlg::CRecurrenceRangeDlg(QWidget* owner, RecurrenceWizard& wizard)
    : CRecurrencePageDlg(owner, wizard, IDS_RECURRENCE_RANGE_TITLE, true)
{
    setObjectName(QStringLiteral("recurrenceRange"));
    AddText(IDS_RECUR_RANGE_START, 7, 24, 37, 10);
    m_start = new CDateTimeCtrlEx(Client());
    m_start->setObjectName(ControlName(IDC_RECUR_RANGE_START));
    UseShortDateFormat(m_start);
    Place(m_start, 45, 22, 70, 12);

    m_options[kRangeNoEnd] = AddRadio(IDC_RECUR_RANGE_NO_END, IDS_RECUR_RANGE_NO_END, 7, 40, 142, 10);
    m_options[kRangeCount] = AddRadio(IDC_RECUR_RANGE_COUNT, IDS_RECUR_RANGE_COUNT, 7, 55, 37, 10);
    m_occurrences = AddNumberEdit(IDC_RECUR_RANGE_OCCURRENCES, 45, 54, 30, 12);
    AddText(IDS_RECUR_RANGE_TIMES, 77, 56, 20, 10);
    m_options[kRangeEndDate] = AddRadio(IDC_RECUR_RANGE_END_BY, IDS_RECUR_RANGE_END_BY, 7, 71, 37, 10);
    m_end = new CDateTimeCtrlEx(Client());
    m_end->setObjectName(ControlName(IDC_RECUR_RANGE_END));
    UseShortDateFormat(m_end);
    Place(m_end, 45, 70, 70, 12);

    auto* group = new QButtonGroup(this);
    for (QRadioButton* option : m_options)
        group->addButton(option);

    const RecurrenceWizardValues& v = wizard.values;
    m_start->setDate(QDateOf(v.rangeStart));
    m_options[std::clamp(v.rangeOption, 0, 2)]->setChecked(true);
    ShowNumber(m_occurrences, v.occurrences);
    m_end->setDate(QDateOf(v.rangeEnd));
}

bool CRecurrenceRangeDlg::ReadPage()
{
    RecurrenceWizardValues& v = m_wizard.values;
    int option = kRangeNoEnd;
    for (int i = 0; i < 3; ++i) {
        if (m_options[i]->isChecked())
            option = i;
    }
    // A count below one would make a series without a single occurrence,
    // which the store refuses when the item is saved.
    if (option == kRangeCount && !ReadNumber(m_occurrences, 1, kMaxOccurrences, v.occurrences))
        return false;
    v.rangeOption = option;
    v.rangeStart = SolarDateOf(m_start->date());
    v.rangeEnd = SolarDateOf(m_end->date());
    return true;
}
