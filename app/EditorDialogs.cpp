#include "app/EditorDialogs.h"

#include "calendar/Anniversary.h"
#include "editors/AnniversaryDateDlg.h"
#include "editors/AnniversaryDayDlg.h"
#include "editors/item/ApptDlg.h"
#include "editors/item/TaskDlg.h"
#include "views/picker/CalendarDlg.h"

namespace {

template <typename Dialog>
int RunAnniversaryEditor(QWidget* owner, const Settings& settings, const AnniversaryEdit& edit)
{
    Dialog dialog(owner, settings, edit.currentDate, edit.write);
    if (edit.index >= 0 && static_cast<size_t>(edit.index) < edit.list.Count())
        dialog.LoadAnniversary(edit.list.At(static_cast<size_t>(edit.index)), edit.index);
    return dialog.exec();
}

}  // namespace

int EditorDialogs::EditAppointment(QWidget* owner, PoomAppointment& item, ApptEditMode mode)
{
    PimSession* session = m_session ? m_session() : nullptr;
    if (session == nullptr)
        return kNoDialog;
    const ItemEditorContext context{m_settings, *session, m_currentDate(), m_services};
    CApptDlg dialog(owner, context, item,
                    {mode == ApptEditMode::NewItem, mode == ApptEditMode::OccurrenceOnly});
    return dialog.exec();
}

int EditorDialogs::EditTask(QWidget* owner, PoomTask& item, bool isNew)
{
    PimSession* session = m_session ? m_session() : nullptr;
    if (session == nullptr)
        return kNoDialog;
    const ItemEditorContext context{m_settings, *session, m_currentDate(), m_services};
    CTaskDlg dialog(owner, context, item, {isNew, false});
    return dialog.exec();
}

int EditorDialogs::EditAnniversaryByDate(QWidget* owner, const AnniversaryEdit& edit)
{
    return RunAnniversaryEditor<CAnniversaryDateDlg>(owner, m_settings, edit);
}

int EditorDialogs::EditAnniversaryByDay(QWidget* owner, const AnniversaryEdit& edit)
{
    return RunAnniversaryEditor<CAnniversaryDayDlg>(owner, m_settings, edit);
}

bool EditorDialogs::PickDate(QWidget* owner, TimeValue& date)
{
    CCalendarDlg picker(owner, m_settings);
    picker.SetSelectedDate(date);
    picker.SetHolidayPredicate(m_isHoliday);
    if (picker.exec() != kDialogResultSaved)
        return false;
    date = picker.GetSelectedDate();
    return true;
}
