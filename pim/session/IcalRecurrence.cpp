#include "pim/session/IcalRecurrence.h"

#include <bit>
#include <vector>

#include "pim/session/IcalTime.h"
#include "platform/store/OleTime.h"
#include "platform/store/ItemRow.h"
#include "platform/store/RuleSeries.h"
#include "platform/time/DeviceZone.h"
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

bool SameWeeksFromSunday(int32_t mask, icalrecurrencetype_weekday weekStart)
{
    const int first = weekStart == ICAL_NO_WEEKDAY ? 1 : int(weekStart) - ICAL_SUNDAY_WEEKDAY;  // RFC default Monday
    const int sunday = (7 - first) % 7;  // Sunday's place in the rule's week
    bool before = false, from = false;
    for (int weekday = 0; weekday < 7; ++weekday) {
        if (!(mask & (1 << weekday))) continue;
        ((weekday - first + 7) % 7 < sunday ? before : from) = true;
    }
    return !(before && from);
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
        // Weeks begin on Sunday here. Another first day groups the days of a
        // multi-week pattern the same way unless Sunday splits them: all must
        // fall before Sunday in the rule's week, or all from Sunday on.
        if (rule.interval > 1 && !SameWeeksFromSunday(p.dayOfWeekMask, rule.week_start)) break;
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

namespace {

std::string PropertyText(icalproperty* p)
{
    char* text = icalproperty_as_ical_string_r(p);
    std::string line = text ? text : "";
    icalmemory_free_buffer(text);
    return line;
}

std::string TimeText(const icaltimetype& t)
{
    char* text = icaltime_as_ical_string_r(t);
    std::string value = text ? text : "";
    icalmemory_free_buffer(text);
    return value;
}

// A date-time list property whose TZID is a calendar's own VTIMEZONE: its
// values as UTC instants, which need no zone to be read again.
std::string ExactTimes(icalcomponent* c, icalproperty* p, const char* name)
{
    icaltimezone* zone = ZoneOfProperty(c, p);
    icaltimetype t = icalvalue_get_datetime(icalproperty_get_value(p));
    const bool period = icalproperty_isa(p) == ICAL_RDATE_PROPERTY && icaltime_is_null_time(t);
    if (!zone || t.is_date || period) return PropertyText(p);
    t = icaltime_set_timezone(&t, zone);
    return std::string(name) + ":" + TimeText(icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone())) + "\r\n";
}

std::string DtstartLine(const icaltimetype& t, const std::string& zone, double start)
{
    if (t.is_date) return "DTSTART;VALUE=DATE:" + TimeText(t) + "\r\n";
    if (zone == kUtcZone) return "DTSTART:" + TimeText(t) + "\r\n";
    if (!zone.empty() && zone != kFloatingZone) {
        icaltimetype wall = t;
        wall.zone = nullptr;
        return "DTSTART;TZID=" + zone + ":" + TimeText(wall) + "\r\n";
    }
    // Floating, or a zone no name is known for: the device's wall time.
    if (zone.empty()) return "DTSTART:" + TimeText(IcalFromLocalOle(start, false)) + "\r\n";
    return "DTSTART:" + TimeText(t) + "\r\n";
}

bool DeviceZone(const std::string& zone) { return zone.empty() || zone == kFloatingZone || zone == DeviceZoneName(); }

} // namespace

