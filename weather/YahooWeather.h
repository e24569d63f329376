// The Yahoo service's RSS reply: rss > channel > item > yweather:forecast
// elements with date "dd Mon yyyy", low, high and a condition code.
#pragma once

#include <cstdint>
#include <string_view>

#include "weather/WeatherDay.h"

// Writes up to six records; returns how many.
int ParseYahooWeather(WeatherTable& table, std::u16string_view text);

// Condition code -> picture index 0-10 (10: not available).
int32_t MapYahooCode(int32_t code);

// "Jan".."Dec" in any case -> 1-12, else 0.
int32_t MonthNameToNumber(std::u16string_view text);
