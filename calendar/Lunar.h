// Korean lunar (lunisolar) calendar for lunar years 1881..2050, convertible
// from 30 January 1881 to 10 February 2051. Functions return 1 on success and
// 0 on failure; on failure the out-record is left as it was.
#pragma once

#include <cstdint>

#include "calendar/CivilDate.h"

struct LunarDate {
    int32_t year = 0;         // 1881..2050
    int32_t month = 0;        // 1..12
    int32_t day = 0;          // 1..30
    int32_t isLeapMonth = 0;  // 1: in the leap month that follows `month`

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

inline constexpr uint32_t kLunarBaseDay = 686686;   // day number of 30 January 1881 = 1881/1/1
inline constexpr uint32_t kLunarLastOffset = 62102;  // 10 February 2051 = 2050/12/29

int32_t SolarToLunar(int32_t year, int32_t month, int32_t day, LunarDate& out);
int32_t LunarToSolar(int32_t year, int32_t month, int32_t day, int32_t isLeapMonth,
                     SolarDate& out);
// The month that the year's leap month follows; 0 for none or a year outside the tables.
int32_t GetLunarLeapMonth(int32_t lunarYear);
