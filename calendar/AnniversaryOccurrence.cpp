#include "calendar/AnniversaryOccurrence.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <utility>

#include "calendar/PublicHolidays.h"

namespace {

bool FallsInFirstYearOrLater(const Anniversary& record, int32_t year) {
    return record.year <= year;  // a year of 0 always passes
}

bool OccursOnLunar(const Anniversary& record, const LunarDate& lunar) {
    if (!FallsInFirstYearOrLater(record, lunar.year)) return false;
    if (record.month != lunar.month || record.day != lunar.day) return false;
    if (record.leapMonth == 0) return lunar.isLeapMonth == 0;
    // A leap-month date falls in the ordinary month in years without that leap month.
    const bool yearHasThatLeapMonth = GetLunarLeapMonth(lunar.year) == record.month;
    return (lunar.isLeapMonth != 0) == yearHasThatLeapMonth;
}

int32_t WeekdayDayIn(const Anniversary& record, int32_t year) {
    return NthWeekdayOfMonth(year, record.WeekdayMonth(), record.WeekdayOrdinal(), record.day);
}

std::optional<SolarDate> NextCivil(const Anniversary& record, const SolarDate& today) {
    if (record.month < 1 || record.month > 12 || record.day < 1 || record.day > 31) {
        return std::nullopt;
    }
    // A day past the month's end rolls into the next month (29 February
    // becomes 1 March in a common year), as the date normalisation does.
    const uint32_t todayNumber = DateToDayNumber(today);
    uint32_t candidate = DateToDayNumber(today.year, record.month, record.day);
    if (todayNumber > candidate) candidate = DateToDayNumber(today.year + 1, record.month, record.day);
    SolarDate date;
    DayNumberToDate(candidate, date);
    return date;
}

std::optional<SolarDate> NextByWeekday(const Anniversary& record, const SolarDate& today) {
    for (int32_t year = today.year; year <= today.year + 1; ++year) {
        const int32_t day = WeekdayDayIn(record, year);
        if (day == 0) return std::nullopt;  // fields name no weekday of a month
        const SolarDate date{year, record.WeekdayMonth(), day};
        if (DateToDayNumber(date) >= DateToDayNumber(today)) return date;
    }
    return std::nullopt;
}

std::optional<SolarDate> NextLunar(const Anniversary& record, const SolarDate& today) {
    // Lunar year Y - 1 first: its last months fall in January and February of Y.
    const uint32_t todayNumber = DateToDayNumber(today);
    for (int32_t year = today.year - 1; year <= today.year + 1; ++year) {
        SolarDate date;
        if (LunarToSolar(year, record.month, record.day, record.leapMonth, date) == 0 &&
            LunarToSolar(year, record.month, record.day, 0, date) == 0) {
            continue;
        }
        if (DateToDayNumber(date) >= todayNumber) return date;
    }
    return std::nullopt;
}

std::string Formatted(const char* format, int32_t n) {
    char text[32];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

}  // namespace

bool OccursOn(const Anniversary& record, const SolarDate& civil, const LunarDate* lunar) {
    if (record.kind == kAnniversaryByWeekday) {
        return FallsInFirstYearOrLater(record, civil.year) &&
               record.WeekdayMonth() == civil.month && civil.day == WeekdayDayIn(record, civil.year);
    }
    if (record.lunar != 0) return lunar != nullptr && OccursOnLunar(record, *lunar);
    return FallsInFirstYearOrLater(record, civil.year) && record.month == civil.month &&
           record.day == civil.day;
}

std::optional<SolarDate> NextOccurrence(const Anniversary& record, const SolarDate& today) {
    if (record.kind == kAnniversaryByWeekday) return NextByWeekday(record, today);
    if (record.lunar != 0) return NextLunar(record, today);
    return NextCivil(record, today);
}

std::string CountText(const Anniversary& record, int32_t occurrenceYear, AgeCounting age) {
    if (record.year == 0) return {};
    const int32_t n = occurrenceYear - record.year;
    if (n < 0) return {};  // not yet begun: no count to show
    if (record.kind == kAnniversaryBirthday) return Formatted("(%d세)", age == AgeCounting::kFullYears ? n : n + 1);
    return n == 0 ? "(첫해)" : Formatted("(%d주년)", n);
}

std::vector<AnniversaryOccurrence> RankAnniversaries(const AnniversaryList& list,
                                                     const SolarDate& today, AgeCounting age) {
    std::vector<AnniversaryOccurrence> rows;
    std::vector<uint32_t> keys;  // day number of the occurrence; none sorts last
    rows.reserve(list.Count());
    keys.reserve(list.Count());
    const uint32_t todayNumber = DateToDayNumber(today);
    for (size_t i = 0; i < list.Count(); ++i) {
        const Anniversary& record = list.At(i);
        AnniversaryOccurrence row;
        row.index = static_cast<int32_t>(i);
        row.lunar = record.lunar;
        row.name = record.name;
        row.color = record.color;
        uint32_t key = std::numeric_limits<uint32_t>::max();
        if (const auto next = NextOccurrence(record, today)) {
            key = DateToDayNumber(*next);
            row.civilDate = *next;
            row.daysUntil = static_cast<int32_t>(key - todayNumber);
            row.date = TimeFromFields(next->year, next->month, next->day, 0, 0, 0);
            row.countText = CountText(record, next->year, age);
        }
        rows.push_back(std::move(row));
        keys.push_back(key);
    }
    // The exchange sort itself, because it decides the order of equal dates.
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        for (size_t j = i + 1; j < rows.size(); ++j) {
            if (keys[i] > keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(rows[i], rows[j]);
            }
        }
    }
    return rows;
}

void AddNextSubstituteHoliday(std::vector<AnniversaryOccurrence>& rows, const SolarDate& today) {
    const std::optional<SolarDate> next = NextSubstituteHoliday(today);
    if (!next) return;
    AnniversaryOccurrence row;
    row.name = kSubstituteHolidayName;
    row.color = kHolidayColor;
    row.civilDate = *next;
    row.daysUntil = static_cast<int32_t>(DateToDayNumber(*next) - DateToDayNumber(today));
    row.date = TimeFromFields(next->year, next->month, next->day, 0, 0, 0);
    const auto after = std::find_if(rows.begin(), rows.end(), [&](const AnniversaryOccurrence& ranked) {
        return ranked.daysUntil < 0 || ranked.daysUntil > row.daysUntil;
    });
    rows.insert(after, std::move(row));
}
