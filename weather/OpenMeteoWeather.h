// Open-Meteo's JSON replies: the daily forecast (time, weather_code,
// temperature_2m_min, temperature_2m_max) and the geocoding search.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "weather/WeatherDay.h"

// WMO weather code -> picture index 0-9, 10 for codes the table does not know.
int32_t MapWmoCode(int32_t code);

// Writes up to six records, skipping days with a bad date or a missing, null
// or absurd value. Temperatures round to the nearest degree, halves away from zero.
int ParseOpenMeteoWeather(WeatherTable& table, std::string_view json);

struct Coordinates {
    double latitude = 0;
    double longitude = 0;
};

// "37.57,126.98" -> coordinates; nullopt for anything else or out of range.
std::optional<Coordinates> ParseCoordinates(std::string_view location);

// The first result of a geocoding reply; nullopt when there is none.
std::optional<Coordinates> ParseGeocodingReply(std::string_view json);

// Coordinates as the request and the registry carry them ("37.5665").
std::string CoordinateText(double value);
