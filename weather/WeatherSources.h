// The weather services: vendor numbers, the list the weather-server dialog
// shows, request paths, and the cache files in the program's weather folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Settings.h"

inline constexpr int32_t kWeatherVendorGoogle = 0;
inline constexpr int32_t kWeatherVendorYahoo = 1;
inline constexpr int32_t kWeatherVendorOpenMeteo = 2;

// One entry of the weather-server dialog's sorted list; the vendor number is
// the item data, so that the sort never changes what a stored value means.
struct WeatherVendorEntry {
    std::string name;
    int32_t vendor;
};
std::vector<WeatherVendorEntry> WeatherVendorList();

// What a retrieval needs from the settings, copied so that a worker thread owns it.
struct WeatherConfig {
    int32_t vendor = kWeatherVendorOpenMeteo;
    std::string location;
    std::string googleHost;
    std::string yahooHost;
    std::string openMeteoHost;
    std::string geocodingHost;
};
WeatherConfig WeatherConfigFrom(const Settings& settings);

// <program folder>/weather.
std::filesystem::path WeatherFolder(const std::filesystem::path& programFolder);

// "weather.xml" for the XML services, "weather.json" for Open-Meteo; empty
// for vendors that make no request.
std::string WeatherCacheName(int32_t vendor);

// RFC 3986 percent-encoding of everything but the unreserved characters.
std::string PercentEncode(std::string_view utf8);

std::string GoogleRequestPath(std::string_view location);
std::string YahooRequestPath(std::string_view location);
std::string OpenMeteoForecastPath(const std::string& latitude, const std::string& longitude);
std::string OpenMeteoGeocodingPath(std::string_view placeName);
