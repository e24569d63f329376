// Every n weeks on the ticked weekdays.
#pragma once

#include "editors/recurrence/RecurrencePageDlg.h"

inline constexpr int IDC_RECUR_WEEKLY_INTERVAL = 1050;
// The weekday boxes, Sunday to Saturday.
inline constexpr int kWeekdayCheckIds[7] = {1063, 1064, 1070, 1069, 1066, 1067, 1068};

class CRecurrenceWeeklyDlg : public CRecurrencePageDlg {
    Q_OBJECT

public:
    CRecurrenceWeeklyDlg(QWidget* owner, RecurrenceWizard& wizard);
    bool ReadPage() override;

protected:
    int RunNextPage() override;

private:
    QLineEdit* m_interval = nullptr;
    QCheckBox* m_weekdays[7] = {};
};
