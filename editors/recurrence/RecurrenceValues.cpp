#include "editors/recurrence/RecurrenceValues.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "pim/time/TimeValue.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomRecurrencePattern.h"

namespace {

bool InRange(int value, int min, int max) { return value >= min && value <= max; }

SolarDate DayOfOle(double date)
{
    std::optional<SYSTEMTIME> st = OleToSystemTime(date);
    if (!st)
        st = OleToSystemTime(OleToday());
    return SolarDate{st->wYear, st->wMonth, st->wDay};
}

double OleOfDay(const SolarDate& day) { return OleFromFields(day.year, day.month, day.day).value_or(OleToday()); }

int IntervalOrOne(int32_t interval) { return InRange(interval, 1, 99) ? interval : 1; }

// The weekday the monthly and yearly pages show: the pattern's one weekday,
// else the start's.
int ChosenWeekday(int32_t mask, int startWeekday)
{
    const int fromMask = WeekdayOfMaskBit(mask);
    return fromMask != 0 ? fromMask : startWeekday;
}

int InstanceIndex(int32_t instance, const SolarDate& start)
{
    if (InRange(instance, 1, 5))
        return instance - 1;
    return std::clamp(WeekdayOccurrence(start.year, start.month, start.day), 1, 5) - 1;
}

}  // namespace

int32_t WeekdayMaskBit(int weekday) { return InRange(weekday, 1, 7) ? 1 << (weekday - 1) : 0; }

int WeekdayOfMaskBit(int32_t mask)
{
    for (int weekday = 1; weekday <= 7; ++weekday) {
        if (mask == WeekdayMaskBit(weekday))
            return weekday;
    }
    return 0;
}

RecurrenceWizardValues InitialWizardValues(const RecurrenceFields& pattern)
{
    RecurrenceWizardValues v;
    const SolarDate start = DayOfOle(pattern.patternStart);
    const int startWeekday = WeekdayOf(start);

    switch (pattern.type) {
    case olRecursWeekly: v.kind = kRecurWeekly; break;
    case olRecursMonthly:
    case olRecursMonthNth: v.kind = kRecurMonthly; break;
    case olRecursYearly:
    case olRecursYearNth: v.kind = kRecurYearly; break;
    default: v.kind = kRecurDaily; break;
    }

    const int interval = IntervalOrOne(pattern.interval);
    v.dailyInterval = interval;
    v.weeklyInterval = interval;
    if (pattern.dayOfWeekMask <= 0) {
        v.weekdays[startWeekday - 1] = true;
    } else {
        for (int weekday = 1; weekday <= 7; ++weekday)
            v.weekdays[weekday - 1] = (pattern.dayOfWeekMask & WeekdayMaskBit(weekday)) != 0;
    }

    const int day = InRange(pattern.dayOfMonth, 1, 31) ? pattern.dayOfMonth : start.day;
    const int weekday = ChosenWeekday(pattern.dayOfWeekMask, startWeekday);
    const int instanceIndex = InstanceIndex(pattern.instance, start);
    const int monthIndex = InRange(pattern.monthOfYear, 1, 12) ? pattern.monthOfYear - 1 : start.month - 1;

    v.monthlyMode = pattern.type == olRecursMonthNth ? 1 : 0;
    v.monthlyDay = day;
    v.monthlyDayInterval = interval;
    v.monthlyWeekdayInterval = interval;
    v.monthlyInstanceIndex = instanceIndex;
    v.monthlyWeekday = weekday;

    v.yearlyMode = pattern.type == olRecursYearNth ? 1 : 0;
    v.yearlyDayMonthIndex = monthIndex;
    v.yearlyDay = day;
    v.yearlyInstanceIndex = instanceIndex;
    v.yearlyWeekdayMonthIndex = monthIndex;
    v.yearlyWeekday = weekday;

    v.rangeStart = start;
    if (!pattern.Recurs() || pattern.range == RecurrenceRange::NoEnd) {
        v.rangeOption = kRangeNoEnd;
        v.occurrences = 10;
        v.rangeEnd = AddDays(start, 1);
    } else {
        // A series that ends on a day opens on that option: showing it as a
        // count would turn it into one when the wizard finishes.
        v.rangeOption = pattern.range == RecurrenceRange::Until ? kRangeEndDate : kRangeCount;
        v.occurrences = pattern.occurrences > 0 ? pattern.occurrences : 10;
        v.rangeEnd = pattern.patternEnd < kNoDate ? DayOfOle(pattern.patternEnd) : AddDays(start, 1);
    }
    return v;
}

void WriteWizardValues(const RecurrenceWizardValues& v, PoomRecurrencePattern& pattern)
{
    switch (v.kind) {
    case kRecurWeekly: {
        int32_t mask = 0;
        for (int weekday = 1; weekday <= 7; ++weekday) {
            if (v.weekdays[weekday - 1])
                mask |= WeekdayMaskBit(weekday);
        }
        pattern.SetRecurrenceType(olRecursWeekly);
        pattern.SetInterval(v.weeklyInterval);
        pattern.SetDayOfWeekMask(mask);
        break;
    }
    case kRecurMonthly:
        if (v.monthlyMode == 1) {
            pattern.SetRecurrenceType(olRecursMonthNth);
            pattern.SetInstance(v.monthlyInstanceIndex + 1);
            pattern.SetDayOfWeekMask(WeekdayMaskBit(v.monthlyWeekday));
            pattern.SetInterval(v.monthlyWeekdayInterval);
        } else {
            pattern.SetRecurrenceType(olRecursMonthly);
            pattern.SetDayOfMonth(v.monthlyDay);
            pattern.SetInterval(v.monthlyDayInterval);
        }
        break;
    case kRecurYearly:
        if (v.yearlyMode == 1) {
            pattern.SetRecurrenceType(olRecursYearNth);
            pattern.SetInstance(v.yearlyInstanceIndex + 1);
            pattern.SetDayOfWeekMask(WeekdayMaskBit(v.yearlyWeekday));
            pattern.SetMonthOfYear(v.yearlyWeekdayMonthIndex + 1);
        } else {
            pattern.SetRecurrenceType(olRecursYearly);
            pattern.SetMonthOfYear(v.yearlyDayMonthIndex + 1);
            pattern.SetDayOfMonth(v.yearlyDay);
        }
        break;
    default:
        pattern.SetRecurrenceType(olRecursDaily);
        pattern.SetInterval(v.dailyInterval);
        break;
    }

    pattern.SetPatternStartDate(OleOfDay(v.rangeStart));
    if (v.rangeOption == kRangeCount)
        pattern.SetOccurrences(v.occurrences);
    else if (v.rangeOption == kRangeEndDate)
        pattern.SetPatternEndDate(OleOfDay(v.rangeEnd));
    else
        pattern.SetNoEndDate(true);
}

std::optional<int> ParseIntegerInRange(const std::string& text, int min, int max)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    if (first < last && text[first] == '+')
        ++first;
    int value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc{} || stop != end || value < min || value > max)
        return std::nullopt;
    return value;
}
