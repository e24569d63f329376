#include "platform/store/RuleSeries.h"

#include <libical/ical.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

#include "platform/store/OleTime.h"
#include "platform/time/Gregorian.h"

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

struct IteratorDeleter {
    void operator()(icalrecur_iterator* it) const { icalrecur_iterator_free(it); }
};
using IteratorPtr = std::unique_ptr<icalrecur_iterator, IteratorDeleter>;

constexpr int64_t kNever = std::numeric_limits<int64_t>::max();
// Seconds from 30 December 1899 to 1 January 1970.
constexpr int64_t kUnixEpochOle = 25569LL * 86400;
// Occurrences counted to find the end of a series with COUNT; longer ones
// are spanned to the far future.
constexpr int kExtentWalk = 100000;

// Somewhat more than one period of a rule's frequency, the span its BYSETPOS
// sets are taken from; libical keeps the INTERVAL's phase from DTSTART.
int64_t PeriodMargin(icalrecurrencetype_frequency freq)
{
    constexpr int64_t kDay = 86400;
    switch (freq) {
    case ICAL_MONTHLY_RECURRENCE: return 32 * kDay;
    case ICAL_WEEKLY_RECURRENCE: return 8 * kDay;
    case ICAL_DAILY_RECURRENCE: return 2 * kDay;
    case ICAL_HOURLY_RECURRENCE:
    case ICAL_MINUTELY_RECURRENCE:
    case ICAL_SECONDLY_RECURRENCE: return 2 * kDay;
    default: return 400 * kDay;
    }
}

ComponentPtr ParseRules(const std::string& text)
{
    const std::string wrapped = "BEGIN:VEVENT\r\n" + text + (text.ends_with('\n') ? "" : "\r\n") + "END:VEVENT\r\n";
    ComponentPtr c(icalparser_parse_string(wrapped.c_str()));
    if (c && icalcomponent_isa(c.get()) != ICAL_VEVENT_COMPONENT) c.reset();
    return c;
}

icaltimezone* ZoneOf(icalproperty* p, bool& unknown)
{
    icalparameter* parameter = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    const char* tzid = parameter ? icalparameter_get_tzid(parameter) : nullptr;
    if (!tzid) return nullptr;
    icaltimezone* zone = icaltimezone_get_builtin_timezone(tzid);
    if (!zone) unknown = true;
    return zone;
}

// Moments are seconds: instants since 1970 for a series with a zone (or in
// UTC), wall-clock seconds since 1899 for a floating one, which the device's
// local time reads as they are.
class Series {
public:
    explicit Series(const std::string& text, const TIME_ZONE_INFORMATION* device = nullptr) : m_c(ParseRules(text))
    {
        // Read once: every occurrence of a zoned series is converted with it.
        if (device)
            m_device = *device;
        else
            m_haveDevice = GetTimeZoneInformation(m_device);
        m_problem = Read();
    }

    const std::string& Problem() const { return m_problem; }

    RuleOccurrences Expand(double from, double to, size_t cap) const
    {
        RuleOccurrences result;
        if (!m_problem.empty() || to <= from) return result;
        // Bounds in moments, wide enough for any zone's offset; the exact
        // window is applied to the device's local times at the end.
        constexpr int64_t kMargin = 2 * 86400;
        const int64_t low = WallToMoment(OleToSeconds(from)) - (m_zone ? kMargin : 0);
        const int64_t high = WallToMoment(OleToSeconds(to)) + (m_zone ? kMargin : 0);
        size_t budget = cap;
        std::vector<int64_t> moments;
        std::vector<int64_t> excluded(m_exdates);
        for (const Rule& rule : m_rules) Walk(rule, low, high, budget, moments, result.cut);
        for (const Rule& rule : m_exrules) Walk(rule, low, high, budget, excluded, result.cut);
        moments.push_back(StartMoment());
        moments.insert(moments.end(), m_rdates.begin(), m_rdates.end());
        std::sort(moments.begin(), moments.end());
        moments.erase(std::unique(moments.begin(), moments.end()), moments.end());
        std::sort(excluded.begin(), excluded.end());
        for (int64_t moment : moments) {
            if (moment < low || moment >= high || std::binary_search(excluded.begin(), excluded.end(), moment)) continue;
            const auto local = LocalOle(moment);
            if (local && *local >= from && *local < to) result.starts.push_back(*local);
        }
        std::sort(result.starts.begin(), result.starts.end());
        result.starts.erase(std::unique(result.starts.begin(), result.starts.end()), result.starts.end());
        return result;
    }

