#include "app/DialogScreenshot.h"

#include "app/EditorDialogs.h"
#include "app/MainFrame.h"
#include "editors/AnniversaryDateDlg.h"
#include "editors/AnniversaryDayDlg.h"
#include "editors/ColorPicker.h"
#include "editors/OptionDlg.h"
#include "editors/OptionWeatherDlg.h"
#include "editors/TimeRangeDlg.h"
#include "resources/Strings.h"
#include "views/picker/CalendarDlg.h"

namespace {

SolarDate DayOf(TimeValue t)
{
    const TimeParts parts = *PartsFromTime(t);
    return SolarDate{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

// A screenshot never writes the anniversary file.
bool RefuseWrite(int, const Anniversary&, std::string*) { return false; }

template <typename Dialog>
std::unique_ptr<QDialog> AnniversaryEditor(CMainFrame& frame, bool byWeekday)
{
    auto dialog = std::make_unique<Dialog>(&frame, frame.GetSettings(), DayOf(frame.GetCurrentDate()), RefuseWrite);
    const AnniversaryList& list = frame.GetAnniversaries();
    for (size_t i = 0; i < list.Count(); ++i) {
        if ((list.At(i).kind == kAnniversaryByWeekday) == byWeekday) {
            dialog->LoadAnniversary(list.At(i), static_cast<int>(i));
            break;
        }
    }
    return dialog;
}

// The settings dialogs store into the settings they are given; a screenshot
// hands them a copy of its own.
struct SettingsCopy {
    Settings copy;
};
template <typename Dialog>
class OnSettingsCopy : private SettingsCopy, public Dialog {
public:
    template <typename... Rest>
    OnSettingsCopy(QWidget* owner, const Settings& settings, Rest&&... rest)
        : SettingsCopy{settings}, Dialog(owner, copy, std::forward<Rest>(rest)...)
    {
    }
};

}  // namespace

std::unique_ptr<QDialog> MakeScreenshotDialog(const QString& name, CMainFrame& frame)
{
    const Settings& settings = frame.GetSettings();
    if (name == QLatin1String("anniversary-date"))
        return AnniversaryEditor<CAnniversaryDateDlg>(frame, false);
    if (name == QLatin1String("anniversary-day"))
        return AnniversaryEditor<CAnniversaryDayDlg>(frame, true);
    if (name == QLatin1String("calendar")) {
        auto picker = std::make_unique<CCalendarDlg>(&frame, settings);
        picker->SetSelectedDate(frame.GetCurrentDate());
        return picker;
    }
    if (name == QLatin1String("color")) {
        auto picker = std::make_unique<CColorPicker>(&frame, settings);
        picker->SetSelectedColor(0x3366CC);
        return picker;
    }
    if (name == QLatin1String("time-range")) {
        auto range = std::make_unique<CTimeRangeDlg>(&frame, settings);
        const SolarDate day = DayOf(frame.GetCurrentDate());
        range->SetTitle(LoadString(IDS_TIME_RANGE_TITLE));
        range->SetStart(TimeFromFields(day.year, day.month, day.day, 10, 0, 0));
        range->SetEnd(TimeFromFields(day.year, day.month, day.day, 11, 30, 0));
        return range;
    }
    if (name == QLatin1String("options"))
        return std::make_unique<OnSettingsCopy<COptionDlg>>(&frame, settings);
    if (name == QLatin1String("weather-server"))
        return std::make_unique<OnSettingsCopy<COptionWeatherDlg>>(&frame, settings, WeatherVendorChoices());
    return nullptr;
}
