#include "today/listing/TodayEntry.h"

#include <algorithm>

#include "platform/time/PlatformTime.h"
#include "today/listing/TodayText.h"

TodayClock CurrentTodayClock()
{
    SYSTEMTIME st;
    GetLocalTime(st);
    return {{st.wYear, st.wMonth, st.wDay}, TimeFromCalendar(st)};
}

SolarDate DateOfTimeValue(TimeValue t)
{
    const TimeParts* parts = PartsFromTime(t);
    return {parts->tm_year + 1900, parts->tm_mon + 1, parts->tm_mday};
}

TimeValue MidnightOfSolarDate(const SolarDate& date)
{
    return TimeFromFields(date.year, date.month, date.day, 0, 0, 0);
}

int32_t CalendarDaysBetween(const SolarDate& from, const SolarDate& to)
{
    return static_cast<int32_t>(DateToDayNumber(to)) - static_cast<int32_t>(DateToDayNumber(from));
}

void AddTodayEntry(TodayEntries& entries, const TodayClock& clock, int32_t id, std::string firstLine,
                   std::string secondLine, TimeValue start, TimeValue end, int32_t allDay)
{
    const SolarDate startDay = DateOfTimeValue(start);
    TodayEntry entry{id, start, end, allDay,
                     DayPrefix(CalendarDaysBetween(clock.today, startDay), startDay) + firstLine,
                     std::move(secondLine)};
    const auto later = std::upper_bound(entries.begin(), entries.end(), start,
                                        [](TimeValue t, const TodayEntry& e) { return t < e.start; });
    entries.insert(later, std::move(entry));
}

bool TodayEntryEnded(const TodayEntry& entry, const TodayClock& clock)
{
    if (entry.allDay == 0) return entry.end < clock.now;
    return CalendarDaysBetween(clock.today, DateOfTimeValue(entry.end)) < 0;
}

bool AnyTodayEntryEnded(const TodayEntries& entries, const TodayClock& clock)
{
    return std::any_of(entries.begin(), entries.end(),
                       [&](const TodayEntry& e) { return TodayEntryEnded(e, clock); });
}

void TrimTodayEntries(TodayEntries& entries, int32_t count, const SolarDate& today)
{
    if (count > 0) {
        if (entries.size() > static_cast<size_t>(count)) entries.resize(static_cast<size_t>(count));
        return;
    }
    if (count < 0) return;
    size_t kept = entries.empty() ? 0 : 1;
    for (; kept < entries.size(); ++kept) {
        const SolarDate before = DateOfTimeValue(entries[kept - 1].start);
        const bool beforeToday = CalendarDaysBetween(today, before) < 0;
        if (!beforeToday && !(before == DateOfTimeValue(entries[kept].start))) break;
    }
    entries.resize(kept);
}
