#include "platform/store/PatternExtent.h"

#include <algorithm>
#include <array>
#include <bit>

#include "platform/store/OleTime.h"
#include "platform/time/Gregorian.h"

namespace {

using gregorian::DaysFromCivil;
using gregorian::DaysInMonth;
using gregorian::WeekdayFromDays;

// The rule iterator gives nothing past the year 2582; kNoDate lies later still.
constexpr int64_t kHorizonDay = DaysFromCivil(2583, 1, 1);
static_assert(kHorizonDay < DaysFromCivil(1899, 12, 30) + int64_t(kNoDate));

// Day numbers of Sundays are 3 modulo 7 (1970-01-04 was one).
constexpr int64_t kSundayOffset = 3;
static_assert(WeekdayFromDays(kSundayOffset) == 0);

bool IsSupported(const RecurrenceFields& p)
{
    if (p.interval < 1) return false;
    switch (p.type) {
    case olRecursDaily: return true;
    case olRecursWeekly: return (p.dayOfWeekMask & 0x7F) != 0;
    case olRecursMonthly: return p.dayOfMonth >= 1 && p.dayOfMonth <= 31;
    case olRecursMonthNth: return (p.dayOfWeekMask & 0x7F) != 0 && p.instance >= 1 && p.instance <= 5;
    case olRecursYearly: return p.dayOfMonth >= 1 && p.dayOfMonth <= 31 && p.monthOfYear >= 1 && p.monthOfYear <= 12;
    case olRecursYearNth:
        return (p.dayOfWeekMask & 0x7F) != 0 && p.instance >= 1 && p.instance <= 5 && p.monthOfYear >= 1 &&
               p.monthOfYear <= 12;
    default: return false;
    }
}

// Day of month of the instance-th day (5: the last) whose weekday is in `mask`.
int MaskedWeekdayDay(int64_t year, int month, int instance, int32_t mask)
{
    const int64_t before = DaysFromCivil(year, month, 1) - 1;
    const auto matches = [&](int day) { return (mask >> WeekdayFromDays(before + day) & 1) != 0; };
    // Any seven days in a row hold each weekday once: the last seven hold the
    // last match, and the n-th match lies as many whole weeks into the month
    // as the first week's matches fit into n - 1.
    if (instance >= 5) {
        int day = DaysInMonth(year, month);
        while (!matches(day))
            --day;
        return day;
    }
    const int perWeek = std::popcount(unsigned(mask));
    int rest = (instance - 1) % perWeek;
    int day = 1;
    while (!matches(day) || rest-- > 0)
        ++day;
    return day + 7 * ((instance - 1) / perWeek);
}

// A pattern's days numbered from the first pattern day of the period that
// holds the series start, as if that period were whole: number i is the
// (i % perPeriod)-th pattern day of the (i / perPeriod)-th period. Periods are
// `interval` units apart; units are days, weeks (Sunday first), months or
// years.
class PatternDays {
public:
    PatternDays(const RecurrenceFields& p, int64_t startDay) : m_p(p)
    {
        if (p.type == olRecursWeekly) {
            m_perPeriod = 0;
            for (int weekday = 0; weekday < 7; ++weekday)
                if (p.dayOfWeekMask >> weekday & 1) m_weekdays[m_perPeriod++] = weekday;
        }
        m_firstUnit = UnitOf(startDay);
    }

    int64_t DayOf(int64_t number) const { return DayIn(number / m_perPeriod, int(number % m_perPeriod)); }

    // How many numbers fall on or before `day`.
    int64_t CountThrough(int64_t day) const
    {
        const int64_t unit = UnitOf(day);
        if (unit < m_firstUnit) return 0;
        const int64_t period = (unit - m_firstUnit) / m_p.interval;
        int64_t count = period * m_perPeriod;
        for (int index = 0; index < m_perPeriod; ++index)
            count += DayIn(period, index) <= day;
        return count;
    }

private:
    int64_t UnitOf(int64_t day) const
    {
        switch (m_p.type) {
        case olRecursDaily: return day;
        case olRecursWeekly: return (day - WeekdayFromDays(day) - kSundayOffset) / 7;
        case olRecursMonthly:
        case olRecursMonthNth: {
            const auto civil = gregorian::CivilFromDays(day);
            return civil.year * 12 + civil.month - 1;
        }
        default: return gregorian::CivilFromDays(day).year;
        }
    }

    int64_t DayIn(int64_t period, int index) const
    {
        const int64_t unit = m_firstUnit + period * m_p.interval;
        switch (m_p.type) {
        case olRecursDaily: return unit;
        case olRecursWeekly: return unit * 7 + kSundayOffset + m_weekdays[size_t(index)];
        case olRecursMonthly:
        case olRecursMonthNth: return DayInMonth(unit / 12, int(unit % 12) + 1);
        default: return DayInMonth(unit, m_p.monthOfYear);
        }
    }

    int64_t DayInMonth(int64_t year, int month) const
    {
        const bool byWeekday = m_p.type == olRecursMonthNth || m_p.type == olRecursYearNth;
        // A day past the month's end falls on its last day.
        const int day = byWeekday ? MaskedWeekdayDay(year, month, m_p.instance, m_p.dayOfWeekMask)
                                  : std::min(m_p.dayOfMonth, DaysInMonth(year, month));
        return DaysFromCivil(year, month, day);
    }

    const RecurrenceFields& m_p;
    int64_t m_firstUnit = 0;
    int m_perPeriod = 1;
    std::array<int, 7> m_weekdays{};  // weekly: the pattern's weekdays, ascending
};

} // namespace

std::optional<SeriesExtent> PatternExtent(const RecurrenceFields& p, double seriesStart)
{
    const auto start = OleToSystemTime(seriesStart);
    if (!start || !IsSupported(p)) return std::nullopt;
    const auto at = [&](int64_t day) {
        const auto civil = gregorian::CivilFromDays(day);
        return OleFromFields(int(civil.year), civil.month, civil.day, start->wHour, start->wMinute, start->wSecond)
            .value_or(kNoDate);
    };
    const int64_t startDay = DaysFromCivil(start->wYear, start->wMonth, start->wDay);
    const PatternDays days(p, startDay);
    // The numbers before the start's day are no occurrences.
    const int64_t first = days.CountThrough(startDay - 1);
    const int64_t firstDay = days.DayOf(first);
    if (firstDay >= kHorizonDay) return std::nullopt;

    SeriesExtent extent;
    extent.firstStart = at(firstDay);
    int64_t lastDay = kHorizonDay - 1;
    int64_t last = 0;
    switch (p.range) {
    case RecurrenceRange::Count:
        if (p.occurrences < 1) return std::nullopt;
        last = first + p.occurrences - 1;
        if (days.DayOf(last) > lastDay) last = days.CountThrough(lastDay) - 1;
        break;
    case RecurrenceRange::Until: {
        // Occurrences start before the day after the end day, compared as OLE
        // dates as the views compare them.
        const double until = p.patternEnd + 1.0;
        if (until < kNoDate) {
            const auto end = OleToSystemTime(until);
            if (!end) return std::nullopt;
            int64_t endDay = DaysFromCivil(end->wYear, end->wMonth, end->wDay);
            if (!(at(endDay) < until)) --endDay;
            lastDay = std::min(lastDay, endDay);
        }
        if (firstDay > lastDay) return std::nullopt;
        last = days.CountThrough(lastDay) - 1;
        break;
    }
    default: return extent;
    }
    extent.lastStart = at(days.DayOf(last));
    extent.count = int32_t(std::min<int64_t>(last - first + 1, kMaxOccurrences));
    return extent;
}
