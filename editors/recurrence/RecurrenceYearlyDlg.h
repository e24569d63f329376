// Every year on a day of a month, or on the n-th weekday of a month.
#pragma once

#include "editors/recurrence/RecurrencePageDlg.h"

inline constexpr int IDC_RECUR_YEARLY_BY_DAY = 1071;
inline constexpr int IDC_RECUR_YEARLY_DAY_MONTH = 1083;
inline constexpr int IDC_RECUR_YEARLY_DAY = 1080;
inline constexpr int IDC_RECUR_YEARLY_BY_WEEKDAY = 1082;
inline constexpr int IDC_RECUR_YEARLY_WEEKDAY_MONTH = 1017;
inline constexpr int IDC_RECUR_YEARLY_INSTANCE = 1014;
inline constexpr int IDC_RECUR_YEARLY_WEEKDAY = 1015;

class CRecurrenceYearlyDlg : public CRecurrencePageDlg {
    Q_OBJECT

public:
    CRecurrenceYearlyDlg(QWidget* owner, RecurrenceWizard& wizard);
    bool ReadPage() override;

protected:
    int RunNextPage() override;

private:
    QRadioButton* m_byDay = nullptr;
    QComboBox* m_dayMonth = nullptr;
    QLineEdit* m_day = nullptr;
    QRadioButton* m_byWeekday = nullptr;
    QComboBox* m_weekdayMonth = nullptr;
    QComboBox* m_instance = nullptr;
    QComboBox* m_weekday = nullptr;
};
