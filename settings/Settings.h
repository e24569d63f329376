// Every user setting under SOFTWARE\Dayvane, read once when the main frame is
// built. Members are named like their registry values.
#pragma once

#include <cstdint>
#include <string>

// The emulated device screen that the density-dependent defaults look at.
struct ScreenMetrics {
    int dpiX = 192;
    int width = 480;
    int height = 640;
};

struct Settings {
    int32_t m_24hour = 0;
    int32_t m_Multiline = 0;
    int32_t m_SundayAsStart = 0;
    int32_t m_ShowCalendar = 1;
    int32_t m_NotesPenDefault = 1;
    int32_t m_UseSoftKey = 0;
    int32_t m_BoldAllDayEvent = 0;
    int32_t m_TodayEventPeriod = 7;
    int32_t m_TodayEventItemCount = 0;
    int32_t m_BoldImportantTask = 0;
    int32_t m_ShowTaskStart = 0;
    int32_t m_ShowCompleteTask = 1;
    int32_t m_HideUndatedTask = 0;
    int32_t m_HideAllTask = 0;
    int32_t m_TodayTaskItemCount = 9999;
    int32_t m_TodayHideUndatedTask = 0;
    std::string m_AnnvFontName = "Tahoma";
    int32_t m_AnnvFontSize = 18;
    std::string m_WeekFontName = "Tahoma";
    int32_t m_WeekFontSize = 18;
    int32_t m_ClearType = 0;
    int32_t m_WeatherVendor = 2;
    std::string m_WeatherLocation = "서울";
    std::string m_WeatherGoogleHost = "http://www.google.com";
    std::string m_WeatherYahooHost = "http://weather.yahooapis.com";
    std::string m_OpenMeteoHost = "https://api.open-meteo.com";
    std::string m_OpenMeteoGeocodingHost = "https://geocoding-api.open-meteo.com";
    int32_t m_ShowHolidays = 1;
    int32_t m_AgeCount = 0;
};

// Font defaults by the screen's horizontal density: below 128 dpi, 128-191,
// 192 and above. The anniversary font is "Tahoma" at every density.
struct FontDefaults {
    int32_t annvFontSize;
    int32_t weekFontSize;
    const char* weekFontName;
};
FontDefaults FontDefaultsForDpi(int dpiX);

// Reads every value (except the two change flags) with its default. Never
// fails: a missing or unreadable registry gives the defaults.
Settings LoadSettings(const ScreenMetrics& screen);

// Writes the values the options sheet owns, in the order the Today items
// expect, and raises both change flags; the two settings the handheld did not
// have ("ShowHolidays", "AgeCount") come last. An empty font name leaves the
// stored one. Failed writes are ignored.
void SaveOptions(const Settings& settings, int32_t useSoftKeyFromPage);

// Writes what the weather-server dialog owns.
void SaveWeatherServer(int32_t vendor, const std::string& location);

// A place name resolved to coordinates (decimal texts), remembered for `location`.
struct WeatherGeocode {
    std::string latitude;
    std::string longitude;
    std::string location;  // the "WeatherLocation" text they belong to
};
WeatherGeocode LoadWeatherGeocode();
void SaveWeatherGeocode(const WeatherGeocode& geocode);
