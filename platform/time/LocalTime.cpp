// Universal to local time through the zone record, and the local clock.
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/time/Gregorian.h"
#include "platform/time/PlatformTime.h"

namespace {

constexpr int64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kSeconds1601To1970 = -gregorian::DaysFromCivil(1601, 1, 1) * gregorian::kSecondsPerDay;

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

bool IsDayInMonthDate(const SYSTEMTIME& date)
{
    return date.wYear == 0 && date.wMonth >= 1 && date.wMonth <= 12 && date.wDay >= 1 && date.wDay <= 5 &&
           date.wDayOfWeek <= 6;
}

// Local seconds since 1970 of a day-in-month transition in `year`.
int64_t TransitionSeconds(const SYSTEMTIME& date, int64_t year)
{
    const int day = gregorian::NthWeekdayDay(year, date.wMonth, date.wDay, date.wDayOfWeek);
    return gregorian::DaysFromCivil(year, date.wMonth, day) * gregorian::kSecondsPerDay + date.wHour * 3600 +
           date.wMinute * 60 + date.wSecond;
}

// Only the day-in-month form repeats every year; absolute dates never apply.
int64_t LocalSeconds(const TIME_ZONE_INFORMATION& tzi, int64_t universal)
{
    const int64_t standardBias = (tzi.Bias + (tzi.StandardDate.wMonth != 0 ? tzi.StandardBias : 0)) * 60;
    const int64_t standard = universal - standardBias;
    if (!IsDayInMonthDate(tzi.DaylightDate) || !IsDayInMonthDate(tzi.StandardDate))
        return standard;
    const int64_t daylightBias = static_cast<int64_t>(tzi.Bias + tzi.DaylightBias) * 60;
    const int64_t year = gregorian::CivilFromDays(FloorDiv(standard, gregorian::kSecondsPerDay)).year;
    // Daylight time starts at a standard-time moment and ends at a daylight-time one.
    const int64_t start = TransitionSeconds(tzi.DaylightDate, year) + standardBias;
    const int64_t end = TransitionSeconds(tzi.StandardDate, year) + daylightBias;
    const bool daylight = start < end ? universal >= start && universal < end : universal >= start || universal < end;
    return daylight ? universal - daylightBias : standard;
}

FILETIME FileTimeFromUnix(int64_t seconds, int64_t ticks)
{
    const uint64_t value = static_cast<uint64_t>((seconds + kSeconds1601To1970) * kTicksPerSecond + ticks);
    return {static_cast<uint32_t>(value), static_cast<uint32_t>(value >> 32)};
}

// Milliseconds since this process first read the running clock `value`; a
// new value starts again from 0.
int64_t RunningMilliseconds(std::string_view value)
{
    static std::mutex mutex;
    static std::string anchorValue;
    static std::chrono::steady_clock::time_point anchor;
    const std::lock_guard lock(mutex);
    const auto now = std::chrono::steady_clock::now();
    if (value != anchorValue) {
        anchorValue = value;
        anchor = now;
    }
    return std::chrono::duration_cast<std::chrono::milliseconds>(now - anchor).count();
}

// DAYVANE_NOW=YYYY-MM-DDTHH:MM:SS fixes the local clock for tests and demos;
// with a trailing "~" the clock starts there and runs on, so that a test can
// let midnight pass.
bool ClockOverride(SYSTEMTIME& st)
{
    const char* text = std::getenv("DAYVANE_NOW");
    if (text == nullptr)
        return false;
    std::string_view value(text);
    const bool running = !value.empty() && value.back() == '~';
    if (running)
        value.remove_suffix(1);
    constexpr std::string_view kPattern = "dddd-dd-ddTdd:dd:dd";
    if (value.size() != kPattern.size())
        return false;
    for (size_t i = 0; i < value.size(); ++i) {
        const bool digit = value[i] >= '0' && value[i] <= '9';
        if (kPattern[i] == 'd' ? !digit : value[i] != kPattern[i])
            return false;
    }
    const auto field = [&](size_t at, size_t length) {
        uint16_t number = 0;
        for (size_t i = at; i < at + length; ++i)
            number = static_cast<uint16_t>(number * 10 + (value[i] - '0'));
        return number;
    };
    SYSTEMTIME parsed;
    parsed.wYear = field(0, 4);
    parsed.wMonth = field(5, 2);
    parsed.wDay = field(8, 2);
    parsed.wHour = field(11, 2);
    parsed.wMinute = field(14, 2);
    parsed.wSecond = field(17, 2);
    FILETIME ft;
    if (!SystemTimeToFileTime(parsed, ft))  // 30 February and the like
        return false;
    if (running) {
        const uint64_t ticks = ((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) +
                               static_cast<uint64_t>(RunningMilliseconds(text)) * 10'000;
        ft = {static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
    }
    return FileTimeToSystemTime(ft, st);  // fills in the weekday
}

}  // namespace

bool SystemTimeToTzSpecificLocalTime(const TIME_ZONE_INFORMATION* tzi, const SYSTEMTIME& universal, SYSTEMTIME& local)
{
    TIME_ZONE_INFORMATION current;
    if (tzi == nullptr)
        tzi = GetTimeZoneInformation(current) ? &current : nullptr;
    FILETIME ft;
    if (!SystemTimeToFileTime(universal, ft))
        return false;
    const int64_t ticks = static_cast<int64_t>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    const int64_t seconds = ticks / kTicksPerSecond - kSeconds1601To1970;
    const int64_t localSeconds = tzi != nullptr ? LocalSeconds(*tzi, seconds) : seconds;
    return FileTimeToSystemTime(FileTimeFromUnix(localSeconds, ticks % kTicksPerSecond), local);
}

void GetLocalTime(SYSTEMTIME& st)
{
    if (ClockOverride(st))
        return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    TIME_ZONE_INFORMATION tzi;
    const int64_t local = GetTimeZoneInformation(tzi) ? LocalSeconds(tzi, now.tv_sec) : now.tv_sec;
    const int64_t subSecondTicks = now.tv_nsec / 1'000'000 * 10'000;  // whole milliseconds
    FileTimeToSystemTime(FileTimeFromUnix(local, subSecondTicks), st);
}
