#include "editors/item/EditRules.h"

#include "agenda/WeekDates.h"

namespace {

constexpr TimeValue kMovedEndLength = 3600;
constexpr int kLongestApptDays = 31;

TimeValue AtTimeOfDayOf(const SolarDate& date, TimeValue timeOfDay)
{
    const TimeParts parts = *PartsFromTime(timeOfDay);
    return TimeFromFields(date.year, date.month, date.day, parts.tm_hour, parts.tm_min, 0);
}

}  // namespace

TimeValue ShownAllDayEnd(TimeValue storedEnd) { return AddCalendarDays(storedEnd, -1); }

TimeSpan StoredApptSpan(TimeSpan shown, bool allDay)
{
    if (!allDay)
        return shown;
    return {MidnightOfDate(DateOfTime(shown.start)), MidnightOfDate(AddDays(DateOfTime(shown.end), 1))};
}

bool IsSavableApptSpan(TimeSpan stored)
{
    return stored.end >= stored.start && stored.end <= AddCalendarDays(stored.start, kLongestApptDays);
}

TimeSpan AfterEndDateMoved(TimeSpan span)
{
    if (span.end >= span.start)
        return span;
    const TimeValue start = AtTimeOfDayOf(DateOfTime(span.end), span.start);
    return {start, start + kMovedEndLength};
}

int TaskSpanDays(TimeValue start, TimeValue due) { return DaysBetween(DateOfTime(start), DateOfTime(due)); }

TimeValue TaskDueAfterStartMoved(TimeValue start, int spanDays) { return AddCalendarDays(start, spanDays); }
