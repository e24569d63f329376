// A task's reminder: a day and a time of day.
#pragma once

#include "editors/reminder/ReminderDlg.h"

class CDateTimeCtrlEx;
class QTimeEdit;

inline constexpr int IDC_REMINDER_DATE = 1084;
inline constexpr int IDC_REMINDER_TIME = 1086;

class CReminderTaskDlg : public CReminderDlg {
    Q_OBJECT

public:
    CReminderTaskDlg(QWidget* owner, const Settings& settings);

    // An OLE date in local time; shown and read to the minute.
    void SetReminderTime(double oleTime);
    double ReminderTime() const { return m_reminderTime; }

    CDateTimeCtrlEx* DatePicker() const { return m_date; }
    QTimeEdit* TimePicker() const { return m_time; }

protected:
    void OnOK() override;

private:
    double m_reminderTime = 0;
    CDateTimeCtrlEx* m_date = nullptr;
    QTimeEdit* m_time = nullptr;
};
