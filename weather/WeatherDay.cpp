#include "weather/WeatherDay.h"

#include <cstdio>

std::string TemperatureText(int32_t low, int32_t high)
{
    char text[40];
    std::snprintf(text, sizeof text, "%d~%d\u00B0", low, high);
    return text;
}

WeatherCell LookupWeather(const WeatherTable& table, int32_t year, int32_t month, int32_t day)
{
    for (const WeatherDay& record : table) {
        if (record.IsFree()) break;
        if (record.year == year && record.month == month && record.day == day)
            return {record.low, record.high, TemperatureText(record.low, record.high), record.iconIndex,
                    record.iconFile};
    }
    return {};
}
