// The handheld platform's time services, rebuilt on the C library: calendar
// records, file times, OLE (variant) dates, the zone record and the clock.
#pragma once

#include <cstdint>

// Calendar record: month 1-12, weekday 0 = Sunday.
struct SYSTEMTIME {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
};

// 100-nanosecond intervals since 1 January 1601.
struct FILETIME {
    uint32_t dwLowDateTime = 0;
    uint32_t dwHighDateTime = 0;
};

// Zone record: UTC = local + Bias (minutes). A transition date with wYear 0 is
// in the day-in-month form (wDay = week 1-5, 5 = last; wDayOfWeek = weekday);
// a transition month of 0 means "no such transition".
struct TIME_ZONE_INFORMATION {
    int32_t Bias = 0;
    char16_t StandardName[32] = {};
    SYSTEMTIME StandardDate;
    int32_t StandardBias = 0;
    char16_t DaylightName[32] = {};
    SYSTEMTIME DaylightDate;
    int32_t DaylightBias = 0;
};

// Calendar record <-> file time; proleptic Gregorian, year 1601..30827.
bool SystemTimeToFileTime(const SYSTEMTIME& st, FILETIME& ft);
bool FileTimeToSystemTime(const FILETIME& ft, SYSTEMTIME& st);

// OLE date (days since 30 December 1899; before 1900 the integer part counts
// back and the fraction runs forward) <-> calendar record, to whole seconds
// (half a second rounds up). Valid for years 100..9999. As on the platform,
// years 0-29 and 30-99 mean 2000-2029 and 1930-1999, a day or time beyond its
// range rolls over, and milliseconds are ignored.
// Return nonzero on success like the platform's functions.
int SystemTimeToVariantTime(const SYSTEMTIME* st, double* date);
int VariantTimeToSystemTime(double date, SYSTEMTIME* st);

// Reads the zone record from the POSIX TZ rule ($TZ, else the footer of
// /etc/localtime). $TZ may be a rule ("KST-9"), a zone name ("Asia/Seoul",
// ":Asia/Seoul") or a file path. Returns false when no zone can be read.
bool GetTimeZoneInformation(TIME_ZONE_INFORMATION& tzi);

// Universal time -> local time of the zone (the current zone when tzi is
// null). Daylight time follows day-in-month transitions only; absolute dates
// count as none. False when the universal record is invalid.
bool SystemTimeToTzSpecificLocalTime(const TIME_ZONE_INFORMATION* tzi, const SYSTEMTIME& universal,
                                     SYSTEMTIME& local);

// Local wall-clock time; DAYVANE_NOW=YYYY-MM-DDTHH:MM:SS overrides the clock
// (a malformed value is ignored). With a trailing "~" the clock starts at that
// instant when the process first reads it and runs on from there.
void GetLocalTime(SYSTEMTIME& st);
