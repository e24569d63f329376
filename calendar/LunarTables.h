// The constant tables behind the lunar conversion, built at compile time from
// the per-year rows. Nothing is computed or allocated at start-up.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "calendar/LunarYearRows.h"

inline constexpr int32_t kLunarFirstYear = 1881;
inline constexpr size_t kLunarYearCount = 170;
inline constexpr size_t kLunarMonthStartCount = 2104;  // 2103 months and the end marker

// The four tables in one block of constant data, in this order.
struct LunarTableBlock {
    uint32_t civilMonthLength[2][13];  // common year, leap year; the 13th is never summed
    uint32_t lunarMonthStart[kLunarMonthStartCount];  // day offset of each month from 1881/1/1
    uint32_t lunarYearFirstMonth[kLunarYearCount];    // index of each year's month 1 above
    uint32_t lunarLeapMonth[kLunarYearCount];         // month the leap month follows, 0 = none
};

constexpr LunarTableBlock BuildLunarTables() {
    LunarTableBlock t{};
    constexpr uint32_t kCommon[13] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
    for (size_t m = 0; m < 13; ++m) {
        t.civilMonthLength[0][m] = kCommon[m];
        t.civilMonthLength[1][m] = m == 1 ? 29 : kCommon[m];
    }
    size_t month = 0;
    uint32_t offset = 0;
    for (size_t y = 0; y < kLunarYearCount; ++y) {
        const LunarYearRow& row = kLunarYearRows[y];
        t.lunarYearFirstMonth[y] = static_cast<uint32_t>(month);
        t.lunarLeapMonth[y] = static_cast<uint32_t>(row.leapAfter);
        for (const char* p = row.monthLengths; *p != '\0'; ++p) {
            t.lunarMonthStart[month++] = offset;
            offset += *p == 'L' ? 30 : 29;
        }
    }
    t.lunarMonthStart[month] = offset;  // end marker
    return t;
}

inline constexpr LunarTableBlock kLunarTables = BuildLunarTables();

inline constexpr const auto& CivilMonthLength = kLunarTables.civilMonthLength;
inline constexpr const auto& LunarMonthStart = kLunarTables.lunarMonthStart;
inline constexpr const auto& LunarYearFirstMonth = kLunarTables.lunarYearFirstMonth;
inline constexpr const auto& LunarLeapMonth = kLunarTables.lunarLeapMonth;

constexpr bool IsCivilLeapYear(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days in the months before month m (index 1..14), summed from
// CivilMonthLength: month 13 sums twelve lengths, 14 and later all thirteen.
inline constexpr auto kDaysBeforeMonth = [] {
    std::array<std::array<uint32_t, 15>, 2> before{};
    for (size_t leap = 0; leap < 2; ++leap) {
        for (size_t m = 2; m < 15; ++m) {
            before[leap][m] = before[leap][m - 1] + CivilMonthLength[leap][m - 2];
        }
    }
    return before;
}();

// Days counted with 1 January of year 1 = 1. No validation: a day past the
// month's end simply runs on. The closed form for whole years equals adding
// 365 or 366 for each year before.
constexpr uint32_t DayNumberOf(int32_t year, int32_t month, int32_t day) {
    const size_t monthIndex = month < 1 ? 1 : month > 14 ? 14 : static_cast<size_t>(month);
    int64_t days = int64_t{day} + kDaysBeforeMonth[IsCivilLeapYear(year) ? 1 : 0][monthIndex];
    if (year >= 2) {
        const int64_t y = int64_t{year} - 1;
        days += 365 * y + y / 4 - y / 100 + y / 400;
    }
    return static_cast<uint32_t>(days);
}

// The rows must describe one unbroken run of months: consecutive years, 12
// months or 13 with a leap month, and each year starting where the last ended.
constexpr bool LunarRowsAreConsistent() {
    constexpr uint32_t kBaseDay = 686686;  // 30 January 1881
    for (size_t y = 0; y < kLunarYearCount; ++y) {
        const LunarYearRow& row = kLunarYearRows[y];
        if (row.year != kLunarFirstYear + static_cast<int32_t>(y)) return false;
        if (row.leapAfter < 0 || row.leapAfter > 12) return false;
        size_t count = 0;
        for (const char* p = row.monthLengths; *p != '\0'; ++p, ++count) {
            if (*p != 'L' && *p != 'S') return false;
        }
        if (count != (row.leapAfter != 0 ? 13u : 12u)) return false;
        const uint32_t first =
            DayNumberOf(row.firstDay.year, row.firstDay.month, row.firstDay.day) - kBaseDay;
        if (first != LunarMonthStart[LunarYearFirstMonth[y]]) return false;
    }
    return true;
}

constexpr size_t CountLeapYears() {
    size_t n = 0;
    for (const uint32_t leap : LunarLeapMonth) n += leap != 0 ? 1 : 0;
    return n;
}

constexpr bool MonthStartsStepBy29Or30() {
    for (size_t i = 1; i < kLunarMonthStartCount; ++i) {
        const uint32_t length = LunarMonthStart[i] - LunarMonthStart[i - 1];
        if (length != 29 && length != 30) return false;
    }
    return true;
}

static_assert(std::size(kLunarYearRows) == kLunarYearCount);
static_assert(LunarRowsAreConsistent());
static_assert(MonthStartsStepBy29Or30());
static_assert(DayNumberOf(1881, 1, 30) == 686686);
static_assert(DayNumberOf(2009, 13, 1) == DayNumberOf(2010, 1, 1));
static_assert(DayNumberOf(2009, 0, 1) == DayNumberOf(2009, 1, 1));
static_assert(LunarMonthStart[0] == 0 && LunarMonthStart[13] == 384);
static_assert(LunarMonthStart[2101] == 62044 && LunarMonthStart[2102] == 62074);
static_assert(LunarMonthStart[2103] == 62103);
static_assert(LunarYearFirstMonth[0] == 0 && LunarYearFirstMonth[1] == 13 &&
              LunarYearFirstMonth[2] == 25 && LunarYearFirstMonth[3] == 37 &&
              LunarYearFirstMonth[4] == 50);
static_assert(LunarYearFirstMonth[169] == 2090);
static_assert(CountLeapYears() == 63 && 170 * 12 + 63 == 2103);
static_assert(LunarLeapMonth[0] == 7);
static_assert(sizeof(LunarTableBlock) == (2 * 13 + 2104 + 170 + 170) * sizeof(uint32_t));
