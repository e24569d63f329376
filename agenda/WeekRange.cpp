#include "agenda/WeekRange.h"

#include "platform/time/PlatformTime.h"

namespace {

constexpr TimeValue kDay = 86400;
constexpr TimeValue kHalfDay = 43200;

// Noon is at least 11 hours away from either midnight on any day, so adding
// whole days of seconds to it never crosses a day boundary that a daylight
// shift has moved.
TimeValue NoonOf(TimeValue t) { return MidnightOf(t) + kHalfDay; }

}  // namespace

TimeValue DayOffset(TimeValue date, int days)
{
    const int64_t noon = static_cast<int64_t>(NoonOf(date)) + static_cast<int64_t>(days) * kDay;
    if (noon < static_cast<int64_t>(kHalfDay) || noon > static_cast<int64_t>(UINT32_MAX))
        return MidnightOf(date);
    return MidnightOf(static_cast<TimeValue>(noon));
}

WeekRange WeekAround(TimeValue date, bool sundayAsStart)
{
    const TimeParts parts = *PartsFromTime(date);
    const int column = WeekdayColumn(parts.tm_wday + 1, sundayAsStart);
    WeekRange week;
    week.start = DayOffset(date, -(column - 1));
    // Counted in calendar days: a week with a daylight shift is an hour
    // shorter or longer than 7 x 86 400 seconds.
    week.end = DayOffset(week.start, 7) - 1;
    return week;
}
