#include "editors/recurrence/RecurrenceWeeklyDlg.h"

#include <QCheckBox>

#include "editors/recurrence/RecurrenceRangeDlg.h"
#include "resources/Strings.h"

CRecurrenceWeeklyDlg::CRecurrenceWeeklyDlg(QWidget* owner, RecurrenceWizard& wizard)
    : CRecurrencePageDlg(owner, wizard, IDS_RECURRENCE_WEEKLY_TITLE, false)
{
    setObjectName(QStringLiteral("recurrenceWeekly"));
    m_interval = AddIntervalRow(IDC_RECUR_WEEKLY_INTERVAL, IDS_RECUR_EVERY_N_WEEKS, wizard.values.weeklyInterval);
    for (int day = 0; day < 7; ++day) {
        m_weekdays[day] = AddCheck(kWeekdayCheckIds[day], IDS_WEEKDAY_SUNDAY + day, 18, 39 + day * 13, 70, 11);
        m_weekdays[day]->setChecked(wizard.values.weekdays[day]);
    }
}

bool CRecurrenceWeeklyDlg::ReadPage()
{
    if (!ReadNumber(m_interval, kMinInterval, kMaxInterval, m_wizard.values.weeklyInterval))
        return false;
    for (int day = 0; day < 7; ++day)
        m_wizard.values.weekdays[day] = m_weekdays[day]->isChecked();
    return true;
}

int CRecurrenceWeeklyDlg::RunNextPage() { return RunPage<CRecurrenceRangeDlg>(); }