    std::optional<RuleExtent> Extent() const
    {
        if (!m_problem.empty()) return std::nullopt;
        int64_t first = StartMoment();
        int64_t last = first;
        for (int64_t moment : m_rdates) {
            first = std::min(first, moment);
            last = std::max(last, moment);
        }
        bool endless = false;
        for (const Rule& rule : m_rules) {
            if (rule.until != kNever) {
                last = std::max(last, rule.until);
            } else if (rule.rule.count > 0 && rule.rule.count <= kExtentWalk) {
                std::vector<int64_t> moments;
                bool cut = false;
                size_t budget = size_t(rule.rule.count) + 1;
                Walk(rule, std::numeric_limits<int64_t>::min(), kNever, budget, moments, cut);
                if (!moments.empty()) last = std::max(last, moments.back());
            } else {
                endless = true;
            }
        }
        const auto firstLocal = LocalOle(first);
        if (!firstLocal) return std::nullopt;
        RuleExtent extent{*firstLocal, std::nullopt};
        if (!endless) extent.last = LocalOle(last);
        return extent;
    }

private:
    struct Rule {
        icalrecurrencetype rule;
        int64_t until = kNever;  // the rule's UNTIL as a moment, applied here
    };

    static std::string Fail(const char* why) { return why; }

    const TIME_ZONE_INFORMATION* DeviceZone() const { return m_haveDevice ? &m_device : nullptr; }

    std::string Read()
    {
        if (!m_c) return Fail("iCalendar 규칙을 읽을 수 없습니다");
        icalproperty* dtstart = icalcomponent_get_first_property(m_c.get(), ICAL_DTSTART_PROPERTY);
        if (!dtstart) return Fail("DTSTART가 없습니다");
        bool unknown = false;
        m_start = icalproperty_get_dtstart(dtstart);
        if (icaltime_is_null_time(m_start) || !icaltime_is_valid_time(m_start)) return Fail("DTSTART를 읽을 수 없습니다");
        m_zone = ZoneOf(dtstart, unknown);
        if (unknown) return Fail("알 수 없는 시간대입니다");
        if (icaltime_is_utc(m_start)) m_zone = icaltimezone_get_utc_timezone();
        if (m_start.is_date) m_zone = nullptr;
        m_start.zone = m_zone;
        for (icalproperty* p = icalcomponent_get_first_property(m_c.get(), ICAL_ANY_PROPERTY); p;
             p = icalcomponent_get_next_property(m_c.get(), ICAL_ANY_PROPERTY)) {
            switch (icalproperty_isa(p)) {
            case ICAL_RRULE_PROPERTY: AddRule(icalproperty_get_rrule(p), m_rules); break;
            case ICAL_EXRULE_PROPERTY: AddRule(icalproperty_get_exrule(p), m_exrules); break;
            case ICAL_RDATE_PROPERTY: {
                const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
                AddMoment(icaltime_is_null_time(value.time) ? value.period.start : value.time, ZoneOf(p, unknown),
                          m_rdates);
                break;
            }
            case ICAL_EXDATE_PROPERTY: AddMoment(icalproperty_get_exdate(p), ZoneOf(p, unknown), m_exdates); break;
            default: break;
            }
        }
        if (unknown) return Fail("알 수 없는 시간대입니다");
        if (m_badRule) return Fail("되풀이 규칙을 읽을 수 없습니다");
        if (m_rules.empty() && m_rdates.empty()) return Fail("RRULE이나 RDATE가 없습니다");
        std::sort(m_exdates.begin(), m_exdates.end());
        return {};
    }


    void AddRule(icalrecurrencetype rule, std::vector<Rule>& to)
    {
        if (rule.freq == ICAL_NO_RECURRENCE) {
            m_badRule = true;
            return;
        }
        Rule r{rule, kNever};
        if (!icaltime_is_null_time(rule.until)) {
            icaltimetype until = rule.until;
            // A date ends the series at the end of that day.
            if (until.is_date && !m_start.is_date) {
                until.is_date = 0;
                until.hour = 23;
                until.minute = 59;
                until.second = 59;
            }
            r.until = Moment(until, nullptr);
            // libical would compare UNTIL with wall-clock times; it is an instant.
            r.rule.until = icaltime_null_time();
        }
        to.push_back(r);
    }

