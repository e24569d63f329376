// The entries of a Today item and the rules every list of them follows: the
// day prefix an entry gets, its place by start, when it has ended, and the
// trim to the number of entries kept. Days are counted on the calendar, so a
// daylight-saving change inside the shown days moves nothing to another day.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/CivilDate.h"
#include "pim/time/TimeValue.h"

struct TodayEntry {
    int32_t id = -1;         // Oid of the appointment or task; index of the anniversary
    TimeValue start = 0;     // all-day entries and anniversaries: local midnight
    TimeValue end = 0;       // all-day: midnight of the last day; anniversaries: start
    int32_t allDay = 0;      // 1 for anniversaries
    std::string firstLine;   // with the day prefix
    std::string secondLine;  // time range and place of a timed appointment
};
using TodayEntries = std::vector<TodayEntry>;

// The moment a list is built for.
struct TodayClock {
    SolarDate today;
    TimeValue now = 0;
};
// From the system clock (the clock override included).
TodayClock CurrentTodayClock();

// The local calendar date of a time value.
SolarDate DateOfTimeValue(TimeValue t);
// Local midnight of the date.
TimeValue MidnightOfSolarDate(const SolarDate& date);
// Whole calendar days from `from` to `to`.
int32_t CalendarDaysBetween(const SolarDate& from, const SolarDate& to);

// Puts the day prefix in front of the first line ("<< " for an entry running
// since an earlier day, "내일(요일):", "N일후(요일):", nothing for today) and
// inserts the entry after every entry that starts no later.
void AddTodayEntry(TodayEntries& entries, const TodayClock& clock, int32_t id, std::string firstLine,
                   std::string secondLine, TimeValue start, TimeValue end, int32_t allDay);

// A timed entry has ended once its end has passed; an all-day one once its
// last day lies before today.
bool TodayEntryEnded(const TodayEntry& entry, const TodayClock& clock);
bool AnyTodayEntryEnded(const TodayEntries& entries, const TodayClock& clock);

// `count` > 0 keeps that many. 0 keeps the leading run: the first entry, then
// each next one while the one before started before today or on its day.
void TrimTodayEntries(TodayEntries& entries, int32_t count, const SolarDate& today);
