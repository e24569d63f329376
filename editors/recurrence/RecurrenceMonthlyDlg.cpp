#include "editors/recurrence/RecurrenceMonthlyDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "editors/recurrence/RecurrenceRangeDlg.h"
#include "resources/Strings.h"

CRecurrenceMonthlyDlg::CRecurrenceMonthlyDlg(QWidget* owner, RecurrenceWizard& wizard)
    : CRecurrencePageDlg(owner, wizard, IDS_RECURRENCE_MONTHLY_TITLE, false)
{
    setObjectName(QStringLiteral("recurrenceMonthly"));
    m_byDay = AddRadio(IDC_RECUR_MONTHLY_BY_DAY, IDS_RECUR_BY_DATE, 7, 23, 37, 10);
    m_dayInterval = AddNumberEdit(IDC_RECUR_MONTHLY_DAY_INTERVAL, 45, 22, 22, 12);
    AddText(IDS_RECUR_EVERY_N_MONTHS, 69, 24, 50, 10);
    m_day = AddNumberEdit(IDC_RECUR_MONTHLY_DAY, 45, 37, 22, 12);
    AddText(IDS_RECUR_ON_DAY, 69, 39, 40, 10);

    m_byWeekday = AddRadio(IDC_RECUR_MONTHLY_BY_WEEKDAY, IDS_RECUR_BY_WEEKDAY, 7, 57, 37, 10);
    m_weekdayInterval = AddNumberEdit(IDC_RECUR_MONTHLY_WEEKDAY_INTERVAL, 45, 56, 22, 12);
    AddText(IDS_RECUR_EVERY_N_MONTHS, 69, 58, 50, 10);
    m_instance = AddList(IDC_RECUR_MONTHLY_INSTANCE, IDS_ORDINAL_FIRST, 5, 45, 71, 42, 12);
    m_weekday = AddWeekdayList(IDC_RECUR_MONTHLY_WEEKDAY, 89, 71, 44, 12);
    AddText(IDS_RECUR_ON, 135, 73, 14, 10);

    auto* group = new QButtonGroup(this);
    group->addButton(m_byDay);
    group->addButton(m_byWeekday);

    const RecurrenceWizardValues& v = wizard.values;
    (v.monthlyMode == 1 ? m_byWeekday : m_byDay)->setChecked(true);
    ShowNumber(m_dayInterval, v.monthlyDayInterval);
    ShowNumber(m_day, v.monthlyDay);
    ShowNumber(m_weekdayInterval, v.monthlyWeekdayInterval);
    m_instance->setCurrentIndex(v.monthlyInstanceIndex);
    SelectWeekday(m_weekday, v.monthlyWeekday);
}

bool CRecurrenceMonthlyDlg::ReadPage()
{
    RecurrenceWizardValues& v = m_wizard.values;
    // In the order of the template, as the framework checks them.
    if (!ReadNumber(m_dayInterval, kMinInterval, kMaxInterval, v.monthlyDayInterval) ||
        !ReadNumber(m_day, kMinDayOfMonth, kMaxDayOfMonth, v.monthlyDay) ||
        !ReadNumber(m_weekdayInterval, kMinInterval, kMaxInterval, v.monthlyWeekdayInterval))
        return false;
    v.monthlyMode = m_byWeekday->isChecked() ? 1 : 0;
    v.monthlyInstanceIndex = std::max(0, m_instance->currentIndex());
    v.monthlyWeekday = SelectedWeekday(m_weekday);
    return true;
}

int CRecurrenceMonthlyDlg::RunNextPage() { return RunPage<CRecurrenceRangeDlg>(); }
