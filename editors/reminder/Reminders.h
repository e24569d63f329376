// The reminder dialogs as the appointment and task editors open them. Both
// return true after "저장" with the values taken, false after "취소" with
// them untouched.
#pragma once

#include <cstdint>

class QWidget;
struct Settings;

bool RunReminderAppDlg(QWidget* owner, const Settings& settings, bool& on, int32_t& minutes);
// `oleTime`: the reminder's date and time as an OLE date in local time.
bool RunReminderTaskDlg(QWidget* owner, const Settings& settings, bool& on, double& oleTime);