    void AddMoment(icaltimetype t, icaltimezone* zone, std::vector<int64_t>& to)
    {
        if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t)) return;
        to.push_back(Moment(t, zone));
    }

    // A time of a property of this series, `zone` from its TZID (null: none).
    int64_t Moment(icaltimetype t, icaltimezone* zone) const
    {
        if (m_start.is_date) {
            t.is_date = 1;
            return WallSeconds(t);
        }
        if (t.is_date) {
            // A date beside times means that day's occurrence at the series' time.
            t.is_date = 0;
            t.hour = m_start.hour;
            t.minute = m_start.minute;
            t.second = m_start.second;
        }
        icaltimezone* own = icaltime_is_utc(t) ? icaltimezone_get_utc_timezone() : zone ? zone : m_zone;
        if (!m_zone) {
            if (!own) return WallSeconds(t);
            const auto local = DeviceOleFromUnix(int64_t(icaltime_as_timet_with_zone(t, own)), DeviceZone());
            return local ? OleToSeconds(*local) : WallSeconds(t);
        }
        return int64_t(icaltime_as_timet_with_zone(t, own));
    }

    int64_t StartMoment() const { return Moment(m_start, m_zone); }

    static int64_t WallSeconds(const icaltimetype& t)
    {
        const int64_t days = gregorian::DaysFromCivil(t.year, t.month, t.day) - gregorian::DaysFromCivil(1899, 12, 30);
        return days * 86400 + (t.is_date ? 0 : t.hour * 3600 + t.minute * 60 + t.second);
    }

    // A device-local wall time as a moment: exact for a floating series, a
    // guess within a day for a zoned one (used only for bounds).
    int64_t WallToMoment(int64_t wall) const { return m_zone ? wall - kUnixEpochOle : wall; }

    std::optional<double> LocalOle(int64_t moment) const
    {
        if (!m_zone) return OleFromSeconds(moment);
        return DeviceOleFromUnix(moment, DeviceZone());
    }

    // The series' time at a moment, to start a rule's walk near the window.
    icaltimetype TimeAt(int64_t moment) const
    {
        if (m_zone) {
            icaltimetype t = icaltime_from_timet_with_zone(time_t(moment), m_start.is_date, m_zone);
            t.zone = nullptr;
            return t;
        }
        const auto st = OleToSystemTime(OleFromSeconds(moment));
        icaltimetype t = m_start;
        if (!st) return t;
        t.year = st->wYear;
        t.month = st->wMonth;
        t.day = st->wDay;
        if (!t.is_date) {
            t.hour = st->wHour;
            t.minute = st->wMinute;
            t.second = st->wSecond;
        }
        return t;
    }

    // The latest wall time at or before `near` that a sub-daily rule's periods
    // start at: whole intervals from DTSTART. Nothing for daily and longer rules.
    std::optional<icaltimetype> SubDailyGrid(const icalrecurrencetype& rule, icaltimetype near) const
    {
        int64_t unit = 0;
        switch (rule.freq) {
        case ICAL_HOURLY_RECURRENCE: unit = 3600; break;
        case ICAL_MINUTELY_RECURRENCE: unit = 60; break;
        case ICAL_SECONDLY_RECURRENCE: unit = 1; break;
        default: return std::nullopt;
        }
        icaltimetype grid = m_start;
        grid.zone = nullptr;
        const int64_t step = unit * std::max<int64_t>(1, rule.interval);
        const int64_t seconds = std::max<int64_t>(0, (WallSeconds(near) - WallSeconds(grid)) / step) * step;
        icaltime_adjust(&grid, int(seconds / 86400), 0, 0, int(seconds % 86400));
        return grid;
    }

    // The rule's occurrences up to `high` (and its UNTIL) into `out`, at most
    // `budget` steps in all; `cut` when the budget ran out first.
    void Walk(const Rule& rule, int64_t low, int64_t high, size_t& budget, std::vector<int64_t>& out,
              bool& cut) const
    {
        // Rules step in the zone's wall-clock time (an hourly rule keeps its
        // hours across a daylight-saving change); the zone applies afterwards.
        icaltimetype wall = m_start;
        wall.zone = nullptr;
        // Without COUNT the walk may begin near the window instead of at DTSTART;
        // a period's margin keeps the rule's own sets (BYSETPOS) whole. libical
        // moves a sub-daily rule's phase when told to start elsewhere, so such a
        // walk starts afresh on the rule's grid instead; an occurrence that
        // start may add lies before the window.
        const int64_t margin = PeriodMargin(rule.rule.freq);
        const bool late =
            rule.rule.count == 0 && low != std::numeric_limits<int64_t>::min() && low - margin > StartMoment();
        const auto grid = late ? SubDailyGrid(rule.rule, TimeAt(low - margin)) : std::nullopt;
        IteratorPtr it(icalrecur_iterator_new(rule.rule, grid.value_or(wall)));
        if (!it) return;
        if (late && !grid) icalrecur_iterator_set_start(it.get(), TimeAt(low - margin));
        const int64_t end = std::min(high, rule.until == kNever ? kNever : rule.until + 1);
        while (true) {
            icaltimetype t = icalrecur_iterator_next(it.get());
            if (icaltime_is_null_time(t)) return;
            t.zone = m_zone;
            const int64_t moment = Moment(t, m_zone);
            if (moment >= end) return;
            if (budget == 0) {
                cut = true;
                return;
            }
            --budget;
            if (moment >= low) out.push_back(moment);
        }
    }

    ComponentPtr m_c;
    TIME_ZONE_INFORMATION m_device{};
    bool m_haveDevice = true;  // else local times are universal times
    std::string m_problem;
    icaltimetype m_start = icaltime_null_time();
    icaltimezone* m_zone = nullptr;  // null: floating times or dates
    std::vector<Rule> m_rules;
    std::vector<Rule> m_exrules;
    std::vector<int64_t> m_rdates;
    std::vector<int64_t> m_exdates;
    bool m_badRule = false;
};

