#include "editors/recurrence/RecurrenceWizard.h"

#include "editors/recurrence/RecurrenceDlg.h"

int RunRecurrenceDlg(QWidget* owner, const Settings& settings, PoomItem& item, int& choice)
{
    CRecurrenceDlg dialog(owner, settings, item, choice);
    const int result = dialog.exec();
    if (result == kDialogResultSaved)
        choice = dialog.Choice();
    return result == kDialogResultSaved ? kDialogResultSaved : kDialogResultCancelled;
}
