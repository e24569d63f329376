#include "app/EditorDialogs.h"

#include "calendar/Anniversary.h"
#include "editors/AnniversaryDateDlg.h"
#include "editors/AnniversaryDayDlg.h"
#include "editors/OptionDlg.h"
#include "editors/OptionWeatherDlg.h"
#include "weather/WeatherSources.h"
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
