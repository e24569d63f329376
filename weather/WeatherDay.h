// The forecast table a weather view owns and what one day cell takes from it.
//
// A parse fills records from the first, at most six, and never clears the
// rest; a record with icon index -1 and no icon file is free, and lookups stop
// at the first free one.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct WeatherDay {
    int32_t year = 0;
    int32_t month = 0;       // 1-12 (0: a month name that was not recognised)
    int32_t day = 0;
    int32_t low = 0;         // Celsius, as the service sent it
    int32_t high = 0;
    int32_t iconIndex = -1;  // picture of the strip 0-9, 10 = not available, -1 = none
    std::string iconFile;    // fetched picture in the weather folder (UTF-8), empty = none

    bool IsFree() const { return iconIndex == -1 && iconFile.empty(); }
};

inline constexpr int kWeatherTableSize = 7;
inline constexpr int kWeatherParseLimit = 6;  // the seventh record is never filled
using WeatherTable = std::array<WeatherDay, kWeatherTableSize>;

// Picture index for "no picture available": a used record that draws nothing.
inline constexpr int32_t kWeatherIconNotAvailable = 10;

// Writes records from the first onwards and stops at the parse limit.
class WeatherTableWriter {
public:
    explicit WeatherTableWriter(WeatherTable& table) : m_table(table) {}
    bool Full() const { return m_count >= kWeatherParseLimit; }
    int Count() const { return m_count; }
    void Write(const WeatherDay& day)
    {
        if (!Full()) m_table[static_cast<size_t>(m_count++)] = day;
    }

private:
    WeatherTable& m_table;
    int m_count = 0;
};

// The five values a day cell shows.
struct WeatherCell {
    int32_t low = 0;
    int32_t high = 0;
    std::string temperatureText;  // "%d~%d°", empty without a forecast
    int32_t iconIndex = -1;
    std::string iconFile;
};

// "-3~5°".
std::string TemperatureText(int32_t low, int32_t high);

// The first used record of that date, else the empty cell.
WeatherCell LookupWeather(const WeatherTable& table, int32_t year, int32_t month, int32_t day);
