#include "calendar/Lunar.h"

#include "calendar/LunarTables.h"

namespace {

// Unsigned, so that years far outside the table wrap to large values and fail.
uint32_t YearIndexOf(int32_t lunarYear) {
    return static_cast<uint32_t>(lunarYear) - static_cast<uint32_t>(kLunarFirstYear);
}

// Index of the last entry <= key in an increasing table whose first entry is
// 0, searched from a guess.
template <size_t N>
uint32_t LastAtOrBefore(const uint32_t (&table)[N], uint32_t key, size_t guess) {
    size_t i = guess < N ? guess : N - 1;
    while (i > 0 && table[i] > key) --i;
    while (i + 1 < N && table[i + 1] <= key) ++i;
    return static_cast<uint32_t>(i);
}

}  // namespace

static_assert(kLunarBaseDay == DayNumberOf(1881, 1, 30));
static_assert(kLunarLastOffset == DayNumberOf(2051, 2, 10) - kLunarBaseDay);
static_assert(kLunarLastOffset + 1 == LunarMonthStart[kLunarMonthStartCount - 1]);

int32_t SolarToLunar(int32_t year, int32_t month, int32_t day, LunarDate& out) {
    const uint32_t offset = DateToDayNumber(year, month, day) - kLunarBaseDay;
    if (offset > kLunarLastOffset) return 0;  // also every date before 1881/1/1

    // Last month starting on or before the day, then the year holding that
    // month. Months and years are nearly uniform, so a proportional guess is
    // only a step or so off; walking from it finds what a bisection finds.
    const uint32_t monthIndex = LastAtOrBefore(
        LunarMonthStart, offset, offset * (kLunarMonthStartCount - 1) / (kLunarLastOffset + 1));
    const uint32_t yearIndex = LastAtOrBefore(
        LunarYearFirstMonth, monthIndex,
        monthIndex * kLunarYearCount / (kLunarMonthStartCount - 1));

    auto position = static_cast<int32_t>(monthIndex - LunarYearFirstMonth[yearIndex] + 1);
    const auto leapAfter = static_cast<int32_t>(LunarLeapMonth[yearIndex]);
    int32_t isLeap = 0;
    if (leapAfter != 0 && position > leapAfter) {
        --position;
        isLeap = position == leapAfter ? 1 : 0;
    }
    out.year = kLunarFirstYear + static_cast<int32_t>(yearIndex);
    out.month = position;
    out.day = static_cast<int32_t>(offset - LunarMonthStart[monthIndex] + 1);
    out.isLeapMonth = isLeap;
    return 1;
}

int32_t LunarToSolar(int32_t year, int32_t month, int32_t day, int32_t isLeapMonth,
                     SolarDate& out) {
    const uint32_t yearIndex = YearIndexOf(year);
    if (yearIndex >= kLunarYearCount || static_cast<uint32_t>(month) - 1 >= 12) return 0;
    const auto leapAfter = static_cast<int32_t>(LunarLeapMonth[yearIndex]);
    if (isLeapMonth != 0 && leapAfter != month) return 0;

    uint32_t monthIndex = LunarYearFirstMonth[yearIndex] + static_cast<uint32_t>(month - 1);
    if (isLeapMonth != 0 || (leapAfter != 0 && leapAfter < month)) ++monthIndex;

    if (day <= 0) return 0;
    const uint32_t offset = LunarMonthStart[monthIndex] + static_cast<uint32_t>(day) - 1;
    if (offset >= LunarMonthStart[monthIndex + 1]) return 0;
    return DayNumberToDate(offset + kLunarBaseDay, out);
}

int32_t GetLunarLeapMonth(int32_t lunarYear) {
    const uint32_t yearIndex = YearIndexOf(lunarYear);
    return yearIndex < kLunarYearCount ? static_cast<int32_t>(LunarLeapMonth[yearIndex]) : 0;
}
