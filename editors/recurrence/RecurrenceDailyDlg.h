// Every n days.
#pragma once

#include "editors/recurrence/RecurrencePageDlg.h"

inline constexpr int IDC_RECUR_DAILY_INTERVAL = 1049;

class CRecurrenceDailyDlg : public CRecurrencePageDlg {
    Q_OBJECT

public:
    CRecurrenceDailyDlg(QWidget* owner, RecurrenceWizard& wizard);
    bool ReadPage() override;

protected:
    int RunNextPage() override;

private:
    QLineEdit* m_interval = nullptr;
};
