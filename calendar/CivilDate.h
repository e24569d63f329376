// Civil (proleptic Gregorian) dates and their day numbers.
#pragma once

#include <cstdint>

struct SolarDate {
    int32_t year = 0;   // e.g. 2009
    int32_t month = 0;  // 1..12
    int32_t day = 0;    // 1..31

    friend bool operator==(const SolarDate&, const SolarDate&) = default;
};

// 1 January of year 1 = 1. No validation: the day is simply added, so
// (2009, 2, 29) gives the day number of 1 March 2009.
uint32_t DateToDayNumber(int32_t year, int32_t month, int32_t day);
inline uint32_t DateToDayNumber(const SolarDate& date) {
    return DateToDayNumber(date.year, date.month, date.day);
}

// Inverse of DateToDayNumber for day numbers >= 1; returns 1.
int32_t DayNumberToDate(uint32_t dayNumber, SolarDate& out);

SolarDate AddDays(const SolarDate& date, int32_t days);
// Sunday = 1 .. Saturday = 7, the weekday numbering of stored data.
int32_t WeekdayOf(const SolarDate& date);
bool IsValidSolarDate(int32_t year, int32_t month, int32_t day);
int32_t CivilDaysInMonth(int32_t year, int32_t month);  // 0 for a month outside 1..12
