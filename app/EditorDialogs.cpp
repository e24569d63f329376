#include "app/EditorDialogs.h"

#include "calendar/Anniversary.h"
#include "editors/AnniversaryDateDlg.h"
#include "editors/AnniversaryDayDlg.h"
#include "editors/OptionDlg.h"
#include "editors/OptionWeatherDlg.h"
#include "editors/item/ApptDlg.h"
#include "editors/item/TaskDlg.h"
#include "editors/notes/NotesDlg.h"
#include "editors/recurrence/RecurrenceWizard.h"
#include "editors/reminder/Reminders.h"
#include "views/picker/CalendarDlg.h"
#include "weather/WeatherSources.h"

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

EditorDialogs::EditorDialogs(const Settings& settings) : m_settings(settings)
{
    m_services.runRecurrence = [this](QWidget* owner, PoomItem& item, int& choice) {
        return RunRecurrenceDlg(owner, m_settings, item, choice) == kDialogResultSaved;
    };
    m_services.runApptReminder = [this](QWidget* owner, bool& on, int& minutes) {
        return RunReminderAppDlg(owner, m_settings, on, minutes);
    };
    m_services.runTaskReminder = [this](QWidget* owner, bool& on, double& time) {
        return RunReminderTaskDlg(owner, m_settings, on, time);
    };
    m_services.runNotes = [this](QWidget* owner, std::vector<uint8_t>& notes) {
        return RunNotesDlg(owner, m_settings, notes) == kDialogResultSaved;
    };
}

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
    if (picker.exec() != kDialogResultSaved)
        return false;
    date = picker.GetSelectedDate();
    return true;
}

std::vector<OptionChoice> WeatherVendorChoices()
{
    std::vector<OptionChoice> choices;
    for (const WeatherVendorEntry& entry : WeatherVendorList())
        choices.push_back({QString::fromStdString(entry.name), entry.vendor});
    return choices;
}

int EditorDialogs::RunOptions(QWidget* owner, Settings& settings)
{
    COptionDlg options(owner, settings);
    return options.exec();
}

int EditorDialogs::RunWeatherServer(QWidget* owner, Settings& settings)
{
    COptionWeatherDlg weather(owner, settings, WeatherVendorChoices());
    return weather.exec();
}
