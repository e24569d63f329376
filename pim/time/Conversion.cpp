// Time values <-> local calendar time through the zone record.
#include "platform/time/Gregorian.h"
#include "pim/time/TimeValue.h"
#include "pim/time/ZoneState.h"

namespace {

constexpr int64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kSeconds1601To1970 = -gregorian::DaysFromCivil(1601, 1, 1) * gregorian::kSecondsPerDay;

int DayOfYear(const SYSTEMTIME& st)
{
    return static_cast<int>(gregorian::DaysFromCivil(st.wYear, st.wMonth, st.wDay) -
                            gregorian::DaysFromCivil(st.wYear, 1, 1));
}

bool FitsRecordField(int64_t value)
{
    return value >= 0 && value <= UINT16_MAX;
}

TimeParts PartsFromRecord(const SYSTEMTIME& st)
{
    TimeParts parts;
    parts.tm_sec = st.wSecond;
    parts.tm_min = st.wMinute;
    parts.tm_hour = st.wHour;
    parts.tm_mday = st.wDay;
    parts.tm_mon = st.wMonth - 1;
    parts.tm_year = st.wYear - 1900;
    parts.tm_wday = st.wDayOfWeek;
    parts.tm_yday = DayOfYear(st);
    parts.tm_isdst = -1;
    return parts;
}

bool PartsFromFileTicks(int64_t ticks, TimeParts& parts)
{
    SYSTEMTIME st;
    const FILETIME ft{static_cast<uint32_t>(ticks), static_cast<uint32_t>(static_cast<uint64_t>(ticks) >> 32)};
    if (ticks < 0 || !FileTimeToSystemTime(ft, st))
        return false;
    parts = PartsFromRecord(st);
    parts.tm_isdst = 0;
    return true;
}

// PartsFromTime without the shared buffer, for the helpers built on it.
bool ConvertToParts(TimeValue t, TimeParts& parts)
{
    const ZoneState& zone = CurrentZone();
    int64_t ticks = (kSeconds1601To1970 + t - zone.zoneOffset) * kTicksPerSecond;
    if (!PartsFromFileTicks(ticks, parts)) {
        parts = TimeParts{};
        return false;
    }
    if (IsDaylightTime(parts)) {
        ticks -= static_cast<int64_t>(zone.daylightDelta) * kTicksPerSecond;
        if (!PartsFromFileTicks(ticks, parts)) {
            parts = TimeParts{};
            return false;
        }
        parts.tm_isdst = 1;
    }
    return true;
}

}  // namespace

TimeValue TimeFromParts(TimeParts& parts)
{
    const int64_t year = static_cast<int64_t>(parts.tm_year) + 1900;
    const int64_t month = static_cast<int64_t>(parts.tm_mon) + 1;
    if (!FitsRecordField(year) || !FitsRecordField(month) || !FitsRecordField(parts.tm_mday) ||
        !FitsRecordField(parts.tm_hour) || !FitsRecordField(parts.tm_min) || !FitsRecordField(parts.tm_sec))
        return 0;
    SYSTEMTIME st;
    st.wYear = static_cast<uint16_t>(year);
    st.wMonth = static_cast<uint16_t>(month);
    st.wDayOfWeek = static_cast<uint16_t>(parts.tm_wday);
    st.wDay = static_cast<uint16_t>(parts.tm_mday);
    st.wHour = static_cast<uint16_t>(parts.tm_hour);
    st.wMinute = static_cast<uint16_t>(parts.tm_min);
    st.wSecond = static_cast<uint16_t>(parts.tm_sec);
    FILETIME ft;
    if (!SystemTimeToFileTime(st, ft))
        return 0;
    parts.tm_yday = DayOfYear(st);

    const uint64_t ticks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    int64_t seconds = static_cast<int64_t>(ticks / kTicksPerSecond) - kSeconds1601To1970;
    const ZoneState& zone = CurrentZone();
    seconds += zone.zoneOffset;
    if (IsDaylightTime(parts))
        seconds += zone.daylightDelta;
    return static_cast<TimeValue>(seconds);  // modulo 2^32, like the 32-bit value it is
}

TimeParts* PartsFromTime(TimeValue t)
{
    thread_local TimeParts buffer;
    ConvertToParts(t, buffer);
    return &buffer;
}

TimeValue TimeFromFields(int year, int month, int day, int hour, int minute, int second, int isDst)
{
    TimeParts parts;
    parts.tm_sec = second;
    parts.tm_min = minute;
    parts.tm_hour = hour;
    parts.tm_mday = day;
    parts.tm_mon = month - 1;
    parts.tm_year = year - 1900;
    parts.tm_isdst = isDst;
    return TimeFromParts(parts);
}

TimeValue TimeFromCalendar(const SYSTEMTIME& st)
{
    if (st.wYear < 1900)
        return 0;
    TimeParts parts = PartsFromRecord(st);
    return TimeFromParts(parts);
}

bool CalendarFromTime(TimeValue t, SYSTEMTIME& st)
{
    TimeParts parts;
    if (!ConvertToParts(t, parts))
        return false;
    st.wYear = static_cast<uint16_t>(parts.tm_year + 1900);
    st.wMonth = static_cast<uint16_t>(parts.tm_mon + 1);
    st.wDayOfWeek = static_cast<uint16_t>(parts.tm_wday);
    st.wDay = static_cast<uint16_t>(parts.tm_mday);
    st.wHour = static_cast<uint16_t>(parts.tm_hour);
    st.wMinute = static_cast<uint16_t>(parts.tm_min);
    st.wSecond = static_cast<uint16_t>(parts.tm_sec);
    st.wMilliseconds = 0;
    return true;
}

TimeValue Now()
{
    SYSTEMTIME st;
    GetLocalTime(st);
    return TimeFromCalendar(st);
}

TimeValue MidnightOf(TimeValue t)
{
    TimeParts parts;
    ConvertToParts(t, parts);
    return TimeFromFields(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, 0, 0, 0, -1);
}

uint32_t WeekdayBit(TimeValue t)
{
    TimeParts parts;
    ConvertToParts(t, parts);
    return 1u << parts.tm_wday;
}
