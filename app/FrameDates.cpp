#include "app/FrameDates.h"

#include <cmath>

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

TimeValue NewAppointmentStart(TimeValue currentDate, TimeValue now)
{
    const TimeParts soon = *PartsFromTime(now + 30 * 60);
    const TimeParts day = *PartsFromTime(currentDate);
    return TimeFromFields(day.tm_year + 1900, day.tm_mon + 1, day.tm_mday, soon.tm_hour,
                          soon.tm_min < 31 ? 0 : 30, 0);
}

std::optional<double> OnDayKeepingTime(double source, TimeValue targetDay)
{
    SYSTEMTIME from;
    SYSTEMTIME day;
    if (!std::isfinite(source) || VariantTimeToSystemTime(source, &from) == 0 || !CalendarFromTime(targetDay, day))
        return std::nullopt;
    SYSTEMTIME moved = day;
    moved.wHour = from.wHour;
    moved.wMinute = from.wMinute;
    moved.wSecond = from.wSecond;
    moved.wMilliseconds = 0;
    double date = 0;
    if (SystemTimeToVariantTime(&moved, &date) == 0)
        return std::nullopt;
    return date;
}

bool DayWatch::Changed(TimeValue now)
{
    const TimeParts parts = *PartsFromTime(now);
    const bool changed = parts.tm_mday != m_day || parts.tm_mon != m_month || parts.tm_year != m_year;
    m_day = parts.tm_mday;
    m_month = parts.tm_mon;
    m_year = parts.tm_year;
    return changed;
}
