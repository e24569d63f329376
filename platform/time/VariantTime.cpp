// OLE (variant) dates: days since 30 December 1899 in a double. The integer
// part is the day, counting back before 1900; the fraction is always the time
// of day running forward, so -1.25 is 29 December 1899 06:00.
#include <algorithm>
#include <cmath>

#include "platform/time/Gregorian.h"
#include "platform/time/PlatformTime.h"

namespace {

constexpr int64_t kEpochDays = gregorian::DaysFromCivil(1899, 12, 30);
constexpr int64_t kFirstDay = gregorian::DaysFromCivil(100, 1, 1) - kEpochDays;     // -657434
constexpr int64_t kLastDay = gregorian::DaysFromCivil(9999, 12, 31) - kEpochDays;   // 2958465

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

}  // namespace

int SystemTimeToVariantTime(const SYSTEMTIME* st, double* date)
{
    if (st == nullptr || date == nullptr)
        return 0;
    if (st->wMonth > 12 || st->wDay > 31 || st->wYear > 9999)
        return 0;

    // Like the automation library: two-digit years are 1930-2029, a month of 0
    // is December of the year before, and a day or time past its range rolls
    // over into the next unit. Milliseconds and the weekday are ignored.
    int64_t year = st->wYear;
    if (year < 30)
        year += 2000;
    else if (year < 100)
        year += 1900;
    int month = st->wMonth;
    if (month == 0) {
        month = 12;
        --year;
    }
    const int64_t firstOfMonth = gregorian::DaysFromCivil(year, month, 1) - kEpochDays;
    const int64_t total = (firstOfMonth + st->wDay - 1) * gregorian::kSecondsPerDay + st->wHour * 3600 +
                          st->wMinute * 60 + st->wSecond;
    const int64_t day = FloorDiv(total, gregorian::kSecondsPerDay);
    const int64_t secondOfDay = total - day * gregorian::kSecondsPerDay;
    if (day < kFirstDay || day > kLastDay)
        return 0;

    const double fraction = static_cast<double>(secondOfDay) / gregorian::kSecondsPerDay;
    *date = day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
    return 1;
}

int VariantTimeToSystemTime(double date, SYSTEMTIME* st)
{
    if (st == nullptr || !(date > static_cast<double>(kFirstDay - 1) && date < static_cast<double>(kLastDay + 1)))
        return 0;

    const double dayPart = std::trunc(date);
    // Whole seconds, half a second rounding up to the later second. A half
    // second rarely survives in a double exactly, so allow for a few units of
    // the date's last place (a microsecond near today).
    const double magnitude = std::fabs(date);
    const double slack = std::max(1e-6, 4 * 86400.0 * (std::nextafter(magnitude, 2 * magnitude + 1) - magnitude));
    int64_t secondOfDay = static_cast<int64_t>(std::floor(std::fabs(date - dayPart) * 86400.0 + 0.5 + slack));
    int64_t day = static_cast<int64_t>(dayPart);
    if (secondOfDay >= gregorian::kSecondsPerDay) {
        secondOfDay -= gregorian::kSecondsPerDay;
        ++day;
    }
    if (day > kLastDay)
        return 0;

    const int64_t unixDays = day + kEpochDays;
    const gregorian::CivilDate civil = gregorian::CivilFromDays(unixDays);
    st->wYear = static_cast<uint16_t>(civil.year);
    st->wMonth = static_cast<uint16_t>(civil.month);
    st->wDay = static_cast<uint16_t>(civil.day);
    st->wDayOfWeek = static_cast<uint16_t>(gregorian::WeekdayFromDays(unixDays));
    st->wHour = static_cast<uint16_t>(secondOfDay / 3600);
    st->wMinute = static_cast<uint16_t>(secondOfDay / 60 % 60);
    st->wSecond = static_cast<uint16_t>(secondOfDay % 60);
    st->wMilliseconds = 0;
    return 1;
}
