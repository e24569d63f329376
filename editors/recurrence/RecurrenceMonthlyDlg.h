// Every n months on a day of the month, or on the n-th weekday.
#pragma once

#include "editors/recurrence/RecurrencePageDlg.h"

inline constexpr int IDC_RECUR_MONTHLY_BY_DAY = 1046;
inline constexpr int IDC_RECUR_MONTHLY_DAY_INTERVAL = 1074;
inline constexpr int IDC_RECUR_MONTHLY_DAY = 1072;
inline constexpr int IDC_RECUR_MONTHLY_BY_WEEKDAY = 1048;
inline constexpr int IDC_RECUR_MONTHLY_WEEKDAY_INTERVAL = 1078;
inline constexpr int IDC_RECUR_MONTHLY_INSTANCE = 1077;
inline constexpr int IDC_RECUR_MONTHLY_WEEKDAY = 1012;

class CRecurrenceMonthlyDlg : public CRecurrencePageDlg {
    Q_OBJECT

public:
    CRecurrenceMonthlyDlg(QWidget* owner, RecurrenceWizard& wizard);
    bool ReadPage() override;

protected:
    int RunNextPage() override;

private:
    QRadioButton* m_byDay = nullptr;
    QLineEdit* m_dayInterval = nullptr;
    QLineEdit* m_day = nullptr;
    QRadioButton* m_byWeekday = nullptr;
    QLineEdit* m_weekdayInterval = nullptr;
    QComboBox* m_instance = nullptr;
    QComboBox* m_weekday = nullptr;
};
