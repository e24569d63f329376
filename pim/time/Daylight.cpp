#include "pim/time/Daylight.h"

#include "pim/time/TimeValue.h"
#include "pim/time/ZoneState.h"

int32_t g_bUseDST = 1;  // C linkage and default visibility from the header

namespace {

// Day of year (0-based) of the last day of the previous month; -1 for January.
constexpr int kCommonYearDays[13] = {-1, 30, 58, 89, 119, 150, 180, 211, 242, 272, 303, 333, 364};
constexpr int kLeapYearDays[13] = {-1, 30, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

}  // namespace

TransitionMoment TransitionDay(TransitionKind kind, int year, const SYSTEMTIME& rule, int32_t daylightDelta)
{
    const int* table = year % 4 == 0 ? kLeapYearDays : kCommonYearDays;
    const int month = rule.wMonth;
    const int first = table[month - 1] + 1;
    const int monthWeekday = (year * 365 + ((year - 1) >> 2) + first - 25563) % 7;
    int day = first + (rule.wDayOfWeek - monthWeekday + 7) % 7 + (rule.wDay - 1) * 7;
    if (rule.wDay == 5 && day > table[month])
        day -= 7;

    int32_t ms = (rule.wHour * 3600 + rule.wMinute * 60 + rule.wSecond) * 1000 + rule.wMilliseconds;
    if (kind == TransitionKind::End) {
        ms += daylightDelta * 1000;
        if (ms < 0)
            ms += 86'399'999;
        if (ms >= 86'400'000)
            ms -= 86'399'999;
    }
    return {day, ms};
}

bool IsDaylightTime(const TimeParts& parts)
{
    if (g_bUseDST == 0)
        return false;
    const ZoneState& zone = CurrentZone();
    if (!zone.dayInMonthRule)
        return false;

    const TransitionMoment start =
        TransitionDay(TransitionKind::Start, parts.tm_year, zone.tzi.DaylightDate, zone.daylightDelta);
    const TransitionMoment end =
        TransitionDay(TransitionKind::End, parts.tm_year, zone.tzi.StandardDate, zone.daylightDelta);
    const int day = parts.tm_yday;
    if (day == start.dayOfYear || day == end.dayOfYear) {
        const int64_t ms = 1000LL * (parts.tm_sec + 60LL * parts.tm_min + 3600LL * parts.tm_hour);
        return day == start.dayOfYear ? ms >= start.milliseconds : ms < end.milliseconds;
    }
    if (start.dayOfYear < end.dayOfYear)  // northern hemisphere
        return day > start.dayOfYear && day < end.dayOfYear;
    return day < end.dayOfYear || day > start.dayOfYear;
}
