#include "settings/Settings.h"

#include "settings/CRegistry.h"
#include "settings/ChangeFlags.h"
#include "settings/SettingsKeys.h"

namespace {

// Reads and writes the values of SOFTWARE\Dayvane.
class SettingsKey {
public:
    int32_t Int(const char* name, int32_t defaultValue) const
    {
        return m_registry.GetInt(kSettingsRoot, kSettingsKey, name, defaultValue);
    }
    std::string Text(const char* name, const char* defaultValue) const
    {
        return m_registry.GetString(kSettingsRoot, kSettingsKey, name, defaultValue);
    }
    void SetInt(const char* name, int32_t value) const
    {
        m_registry.SetInt(kSettingsRoot, kSettingsKey, name, value);
    }
    void SetText(const char* name, const std::string& text) const
    {
        m_registry.SetString(kSettingsRoot, kSettingsKey, name, text.c_str());
    }
    // An empty text would blank a face name, so it leaves the stored one.
    void SetTextUnlessEmpty(const char* name, const std::string& text) const
    {
        if (!text.empty()) SetText(name, text);
    }

private:
    CRegistry m_registry;
};

} // namespace

FontDefaults FontDefaultsForDpi(int dpiX)
{
    if (dpiX < 128) return {13, 10, "cellvic"};
    if (dpiX < 192) return {13, 12, "Tahoma"};
    return {18, 18, "Tahoma"};
}

Settings LoadSettings(const ScreenMetrics& screen)
{
    using namespace SettingName;
    const SettingsKey key;
    const FontDefaults fonts = FontDefaultsForDpi(screen.dpiX);
    Settings s;
    s.m_24hour = key.Int(k24hour, 0);
    s.m_Multiline = key.Int(kMultiline, 0);
    s.m_SundayAsStart = key.Int(kSundayAsStart, 0);
    s.m_ShowCalendar = key.Int(kShowCalendar, screen.height >= screen.width ? 1 : 0);
    s.m_NotesPenDefault = key.Int(kNotesPenDefault, 1);
    s.m_UseSoftKey = key.Int(kUseSoftKey, 0);
    s.m_BoldAllDayEvent = key.Int(kBoldAllDayEvent, 0);
    s.m_TodayEventPeriod = key.Int(kTodayEventPeriod, 7);
    s.m_TodayEventItemCount = key.Int(kTodayEventItemCount, 0);
    s.m_BoldImportantTask = key.Int(kBoldImportantTask, 0);
    s.m_ShowTaskStart = key.Int(kShowTaskStart, 0);
    s.m_ShowCompleteTask = key.Int(kShowCompleteTask, 1);
    s.m_HideUndatedTask = key.Int(kHideUndatedTask, 0);
    s.m_HideAllTask = key.Int(kHideAllTask, 0);
    s.m_TodayTaskItemCount = key.Int(kTodayTaskItemCount, 9999);
    s.m_TodayHideUndatedTask = key.Int(kTodayHideUndatedTask, 0);
    s.m_AnnvFontName = key.Text(kAnnvFontName, "Tahoma");
    s.m_AnnvFontSize = key.Int(kAnnvFontSize, fonts.annvFontSize);
    s.m_WeekFontName = key.Text(kWeekFontName, fonts.weekFontName);
    s.m_WeekFontSize = key.Int(kWeekFontSize, fonts.weekFontSize);
    s.m_ClearType = key.Int(kClearType, 0);
    // Open-Meteo and Seoul: the only defaults that still show weather.
    s.m_WeatherVendor = key.Int(kWeatherVendor, 2);
    s.m_WeatherLocation = key.Text(kWeatherLocation, "서울");
    const Settings defaults;
    s.m_WeatherGoogleHost = key.Text(kWeatherGoogleHost, defaults.m_WeatherGoogleHost.c_str());
    s.m_WeatherYahooHost = key.Text(kWeatherYahooHost, defaults.m_WeatherYahooHost.c_str());
    s.m_OpenMeteoHost = key.Text(kOpenMeteoHost, defaults.m_OpenMeteoHost.c_str());
    s.m_OpenMeteoGeocodingHost = key.Text(kOpenMeteoGeocodingHost, defaults.m_OpenMeteoGeocodingHost.c_str());
    s.m_ShowHolidays = key.Int(kShowHolidays, 1);
    s.m_AgeCount = key.Int(kAgeCount, 0);
    return s;
}

void SaveOptions(const Settings& s, int32_t useSoftKeyFromPage)
{
    // The Today items read this key while it is written: each flag follows the
    // values its item reloads.
    using namespace SettingName;
    const SettingsKey key;
    key.SetInt(k24hour, s.m_24hour);
    key.SetInt(kMultiline, s.m_Multiline);
    key.SetInt(kClearType, s.m_ClearType);
    key.SetInt(kSundayAsStart, s.m_SundayAsStart);
    key.SetInt(kNotesPenDefault, s.m_NotesPenDefault);
    key.SetInt(kUseSoftKey, useSoftKeyFromPage);
    key.SetInt(kShowCalendar, s.m_ShowCalendar);
    key.SetInt(kBoldAllDayEvent, s.m_BoldAllDayEvent);
    key.SetInt(kTodayEventPeriod, s.m_TodayEventPeriod);
    key.SetInt(kTodayEventItemCount, s.m_TodayEventItemCount);
    RaiseChangeFlag(kTodayEventChanged);
    key.SetInt(kBoldImportantTask, s.m_BoldImportantTask);
    key.SetInt(kShowTaskStart, s.m_ShowTaskStart);
    key.SetInt(kShowCompleteTask, s.m_ShowCompleteTask);
    key.SetInt(kHideUndatedTask, s.m_HideUndatedTask);
    key.SetInt(kTodayTaskItemCount, s.m_TodayTaskItemCount);
    key.SetInt(kTodayHideUndatedTask, s.m_TodayHideUndatedTask);
    RaiseChangeFlag(kTodayTaskChanged);
    key.SetTextUnlessEmpty(kAnnvFontName, s.m_AnnvFontName);
    key.SetInt(kAnnvFontSize, s.m_AnnvFontSize);
    key.SetTextUnlessEmpty(kWeekFontName, s.m_WeekFontName);
    key.SetInt(kWeekFontSize, s.m_WeekFontSize);
    key.SetInt(kShowHolidays, s.m_ShowHolidays);
    key.SetInt(kAgeCount, s.m_AgeCount);
}

void SaveWeatherServer(int32_t vendor, const std::string& location)
{
    const SettingsKey key;
    key.SetInt(SettingName::kWeatherVendor, vendor);
    key.SetText(SettingName::kWeatherLocation, location);
}

WeatherGeocode LoadWeatherGeocode()
{
    const SettingsKey key;
    return {key.Text(SettingName::kWeatherLatitude, ""), key.Text(SettingName::kWeatherLongitude, ""),
            key.Text(SettingName::kWeatherGeocoded, "")};
}

void SaveWeatherGeocode(const WeatherGeocode& geocode)
{
    // The location last, so that a reader never pairs it with older coordinates.
    const SettingsKey key;
    key.SetText(SettingName::kWeatherLatitude, geocode.latitude);
    key.SetText(SettingName::kWeatherLongitude, geocode.longitude);
    key.SetText(SettingName::kWeatherGeocoded, geocode.location);
}