void ShiftProperty(icalproperty* p, long long seconds)
{
    const bool isDate = [&] {
        switch (icalproperty_isa(p)) {
        case ICAL_DTSTART_PROPERTY: return bool(icalproperty_get_dtstart(p).is_date);
        case ICAL_EXDATE_PROPERTY: return bool(icalproperty_get_exdate(p).is_date);
        case ICAL_RDATE_PROPERTY: return bool(icalproperty_get_rdate(p).time.is_date);
        default: return false;
        }
    }();
    // Dates move by whole days, times by the seconds.
    const int days = int(seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400));
    auto shift = [&](icaltimetype t) {
        if (icaltime_is_null_time(t)) return t;
        icaltime_adjust(&t, isDate ? days : 0, 0, 0, isDate ? 0 : int(seconds));
        return t;
    };
    switch (icalproperty_isa(p)) {
    case ICAL_DTSTART_PROPERTY: icalproperty_set_dtstart(p, shift(icalproperty_get_dtstart(p))); break;
    case ICAL_EXDATE_PROPERTY: icalproperty_set_exdate(p, shift(icalproperty_get_exdate(p))); break;
    case ICAL_RDATE_PROPERTY: {
        icaldatetimeperiodtype value = icalproperty_get_rdate(p);
        if (icaltime_is_null_time(value.time)) return;  // periods are left as written
        value.time = shift(value.time);
        icalproperty_set_rdate(p, value);
        break;
    }
    default: break;
    }
}

} // namespace

std::optional<double> DeviceOleFromUnix(long long seconds, const TIME_ZONE_INFORMATION* zone)
{
    const long long days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    const auto civil = gregorian::CivilFromDays(days + gregorian::DaysFromCivil(1970, 1, 1));
    const long long second = seconds - days * 86400;
    SYSTEMTIME universal;
    universal.wYear = uint16_t(civil.year);
    universal.wMonth = uint16_t(civil.month);
    universal.wDay = uint16_t(civil.day);
    universal.wHour = uint16_t(second / 3600);
    universal.wMinute = uint16_t(second / 60 % 60);
    universal.wSecond = uint16_t(second % 60);
    SYSTEMTIME local;
    if (civil.year < 1601 || civil.year > 9999 || !SystemTimeToTzSpecificLocalTime(zone, universal, local))
        return std::nullopt;
    return OleFromSystemTime(local);
}

RuleOccurrences ExpandRuleSeries(const std::string& ruleText, double from, double to, size_t cap,
                                 const TIME_ZONE_INFORMATION* device)
{
    return Series(ruleText, device).Expand(from, to, cap);
}

std::optional<RuleExtent> RuleSeriesExtent(const std::string& ruleText) { return Series(ruleText).Extent(); }

std::string CheckRuleSeries(const std::string& ruleText) { return Series(ruleText).Problem(); }

std::string ShiftRuleSeries(const std::string& ruleText, long long seconds)
{
    ComponentPtr c = ParseRules(ruleText);
    if (!c || seconds == 0) return ruleText;
    std::string shifted;
    for (icalproperty* p = icalcomponent_get_first_property(c.get(), ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(c.get(), ICAL_ANY_PROPERTY)) {
        ShiftProperty(p, seconds);
        char* line = icalproperty_as_ical_string_r(p);
        if (line) shifted += line;
        icalmemory_free_buffer(line);
    }
    return shifted;
}
