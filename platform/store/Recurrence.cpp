#include "platform/store/Recurrence.h"

#include <libical/ical.h>

#include <algorithm>
#include <bit>
#include <memory>

#include "platform/store/OleTime.h"
#include "platform/store/PatternExtent.h"
#include "platform/time/Gregorian.h"

namespace {

constexpr int64_t kEpochDays = gregorian::DaysFromCivil(1899, 12, 30);

struct IteratorDeleter {
    void operator()(icalrecur_iterator* it) const { icalrecur_iterator_free(it); }
};
using IteratorPtr = std::unique_ptr<icalrecur_iterator, IteratorDeleter>;

icaltimetype IcalFromOle(double date)
{
    icaltimetype t = icaltime_null_time();
    if (auto st = OleToSystemTime(date)) {
        t.year = st->wYear;
        t.month = st->wMonth;
        t.day = st->wDay;
        t.hour = st->wHour;
        t.minute = st->wMinute;
        t.second = st->wSecond;
    }
    return t;
}

std::optional<double> OleFromIcal(const icaltimetype& t)
{
    if (icaltime_is_null_time(t)) return std::nullopt;
    return OleFromFields(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

int64_t DayNumber(const icaltimetype& t) { return gregorian::DaysFromCivil(t.year, t.month, t.day); }

icaltimetype AtDayNumber(int64_t days, const icaltimetype& timeOf)
{
    const auto civil = gregorian::CivilFromDays(days);
    icaltimetype t = timeOf;
    t.year = int(civil.year);
    t.month = civil.month;
    t.day = civil.day;
    return t;
}

int WeekdayOf(double date)
{
    auto st = OleToSystemTime(date);
    return st ? gregorian::WeekdayFromDays(gregorian::DaysFromCivil(st->wYear, st->wMonth, st->wDay)) : 0;
}

void AddWeekdays(short* byDay, int32_t mask)
{
    int n = 0;
    for (int weekday = 0; weekday < 7; ++weekday)
        if (mask & (1 << weekday)) byDay[n++] = short(ICAL_SUNDAY_WEEKDAY + weekday);
    byDay[n] = ICAL_RECURRENCE_ARRAY_MAX;
}

// A day past the month's end falls on its last day: the day itself or the
// month's last, whichever comes first.
void AddMonthDay(icalrecurrencetype& rule, int32_t day)
{
    rule.by_month_day[0] = short(day);
    if (day >= 29) {
        rule.by_month_day[1] = -1;
        rule.by_month_day[2] = ICAL_RECURRENCE_ARRAY_MAX;
        rule.by_set_pos[0] = 1;
        rule.by_set_pos[1] = ICAL_RECURRENCE_ARRAY_MAX;
    } else {
        rule.by_month_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
    }
}

void AddInstance(icalrecurrencetype& rule, int32_t instance)
{
    rule.by_set_pos[0] = short(instance >= 5 ? -1 : instance);
    rule.by_set_pos[1] = ICAL_RECURRENCE_ARRAY_MAX;
}

icalrecurrencetype BuildRule(const RecurrenceFields& p, double lastStart)
{
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.interval = short(p.interval);
    rule.week_start = ICAL_SUNDAY_WEEKDAY;
    switch (p.type) {
    case olRecursDaily: rule.freq = ICAL_DAILY_RECURRENCE; break;
    case olRecursWeekly:
        rule.freq = ICAL_WEEKLY_RECURRENCE;
        AddWeekdays(rule.by_day, p.dayOfWeekMask);
        break;
    case olRecursMonthly:
        rule.freq = ICAL_MONTHLY_RECURRENCE;
        AddMonthDay(rule, p.dayOfMonth);
        break;
    case olRecursMonthNth:
        rule.freq = ICAL_MONTHLY_RECURRENCE;
        AddWeekdays(rule.by_day, p.dayOfWeekMask);
        AddInstance(rule, p.instance);
        break;
    case olRecursYearly:
        rule.freq = ICAL_YEARLY_RECURRENCE;
        rule.by_month[0] = short(p.monthOfYear);
        rule.by_month[1] = ICAL_RECURRENCE_ARRAY_MAX;
        AddMonthDay(rule, p.dayOfMonth);
        break;
    case olRecursYearNth:
        rule.freq = ICAL_YEARLY_RECURRENCE;
        rule.by_month[0] = short(p.monthOfYear);
        rule.by_month[1] = ICAL_RECURRENCE_ARRAY_MAX;
        AddWeekdays(rule.by_day, p.dayOfWeekMask);
        AddInstance(rule, p.instance);
        break;
    default: break;
    }
    if (lastStart < kNoDate) rule.until = IcalFromOle(lastStart);
    return rule;
}

// Upper bound of the distance between two neighbouring occurrences, in days.
int64_t PeriodDays(const RecurrenceFields& p)
{
    switch (p.type) {
    case olRecursDaily: return p.interval;
    case olRecursWeekly: return 7LL * p.interval;
    case olRecursMonthly:
    case olRecursMonthNth: return 31LL * p.interval + 31;
    default: return 366LL * p.interval + 366;
    }
}

// A later start of the same series, on the same phase of its interval, that
// still lies before `target`: iterating from there gives the same occurrences
// after `target` as iterating from the true start, in a few steps instead of
// thousands. The start moves by whole periods and at least one period short of
// the target, so occurrences that the moved start excludes in its own period
// all lie before the target.
icaltimetype ShiftedStart(const RecurrenceFields& p, const icaltimetype& start, const icaltimetype& target)
{
    const int64_t n = p.interval;
    const int64_t startDay = DayNumber(start);
    const int64_t targetDay = DayNumber(target);
    if (targetDay <= startDay) return start;
    switch (p.type) {
    case olRecursDaily: {
        const int64_t steps = (targetDay - startDay) / n;
        return steps > 0 ? AtDayNumber(startDay + steps * n, start) : start;
    }
    case olRecursWeekly: {
        const int64_t weeks = ((targetDay - gregorian::WeekdayFromDays(targetDay)) -
                               (startDay - gregorian::WeekdayFromDays(startDay))) / 7;
        const int64_t steps = weeks / n - 1;
        return steps > 0 ? AtDayNumber(startDay + steps * n * 7, start) : start;
    }
    case olRecursMonthly:
    case olRecursMonthNth: {
        const int64_t months = (int64_t(target.year) * 12 + target.month) - (int64_t(start.year) * 12 + start.month);
        const int64_t steps = months / n - 1;
        if (steps <= 0) return start;
        const int64_t month = int64_t(start.month) - 1 + steps * n;
        icaltimetype t = start;
        t.year = int(start.year + month / 12);
        t.month = int(month % 12) + 1;
        t.day = 1;
        return t;
    }
    default: {
        const int64_t steps = (target.year - start.year) / n - 1;
        if (steps <= 0) return start;
        icaltimetype t = start;
        t.year = int(start.year + steps * n);
        t.month = 1;
        t.day = 1;
        return t;
    }
    }
}

IteratorPtr MakeIterator(const RecurrenceFields& p, double seriesStart, double lastStart, double from)
{
    const icaltimetype start = IcalFromOle(seriesStart);
    if (icaltime_is_null_time(start)) return nullptr;
    icaltimetype first = start;
    // Periods end before `from`: step back one more so the moved start never
    // lands on or after an occurrence we want.
    if (from > seriesStart) {
        const int64_t fromSeconds = OleToSeconds(from);
        const int64_t targetDay = fromSeconds / gregorian::kSecondsPerDay - 1 + kEpochDays;
        first = ShiftedStart(p, start, AtDayNumber(targetDay, start));
    }
    return IteratorPtr(icalrecur_iterator_new(BuildRule(p, lastStart), first));
}

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

int InstanceOfDay(int day) { return std::min(5, (day - 1) / 7 + 1); }

// Longest window the quick test looks at; longer ones are left to the rule.
constexpr int64_t kQuickTestDays = 62;

} // namespace

bool MayOccurIn(const RecurrenceFields& p, double seriesStart, double from, double to)
{
    const auto first = OleToSystemTime(std::max(from, seriesStart));
    const auto last = OleToSystemTime(std::min(to, kNoDate));
    const auto start = OleToSystemTime(seriesStart);
    if (!first || !last || !start || to <= from || to <= seriesStart) return to > seriesStart && to > from;
    const int64_t startDay = gregorian::DaysFromCivil(start->wYear, start->wMonth, start->wDay);
    const int64_t firstDay = gregorian::DaysFromCivil(first->wYear, first->wMonth, first->wDay);
    const int64_t lastDay = gregorian::DaysFromCivil(last->wYear, last->wMonth, last->wDay);
    if (lastDay - firstDay > kQuickTestDays) return true;
    const int64_t n = std::max(1, p.interval);
    switch (p.type) {
    case olRecursDaily: {
        // Occurrences fall on every n-th day from the start.
        const int64_t k = (firstDay - startDay + n - 1) / n;
        return startDay + k * n <= lastDay;
    }
    case olRecursWeekly: {
        const int64_t startWeek = startDay - gregorian::WeekdayFromDays(startDay);
        for (int64_t week = firstDay - gregorian::WeekdayFromDays(firstDay); week <= lastDay; week += 7) {
            if ((week - startWeek) / 7 % n != 0) continue;
            for (int64_t day = std::max(week, firstDay); day <= std::min(week + 6, lastDay); ++day)
                if (p.dayOfWeekMask & (1 << gregorian::WeekdayFromDays(day))) return true;
        }
        return false;
    }
    default: {
        const bool yearly = p.type == olRecursYearly || p.type == olRecursYearNth;
        const bool byDay = p.type == olRecursMonthly || p.type == olRecursYearly;
        const int64_t startMonth = int64_t(start->wYear) * 12 + start->wMonth - 1;
        for (int64_t day = firstDay; day <= lastDay;) {
            const auto civil = gregorian::CivilFromDays(day);
            const int64_t month = civil.year * 12 + civil.month - 1;
            const bool inPhase = yearly ? civil.month == p.monthOfYear && (civil.year - start->wYear) % n == 0
                                        : (month - startMonth) % n == 0;
            if (inPhase) {
                // The one day of the month the rule can give, when it gives one.
                int candidate = 0;
                if (byDay)
                    candidate = std::min(p.dayOfMonth, gregorian::DaysInMonth(civil.year, civil.month));
                else if (std::has_single_bit(unsigned(p.dayOfWeekMask)))
                    candidate = gregorian::NthWeekdayDay(civil.year, civil.month, p.instance,
                                                         std::countr_zero(unsigned(p.dayOfWeekMask)));
                if (candidate == 0) return true;
                const int64_t at = gregorian::DaysFromCivil(civil.year, civil.month, candidate);
                if (at >= firstDay && at <= lastDay) return true;
            }
            day += gregorian::DaysInMonth(civil.year, civil.month) - civil.day + 1;
        }
        return false;
    }
    }
}

std::string NormalizePattern(RecurrenceFields& p)
{
    if (!p.Recurs()) return {};
    if (p.type != olRecursDaily && p.type != olRecursWeekly && p.type != olRecursMonthly &&
        p.type != olRecursMonthNth && p.type != olRecursYearly && p.type != olRecursYearNth)
        return "지원하지 않는 되풀이 종류입니다: " + std::to_string(p.type);
    if (!InRange(p.interval, 1, 999)) return "되풀이 간격은 1에서 999 사이여야 합니다.";
    const auto start = OleToSystemTime(p.patternStart);
    if (!start) return "되풀이 시작 날짜가 올바르지 않습니다.";
    p.patternStart = OleDateOnly(p.patternStart);
    p.dayOfWeekMask &= 0x7F;
    if (TypeUsesWeekdays(p.type) && p.dayOfWeekMask == 0) p.dayOfWeekMask = 1 << WeekdayOf(p.patternStart);
    if (p.type == olRecursMonthly || p.type == olRecursYearly) {
        if (p.dayOfMonth == 0) p.dayOfMonth = start->wDay;
        if (!InRange(p.dayOfMonth, 1, 31)) return "되풀이 날짜는 1에서 31 사이여야 합니다.";
    }
    if (p.type == olRecursMonthNth || p.type == olRecursYearNth) {
        if (p.instance == 0) p.instance = InstanceOfDay(start->wDay);
        if (!InRange(p.instance, 1, 5)) return "되풀이 주는 1에서 5 사이여야 합니다.";
    }
    if (p.type == olRecursYearly || p.type == olRecursYearNth) {
        if (p.monthOfYear == 0) p.monthOfYear = start->wMonth;
        if (!InRange(p.monthOfYear, 1, 12)) return "되풀이 달은 1에서 12 사이여야 합니다.";
    }
    switch (p.range) {
    case RecurrenceRange::NoEnd: break;
    case RecurrenceRange::Count:
        if (!InRange(p.occurrences, 1, kMaxOccurrences))
            return "되풀이 횟수는 1에서 " + std::to_string(kMaxOccurrences) + " 사이여야 합니다.";
        break;
    case RecurrenceRange::Until:
        if (!OleToSystemTime(p.patternEnd)) return "되풀이 끝 날짜가 올바르지 않습니다.";
        p.patternEnd = OleDateOnly(p.patternEnd);
        if (p.patternEnd < p.patternStart) return "되풀이 끝 날짜가 시작 날짜보다 앞입니다.";
        break;
    default: return "되풀이 범위가 올바르지 않습니다.";
    }
    return {};
}

std::vector<double> ExpandOccurrences(const RecurrenceFields& p, double seriesStart, double lastStart, double from,
                                      double to, size_t limit)
{
    std::vector<double> starts;
    if (!p.Recurs() || to <= from) return starts;
    IteratorPtr it = MakeIterator(p, seriesStart, lastStart, from);
    if (!it) return starts;
    const double end = std::min(to, kNoDate);
    while (starts.size() < limit) {
        const auto next = OleFromIcal(icalrecur_iterator_next(it.get()));
        if (!next || *next >= end || *next > lastStart) break;
        if (*next >= from) starts.push_back(*next);
    }
    return starts;
}

std::optional<SeriesExtent> ComputeExtent(const RecurrenceFields& p, double seriesStart)
{
    if (!p.Recurs()) return std::nullopt;
    return PatternExtent(p, seriesStart);
}

std::optional<double> NextOccurrenceAfter(const RecurrenceFields& p, double seriesStart, double lastStart, double after)
{
    // Neighbouring occurrences are at most one period apart, so two windows of
    // a period each find the next one if there is one.
    const double span = double(PeriodDays(p)) + 2.0;
    double from = std::max(after, seriesStart - 1.0);
    for (int tries = 0; tries < 3 && from < std::min(lastStart, kNoDate) + 1.0; ++tries, from += span) {
        for (double start : ExpandOccurrences(p, seriesStart, lastStart, from, from + span + 1.0, 64))
            if (start > after) return start;
    }
    return std::nullopt;
}

std::string PatternToRule(const RecurrenceFields& p)
{
    if (!p.Recurs()) return {};
    icalrecurrencetype rule = BuildRule(p, kNoDate);
    if (p.range == RecurrenceRange::Count) rule.count = p.occurrences;
    char* text = icalrecurrencetype_as_string_r(&rule);
    std::string result = text ? text : "";
    icalmemory_free_buffer(text);
    return result;
}
