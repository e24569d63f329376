// Calendar record <-> file time (100 ns ticks since 1 January 1601).
#include "platform/time/Gregorian.h"
#include "platform/time/PlatformTime.h"

namespace {

constexpr int64_t kTicksPerMillisecond = 10'000;
constexpr int64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kDays1601To1970 = -gregorian::DaysFromCivil(1601, 1, 1);

bool IsValidRecord(const SYSTEMTIME& st)
{
    return st.wYear >= 1601 && st.wYear <= 30827 && st.wMonth >= 1 && st.wMonth <= 12 && st.wDay >= 1 &&
           st.wDay <= gregorian::DaysInMonth(st.wYear, st.wMonth) && st.wHour < 24 && st.wMinute < 60 &&
           st.wSecond < 60 && st.wMilliseconds < 1000;
}

}  // namespace

bool SystemTimeToFileTime(const SYSTEMTIME& st, FILETIME& ft)
{
    if (!IsValidRecord(st))
        return false;
    const int64_t days = gregorian::DaysFromCivil(st.wYear, st.wMonth, st.wDay) + kDays1601To1970;
    const int64_t seconds = days * gregorian::kSecondsPerDay + st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
    const uint64_t ticks = static_cast<uint64_t>(seconds * kTicksPerSecond + st.wMilliseconds * kTicksPerMillisecond);
    ft.dwLowDateTime = static_cast<uint32_t>(ticks);
    ft.dwHighDateTime = static_cast<uint32_t>(ticks >> 32);
    return true;
}

bool FileTimeToSystemTime(const FILETIME& ft, SYSTEMTIME& st)
{
    const uint64_t ticks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    if (ticks > static_cast<uint64_t>(INT64_MAX))  // the platform refuses negative file times
        return false;
    const int64_t seconds = static_cast<int64_t>(ticks) / kTicksPerSecond;
    const int64_t days = seconds / gregorian::kSecondsPerDay;
    const int64_t secondOfDay = seconds % gregorian::kSecondsPerDay;
    const int64_t unixDays = days - kDays1601To1970;
    const gregorian::CivilDate date = gregorian::CivilFromDays(unixDays);
    st.wYear = static_cast<uint16_t>(date.year);
    st.wMonth = static_cast<uint16_t>(date.month);
    st.wDay = static_cast<uint16_t>(date.day);
    st.wDayOfWeek = static_cast<uint16_t>(gregorian::WeekdayFromDays(unixDays));
    st.wHour = static_cast<uint16_t>(secondOfDay / 3600);
    st.wMinute = static_cast<uint16_t>(secondOfDay / 60 % 60);
    st.wSecond = static_cast<uint16_t>(secondOfDay % 60);
    st.wMilliseconds = static_cast<uint16_t>(static_cast<int64_t>(ticks) / kTicksPerMillisecond % 1000);
    return true;
}
