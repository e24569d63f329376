// Calendar-day arithmetic for the week view. Days are counted on the calendar,
// never by adding 86 400 seconds, so a daylight-saving change cannot move a
// date onto the wrong day.
#pragma once

#include <optional>

#include "calendar/CivilDate.h"
#include "pim/time/TimeValue.h"

inline constexpr int kWeekDays = 7;

// The local calendar date of a time value.
SolarDate DateOfTime(TimeValue t);
// The local calendar date and the time of day of an OLE date; none for a date
// the variant conversion refuses.
std::optional<SYSTEMTIME> RecordOfOleDate(double date);
SolarDate DateOfRecord(const SYSTEMTIME& record);
// Local midnight of the date (0 when it cannot be represented).
TimeValue MidnightOfDate(const SolarDate& date);
// OLE date of the date's midnight.
double OleDateOfDate(const SolarDate& date);
// The same time of day, `days` calendar days later (earlier when negative).
TimeValue AddCalendarDays(TimeValue t, int days);
// Whole calendar days from `from` to `to`.
int DaysBetween(const SolarDate& from, const SolarDate& to);
