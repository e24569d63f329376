#include "pim/session/IcalRecurrence.h"

#include <bit>
#include <vector>

#include "pim/session/IcalTime.h"
#include "platform/store/OleTime.h"
#include "platform/time/Gregorian.h"

namespace {

template <typename T, size_t N>
std::vector<int> Values(const T (&array)[N])
{
    std::vector<int> values;
    for (size_t i = 0; i < N && array[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) values.push_back(array[i]);
    return values;
}

struct Weekdays {
    int32_t mask = 0;
    int position = 0;      // the one position given with the days, 0 for none
    bool mixed = false;    // several positions, or a position with several days
};

Weekdays ReadWeekdays(const icalrecurrencetype& rule)
{
    Weekdays days;
    bool first = true;
    for (int value : Values(rule.by_day)) {
        const int weekday = int(icalrecurrencetype_day_day_of_week(short(value))) - ICAL_SUNDAY_WEEKDAY;
        const int position = icalrecurrencetype_day_position(short(value));
        if (weekday < 0 || weekday > 6) {
            days.mixed = true;
            continue;
        }
        days.mask |= 1 << weekday;
        if (!first && position != days.position) days.mixed = true;
        days.position = position;
        first = false;
    }
    if (days.position != 0 && std::popcount(unsigned(days.mask)) > 1) days.mixed = true;
    return days;
}

bool InstanceOf(int position, int32_t& instance)
{
    if (position >= 1 && position <= 4) instance = position;
    else if (position == -1) instance = 5;
    else return false;
    return true;
}

RuleMapping Cannot(const std::string& why) { return {std::nullopt, why}; }

} // namespace

RuleMapping PatternFromRule(const icalrecurrencetype& rule, double start)
{
    const auto st = OleToSystemTime(start);
    if (!st) return Cannot("시작 날짜가 올바르지 않습니다");
    if (!Values(rule.by_second).empty() || !Values(rule.by_minute).empty() || !Values(rule.by_hour).empty() ||
        !Values(rule.by_year_day).empty() || !Values(rule.by_week_no).empty() || rule.rscale)
        return Cannot("시, 분, 초, 연중 일, 주 번호로 된 규칙은 담을 수 없습니다");
    if (rule.interval < 1 || rule.interval > 999) return Cannot("간격은 1에서 999 사이여야 합니다");
    if (rule.count > kMaxOccurrences) return Cannot("횟수가 너무 많습니다");

    RecurrenceFields p;
    p.interval = rule.interval;
    p.patternStart = OleDateOnly(start);
    const Weekdays days = ReadWeekdays(rule);
    const std::vector<int> monthDays = Values(rule.by_month_day);
    const std::vector<int> months = Values(rule.by_month);
    const std::vector<int> setPositions = Values(rule.by_set_pos);
    const int startWeekday = gregorian::WeekdayFromDays(gregorian::DaysFromCivil(st->wYear, st->wMonth, st->wDay));
    std::string note;

    // The day of month of BYMONTHDAY (with the "day or the month's last"
    // form this store writes itself), or of the start.
    auto readMonthDay = [&](int32_t& day) {
        if (monthDays.empty() && setPositions.empty()) {
            day = st->wDay;
            return true;
        }
        if (monthDays.size() == 1 && setPositions.empty()) {
            if (monthDays[0] == -1) day = 31;
            else if (monthDays[0] >= 1 && monthDays[0] <= 31) day = monthDays[0];
            else return false;
            if (day >= 29 && monthDays[0] != -1) note = "짧은 달에는 그 달의 마지막 날에 되풀이합니다";
            return true;
        }
        if (monthDays.size() == 2 && monthDays[1] == -1 && setPositions == std::vector<int>{1} && monthDays[0] >= 29 &&
            monthDays[0] <= 31) {
            day = monthDays[0];
            return true;
        }
        return false;
    };
    // The n-th weekday of BYDAY, alone or with BYSETPOS.
    auto readNthWeekday = [&]() {
        if (days.mixed || days.mask == 0 || !monthDays.empty()) return false;
        if (days.position != 0 && setPositions.empty()) {
            p.dayOfWeekMask = days.mask;
            return InstanceOf(days.position, p.instance);
        }
        if (days.position == 0 && setPositions.size() == 1) {
            p.dayOfWeekMask = days.mask;
            return InstanceOf(setPositions[0], p.instance);
        }
        return false;
    };

    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE:
        if (!monthDays.empty() || !months.empty() || !setPositions.empty()) break;
        if (days.mask == 0) {
            p.type = olRecursDaily;
        } else if (rule.interval == 1 && !days.mixed && days.position == 0) {
            p.type = olRecursWeekly;  // every day of the week that BYDAY names
            p.dayOfWeekMask = days.mask;
        }
        break;
    case ICAL_WEEKLY_RECURRENCE:
        if (!monthDays.empty() || !months.empty() || !setPositions.empty() || days.mixed || days.position != 0) break;
        p.dayOfWeekMask = days.mask ? days.mask : 1 << startWeekday;
        // Weeks begin on Sunday here; another first day only matters when the
        // days of a multi-week pattern straddle it.
        if (rule.interval > 1 && rule.week_start != ICAL_SUNDAY_WEEKDAY && std::popcount(unsigned(p.dayOfWeekMask)) > 1)
            break;
        p.type = olRecursWeekly;
        break;
    case ICAL_MONTHLY_RECURRENCE:
        if (!months.empty()) break;
        if (days.mask == 0 && readMonthDay(p.dayOfMonth)) p.type = olRecursMonthly;
        else if (readNthWeekday()) p.type = olRecursMonthNth;
        break;
    case ICAL_YEARLY_RECURRENCE:
        if (months.size() > 1) break;
        p.monthOfYear = months.empty() ? st->wMonth : months[0];
        if (days.mask == 0 && readMonthDay(p.dayOfMonth)) p.type = olRecursYearly;
        else if (readNthWeekday()) p.type = olRecursYearNth;
        break;
    default: break;
    }
    if (p.type == olRecursOnce) return Cannot("이 되풀이 규칙은 담을 수 없습니다");
    return {p, note};
}

icalrecurrencetype RuleFromPattern(const RecurrenceFields& pattern, bool allDay)
{
    const std::string text = PatternToRule(pattern);
    icalrecurrencetype rule = icalrecurrencetype_from_string(text.c_str());
    if (pattern.range == RecurrenceRange::Until) {
        rule.until = IcalFromLocalOle(pattern.patternEnd, allDay);
        if (!allDay) {
            rule.until.hour = 23;
            rule.until.minute = 59;
            rule.until.second = 59;
        }
    }
    return rule;
}
