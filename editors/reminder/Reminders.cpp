#include "editors/reminder/Reminders.h"

#include "editors/reminder/ReminderAppDlg.h"
#include "editors/reminder/ReminderTaskDlg.h"

bool RunReminderAppDlg(QWidget* owner, const Settings& settings, bool& on, int32_t& minutes)
{
    CReminderAppDlg dialog(owner, settings);
    dialog.SetReminderOn(on);
    dialog.SetMinutes(minutes);
    if (dialog.exec() != kDialogResultSaved)
        return false;
    on = dialog.ReminderOn();
    minutes = dialog.Minutes();
    return true;
}

bool RunReminderTaskDlg(QWidget* owner, const Settings& settings, bool& on, double& oleTime)
{
    CReminderTaskDlg dialog(owner, settings);
    dialog.SetReminderOn(on);
    dialog.SetReminderTime(oleTime);
    if (dialog.exec() != kDialogResultSaved)
        return false;
    on = dialog.ReminderOn();
    oleTime = dialog.ReminderTime();
    return true;
}
