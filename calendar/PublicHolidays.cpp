#include "calendar/PublicHolidays.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "calendar/Lunar.h"

namespace {

inline constexpr int32_t kStillInForce = std::numeric_limits<int32_t>::max();
inline constexpr int32_t kSunday = 1;
inline constexpr int32_t kSaturday = 7;

enum class SubstituteRule {
    kNone,
    kSundayOrOverlap,   // Seollal, Chuseok
    kWeekendOrOverlap,  // Saturdays count too
};

struct Substitution {
    SubstituteRule rule = SubstituteRule::kNone;
    SolarDate since;  // the first day the rule applies to
};

inline constexpr Substitution kNoSubstitute{};
inline constexpr Substitution kFestivalRule{SubstituteRule::kSundayOrOverlap, {2013, 11, 5}};
inline constexpr Substitution kChildrensDayRule{SubstituteRule::kWeekendOrOverlap, {2013, 11, 5}};
inline constexpr Substitution kNationalDayRule{SubstituteRule::kWeekendOrOverlap, {2021, 8, 4}};
inline constexpr Substitution kBuddhaChristmasRule{SubstituteRule::kWeekendOrOverlap, {2023, 5, 4}};

struct CivilHoliday {
    int32_t month, day;
    const char* name;
    int32_t firstYear, lastYear;
    Substitution substitution;
};

// Rows for the same day in different periods stand apart where the holiday
// lapsed in between.
constexpr std::array kCivilHolidays{
    CivilHoliday{1, 1, "신정", 1949, kStillInForce, kNoSubstitute},
    CivilHoliday{1, 2, "신정", 1949, 1998, kNoSubstitute},
    CivilHoliday{1, 3, "신정", 1949, 1989, kNoSubstitute},
    CivilHoliday{3, 1, "삼일절", 1949, kStillInForce, kNationalDayRule},
    CivilHoliday{3, 15, "사방의 날", 1960, 1960, kNoSubstitute},  // stood in for Arbor Day that year
    CivilHoliday{4, 5, "식목일", 1949, 1959, kNoSubstitute},
    CivilHoliday{4, 5, "식목일", 1961, 2005, kNoSubstitute},
    CivilHoliday{5, 5, "어린이날", 1975, kStillInForce, kChildrensDayRule},
    CivilHoliday{6, 6, "현충일", 1956, kStillInForce, kNoSubstitute},
    CivilHoliday{7, 17, "제헌절", 1949, 2007, kNoSubstitute},
    CivilHoliday{8, 15, "광복절", 1949, kStillInForce, kNationalDayRule},
    CivilHoliday{10, 1, "국군의 날", 1976, 1990, kNoSubstitute},
    CivilHoliday{10, 3, "개천절", 1949, kStillInForce, kNationalDayRule},
    CivilHoliday{10, 9, "한글날", 1949, 1990, kNoSubstitute},
    CivilHoliday{10, 9, "한글날", 2013, kStillInForce, kNationalDayRule},
    CivilHoliday{10, 24, "국제연합일", 1950, 1975, kNoSubstitute},
    CivilHoliday{12, 25, "성탄절", 1949, kStillInForce, kBuddhaChristmasRule},
};

// A lunar holiday and the days around it that belong to it (Seollal's eve is
// the last day of the old lunar year, 29th or 30th, so days are counted from
// the lunar date's civil day rather than named as lunar dates).
struct LunarHoliday {
    int32_t month, day;
    int32_t daysBefore, daysAfter;
    const char* name;
    int32_t firstYear, lastYear;
    Substitution substitution;
};

constexpr std::array kLunarHolidays{
    LunarHoliday{1, 1, 0, 0, "설날", 1985, 1988, kNoSubstitute},
    LunarHoliday{1, 1, 1, 1, "설날", 1989, kStillInForce, kFestivalRule},
    LunarHoliday{4, 8, 0, 0, "부처님오신날", 1975, kStillInForce, kBuddhaChristmasRule},
    LunarHoliday{8, 15, 0, 0, "추석", 1949, 1985, kNoSubstitute},
    LunarHoliday{8, 15, 0, 1, "추석", 1986, 1988, kNoSubstitute},
    LunarHoliday{8, 15, 1, 1, "추석", 1989, kStillInForce, kFestivalRule},
};

struct DatedHoliday {
    uint32_t dayNumber;
    const char* name;
    Substitution substitution;
};

bool InYears(int32_t year, int32_t first, int32_t last) {
    return year >= first && year <= last;
}

std::vector<DatedHoliday> FixedHolidays(int32_t year) {
    std::vector<DatedHoliday> days;
    for (const CivilHoliday& h : kCivilHolidays) {
        if (InYears(year, h.firstYear, h.lastYear)) {
            days.push_back({DateToDayNumber(year, h.month, h.day), h.name, h.substitution});
        }
    }
    for (const LunarHoliday& h : kLunarHolidays) {
        SolarDate civil;
        // The lunar year of these festivals falls within the civil year of the same number.
        if (!InYears(year, h.firstYear, h.lastYear) ||
            LunarToSolar(year, h.month, h.day, 0, civil) == 0) {
            continue;
        }
        const uint32_t main = DateToDayNumber(civil);
        for (uint32_t d = main - h.daysBefore; d <= main + h.daysAfter; ++d) {
            days.push_back({d, h.name, h.substitution});
        }
    }
    std::stable_sort(days.begin(), days.end(), [](const DatedHoliday& a, const DatedHoliday& b) {
        return a.dayNumber < b.dayNumber;
    });
    return days;
}

int32_t WeekdayOfDayNumber(uint32_t dayNumber) {
    SolarDate date;
    DayNumberToDate(dayNumber, date);
    return WeekdayOf(date);
}

// What one day of holidays asks for: no substitute, one, or one that also
// avoids Saturdays.
SubstituteRule RuleTriggeredOn(const std::vector<DatedHoliday>& days, size_t first, size_t end) {
    const int32_t weekday = WeekdayOfDayNumber(days[first].dayNumber);
    SubstituteRule triggered = SubstituteRule::kNone;
    for (size_t i = first; i < end; ++i) {
        const Substitution& s = days[i].substitution;
        if (s.rule == SubstituteRule::kNone || days[i].dayNumber < DateToDayNumber(s.since)) continue;
        bool overlaps = false;
        for (size_t j = first; j < end; ++j) overlaps = overlaps || std::string_view(days[j].name) != days[i].name;
        const bool weekend = weekday == kSunday ||
                             (s.rule == SubstituteRule::kWeekendOrOverlap && weekday == kSaturday);
        if (overlaps || weekend) triggered = std::max(triggered, s.rule);
    }
    return triggered;
}

}  // namespace

