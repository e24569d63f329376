#include "editors/recurrence/RecurrenceDailyDlg.h"

#include "editors/recurrence/RecurrenceRangeDlg.h"
#include "resources/Strings.h"

CRecurrenceDailyDlg::CRecurrenceDailyDlg(QWidget* owner, RecurrenceWizard& wizard)
    : CRecurrencePageDlg(owner, wizard, IDS_RECURRENCE_DAILY_TITLE, false)
{
    setObjectName(QStringLiteral("recurrenceDaily"));
    m_interval = AddIntervalRow(IDC_RECUR_DAILY_INTERVAL, IDS_RECUR_EVERY_N_DAYS, wizard.values.dailyInterval);
}

bool CRecurrenceDailyDlg::ReadPage()
{
    return ReadNumber(m_interval, kMinInterval, kMaxInterval, m_wizard.values.dailyInterval);
}

int CRecurrenceDailyDlg::RunNextPage() { return RunPage<CRecurrenceRangeDlg>(); }
