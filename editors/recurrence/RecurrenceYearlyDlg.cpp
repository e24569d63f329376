#include "editors/recurrence/RecurrenceYearlyDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "editors/recurrence/RecurrenceRangeDlg.h"
#include "resources/Strings.h"

CRecurrenceYearlyDlg::CRecurrenceYearlyDlg(QWidget* owner, RecurrenceWizard& wizard)
    : CRecurrencePageDlg(owner, wizard, IDS_RECURRENCE_YEARLY_TITLE, false)
{
    setObjectName(QStringLiteral("recurrenceYearly"));
    m_byDay = AddRadio(IDC_RECUR_YEARLY_BY_DAY, IDS_RECUR_BY_DATE, 7, 23, 37, 10);
    m_dayMonth = AddList(IDC_RECUR_YEARLY_DAY_MONTH, IDS_RECUR_MONTH_JANUARY, 12, 45, 22, 34, 12);
    m_day = AddNumberEdit(IDC_RECUR_YEARLY_DAY, 81, 22, 22, 12);
    AddText(IDS_RECUR_EVERY_DAY_OF_YEAR, 105, 24, 45, 10);

    m_byWeekday = AddRadio(IDC_RECUR_YEARLY_BY_WEEKDAY, IDS_RECUR_BY_WEEKDAY, 7, 42, 37, 10);
    m_weekdayMonth = AddList(IDC_RECUR_YEARLY_WEEKDAY_MONTH, IDS_RECUR_MONTH_JANUARY, 12, 45, 41, 34, 12);
    m_instance = AddList(IDC_RECUR_YEARLY_INSTANCE, IDS_RECUR_WEEK_FIRST, 5, 45, 56, 46, 12);
    m_weekday = AddWeekdayList(IDC_RECUR_YEARLY_WEEKDAY, 93, 56, 44, 12);
    AddText(IDS_RECUR_ON, 139, 58, 14, 10);

    auto* group = new QButtonGroup(this);
    group->addButton(m_byDay);
    group->addButton(m_byWeekday);

    const RecurrenceWizardValues& v = wizard.values;
    (v.yearlyMode == 1 ? m_byWeekday : m_byDay)->setChecked(true);
    m_dayMonth->setCurrentIndex(v.yearlyDayMonthIndex);
    ShowNumber(m_day, v.yearlyDay);
    m_weekdayMonth->setCurrentIndex(v.yearlyWeekdayMonthIndex);
    m_instance->setCurrentIndex(v.yearlyInstanceIndex);
    SelectWeekday(m_weekday, v.yearlyWeekday);
}

bool CRecurrenceYearlyDlg::ReadPage()
{
    RecurrenceWizardValues& v = m_wizard.values;
    if (!ReadNumber(m_day, kMinDayOfMonth, kMaxDayOfMonth, v.yearlyDay))
        return false;
    v.yearlyMode = m_byWeekday->isChecked() ? 1 : 0;
    v.yearlyDayMonthIndex = std::max(0, m_dayMonth->currentIndex());
    v.yearlyWeekdayMonthIndex = std::max(0, m_weekdayMonth->currentIndex());
    v.yearlyInstanceIndex = std::max(0, m_instance->currentIndex());
    v.yearlyWeekday = SelectedWeekday(m_weekday);
    return true;
}

int CRecurrenceYearlyDlg::RunNextPage() { return RunPage<CRecurrenceRangeDlg>(); }