SeriesReading ReadSeries(icalcomponent* c, double start, const std::string& zone, bool task)
{
    SeriesReading series;
    std::vector<icalproperty*> rules;
    bool others = false;
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_ANY_PROPERTY)) {
        const icalproperty_kind kind = icalproperty_isa(p);
        if (kind == ICAL_RRULE_PROPERTY) rules.push_back(p);
        others = others || kind == ICAL_RDATE_PROPERTY || kind == ICAL_EXRULE_PROPERTY;
    }
    if (rules.empty() && !others) return series;

    if (rules.size() == 1 && !others) {
        const icalrecurrencetype rule = icalproperty_get_rrule(rules[0]);
        RuleMapping mapping = PatternFromRule(rule, start);
        // Tasks have only patterns; events keep a rule whose meaning a pattern would change.
        if (mapping.pattern && (task || (mapping.note.empty() && DeviceZone(zone)))) {
            RecurrenceFields& p = *mapping.pattern;
            series.note = mapping.note;
            if (rule.count > 0) {
                p.range = RecurrenceRange::Count;
                p.occurrences = rule.count;
            } else if (!icaltime_is_null_time(rule.until)) {
                icaltimetype until = rule.until;
                if (!until.is_date && !icaltime_is_utc(until))
                    if (icaltimezone* z = ZoneOfProperty(c, icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY)))
                        until = icaltime_set_timezone(&until, z);
                const auto end = LocalOleFromIcal(until);
                if (!end) {
                    series.refusal = "UNTIL을 읽을 수 없습니다";
                    return series;
                }
                // UNTIL keeps its time of day: a day whose occurrence would
                // start after it is not the last day.
                p.range = RecurrenceRange::Until;
                p.patternEnd = OleDateOnly(*end);
                if (!until.is_date && OleSecondOfDay(*end) < OleSecondOfDay(start))
                    p.patternEnd = OleDateOnly(OleFromSeconds(OleToSeconds(p.patternEnd) - 1));
            }
            // A DTSTART off the rule still counts as its first occurrence,
            // which only the rules themselves keep.
            const double next = OleFromSeconds(OleToSeconds(start) + 1);
            if (task || ExpandOccurrences(p, start, kNoDate, start, next, 1) == std::vector<double>{start}) {
                series.pattern = p;
                return series;
            }
        }
        if (task) {
            const char* text = icalproperty_get_value_as_string(rules[0]);
            series.refusal = mapping.note + ": RRULE:" + (text ? text : "");
            return series;
        }
    } else if (task) {
        series.refusal = "작업에는 RRULE 하나만 담을 수 있습니다";
        return series;
    }

    icalproperty* dtstart = icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY);
    if (!dtstart) {
        series.refusal = "DTSTART가 없습니다";
        return series;
    }
    std::string text = DtstartLine(icalproperty_get_dtstart(dtstart), zone, start);
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_ANY_PROPERTY)) {
        switch (icalproperty_isa(p)) {
        case ICAL_RRULE_PROPERTY:
        case ICAL_EXRULE_PROPERTY: text += PropertyText(p); break;
        case ICAL_RDATE_PROPERTY: text += ExactTimes(c, p, "RDATE"); break;
        case ICAL_EXDATE_PROPERTY: text += ExactTimes(c, p, "EXDATE"); break;
        default: break;
        }
    }
    if (std::string problem = CheckRuleSeries(text); !problem.empty()) {
        series.refusal = problem;
        return series;
    }
    series.ruleIcal = text;
    return series;
}

void AddRuleSeries(icalcomponent* event, const std::string& ruleIcal, long long seconds)
{
    const std::string wrapped = "BEGIN:VEVENT\r\n" + ruleIcal + "END:VEVENT\r\n";
    icalcomponent* rules = icalparser_parse_string(wrapped.c_str());
    if (!rules) return;
    for (icalproperty_kind kind : {ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY, ICAL_DURATION_PROPERTY})
        while (icalproperty* old = icalcomponent_get_first_property(event, kind)) {
            icalcomponent_remove_property(event, old);
            icalproperty_free(old);
        }
    while (icalproperty* p = icalcomponent_get_first_property(rules, ICAL_ANY_PROPERTY)) {
        icalcomponent_remove_property(rules, p);
        icalcomponent_add_property(event, p);
    }
    icalcomponent_free(rules);
    icalcomponent_add_property(event, icalproperty_new_duration(icaldurationtype_from_int(int(seconds))));
}
