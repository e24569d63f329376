// Time values: seconds since 1970 UTC, converted to and from local calendar
// time with the device's zone record and daylight-saving rule.
#pragma once

#include <cstdint>
#include <string>

#include "platform/time/PlatformTime.h"

using TimeValue = uint32_t;

// Local broken-down time; month 0-11, year - 1900, weekday 0 = Sunday.
struct TimeParts {
    int32_t tm_sec = 0;
    int32_t tm_min = 0;
    int32_t tm_hour = 0;
    int32_t tm_mday = 0;
    int32_t tm_mon = 0;
    int32_t tm_year = 0;
    int32_t tm_wday = 0;
    int32_t tm_yday = 0;
    int32_t tm_isdst = 0;
};

// Daylight saving is honoured while this is nonzero. Exported by name from
// every deliverable.
extern "C" __attribute__((visibility("default"))) int32_t g_bUseDST;

TimeValue Now();
// Fields are not normalised: an invalid date gives 0. Also recomputes parts.tm_yday.
TimeValue TimeFromParts(TimeParts& parts);
// Per-thread buffer, overwritten by the thread's next call; tm_isdst is 1 in
// daylight time, else 0; all zero when the time cannot be converted.
TimeParts* PartsFromTime(TimeValue t);
TimeValue TimeFromFields(int year, int month, int day, int hour, int minute, int second,
                         int isDst = -1);
TimeValue TimeFromCalendar(const SYSTEMTIME& st);  // 0 when the year is below 1900
bool CalendarFromTime(TimeValue t, SYSTEMTIME& st);
TimeValue MidnightOf(TimeValue t);
bool IsDaylightTime(const TimeParts& parts);
void ZoneOffsets(int32_t& zoneOffset, int32_t& daylightDelta);  // seconds

// Tests only: convert with `tzi` from now on; nullptr forgets the record so
// that the next conversion reads the platform's again. Call it while no other
// thread converts.
void SetZoneForTesting(const TIME_ZONE_INFORMATION* tzi);

int WeekdayColumn(int weekday, bool sundayAsStart);        // weekday 1-7, Sunday = 1
uint32_t WeekdayBit(TimeValue t);                          // 1 << weekday, Sunday = 1
int DaysInMonth(int year, int month);                      // month 1-12; 0 for another month
int WeekdayOccurrence(int year, int month, int day);
// n 1-5 (an n-th the month lacks gives the last), weekday 1-7 (Sunday = 1);
// 0 for arguments out of range.
int NthWeekdayOfMonth(int year, int month, int n, int weekday);

// Week number of the year: ISO 8601 when weeks start on Monday; with Sunday as
// the first day, week 1 is the week that holds 1 January.
int WeekOfYear(int year, int month, int day, bool sundayAsStart);

std::string FormatTimeShort(const SYSTEMTIME& st, bool hour24);
std::string FormatTime(int hour, int minute, bool hour24);