std::vector<PublicHoliday> PublicHolidaysOfYear(int32_t year) {
    const std::vector<DatedHoliday> days = FixedHolidays(year);
    std::vector<uint32_t> taken;
    for (const DatedHoliday& d : days) taken.push_back(d.dayNumber);
    auto isTaken = [&](uint32_t dayNumber) {
        return std::find(taken.begin(), taken.end(), dayNumber) != taken.end();
    };

    std::vector<PublicHoliday> holidays;
    for (size_t first = 0; first < days.size();) {
        size_t end = first;
        while (end < days.size() && days[end].dayNumber == days[first].dayNumber) ++end;
        for (size_t i = first; i < end; ++i) {
            SolarDate date;
            DayNumberToDate(days[i].dayNumber, date);
            holidays.push_back({date, days[i].name, false});
        }
        const SubstituteRule rule = RuleTriggeredOn(days, first, end);
        if (rule != SubstituteRule::kNone) {
            uint32_t candidate = days[first].dayNumber + 1;
            for (;; ++candidate) {
                const int32_t weekday = WeekdayOfDayNumber(candidate);
                const bool weekendBars = weekday == kSunday ||
                    (rule == SubstituteRule::kWeekendOrOverlap && weekday == kSaturday);
                if (!weekendBars && !isTaken(candidate)) break;
            }
            taken.push_back(candidate);
            SolarDate date;
            DayNumberToDate(candidate, date);
            holidays.push_back({date, kSubstituteHolidayName, true});
        }
        first = end;
    }
    std::stable_sort(holidays.begin(), holidays.end(), [](const PublicHoliday& a, const PublicHoliday& b) {
        return DateToDayNumber(a.date) < DateToDayNumber(b.date);
    });
    return holidays;
}

bool IsPublicHoliday(const SolarDate& date) {
    for (const PublicHoliday& h : PublicHolidaysOfYear(date.year)) {
        if (h.date == date) return true;
    }
    return false;
}

bool IsSubstituteHoliday(const SolarDate& date) {
    for (const PublicHoliday& h : PublicHolidaysOfYear(date.year)) {
        if (h.date == date && h.substitute) return true;
    }
    return false;
}

std::optional<SolarDate> NextSubstituteHoliday(const SolarDate& from)
{
    const uint32_t first = DateToDayNumber(from);
    for (int32_t year = from.year; year <= from.year + 1; ++year) {
        for (const PublicHoliday& holiday : PublicHolidaysOfYear(year)) {
            const uint32_t day = DateToDayNumber(holiday.date);
            if (holiday.substitute && day >= first && day - first <= 366) return holiday.date;
        }
    }
    return std::nullopt;
}
