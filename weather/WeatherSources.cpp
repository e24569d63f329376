#include "weather/WeatherSources.h"

#include <algorithm>

std::vector<WeatherVendorEntry> WeatherVendorList()
{
    std::vector<WeatherVendorEntry> list{
        {"Google (Unofficial)", kWeatherVendorGoogle},
        {"Yahoo Weather", kWeatherVendorYahoo},
        {"Open-Meteo", kWeatherVendorOpenMeteo},
    };
    std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return list;
}

WeatherConfig WeatherConfigFrom(const Settings& settings)
{
    return {settings.m_WeatherVendor,     settings.m_WeatherLocation, settings.m_WeatherGoogleHost,
            settings.m_WeatherYahooHost,  settings.m_OpenMeteoHost,   settings.m_OpenMeteoGeocodingHost};
}

std::filesystem::path WeatherFolder(const std::filesystem::path& programFolder)
{
    return programFolder / "weather";
}

std::string WeatherCacheName(int32_t vendor)
{
    switch (vendor) {
    case kWeatherVendorGoogle:
    case kWeatherVendorYahoo: return "weather.xml";
    case kWeatherVendorOpenMeteo: return "weather.json";
    default: return {};
    }
}

std::string PercentEncode(std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size() * 3);
    for (unsigned char c : utf8) {
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xF]);
        }
    }
    return out;
}

std::string GoogleRequestPath(std::string_view location)
{
    return "/ig/api?weather=" + PercentEncode(location) + "&hl=ko";
}

std::string YahooRequestPath(std::string_view location)
{
    return "/forecastrss?p=" + PercentEncode(location) + "&u=c";
}

std::string OpenMeteoForecastPath(const std::string& latitude, const std::string& longitude)
{
    // The days of the place itself, Celsius being the service's default.
    return "/v1/forecast?latitude=" + PercentEncode(latitude) + "&longitude=" + PercentEncode(longitude) +
           "&daily=weather_code,temperature_2m_max,temperature_2m_min&timezone=auto&forecast_days=7";
}

std::string OpenMeteoGeocodingPath(std::string_view placeName)
{
    return "/v1/search?name=" + PercentEncode(placeName) + "&count=1&language=ko&format=json";
}
