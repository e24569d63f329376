// Proleptic Gregorian day arithmetic on plain integers, shared by the file-time,
// OLE-date and zone code. Day numbers count from 1 January 1970 (day 0).
#pragma once

#include <cstdint>

namespace gregorian {

constexpr bool IsLeapYear(int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int64_t year, int month)
{
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Day number of year-month-day (month 1-12); valid for any year.
constexpr int64_t DaysFromCivil(int64_t year, int month, int day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    int64_t year;
    int month;  // 1-12
    int day;    // 1-31
};

constexpr CivilDate CivilFromDays(int64_t days)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    return {yearOfEra + era * 400 + (month <= 2), month, day};
}

// 0 = Sunday; 1 January 1970 was a Thursday.
constexpr int WeekdayFromDays(int64_t days)
{
    const int64_t weekday = (days + 4) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

// Day of month of the week-th `weekday` (0 = Sunday) of a month; week 5 or
// more means the last one.
constexpr int NthWeekdayDay(int64_t year, int month, int week, int weekday)
{
    const int firstWeekday = WeekdayFromDays(DaysFromCivil(year, month, 1));
    int day = 1 + (weekday - firstWeekday + 7) % 7 + (week - 1) * 7;
    while (day > DaysInMonth(year, month))
        day -= 7;
    return day;
}

constexpr int64_t kSecondsPerDay = 86400;

}  // namespace gregorian
