// Calendar helpers that need no zone: weekday columns, month lengths, n-th
// weekdays and week numbers.
#include "platform/time/Gregorian.h"
#include "pim/time/TimeValue.h"

namespace {

bool IsValidDate(int year, int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= gregorian::DaysInMonth(year, month);
}

}  // namespace

int WeekdayColumn(int weekday, bool sundayAsStart)
{
    if (sundayAsStart)
        return weekday;
    return weekday == 1 ? 7 : weekday - 1;
}

// Pure calendar arithmetic: stepping back a day of seconds from the next
// month's midnight lands in the wrong day when the last day is 23 hours long.
int DaysInMonth(int year, int month)
{
    return month >= 1 && month <= 12 ? gregorian::DaysInMonth(year, month) : 0;
}

int WeekdayOccurrence(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        return 0;
    return (day - 1) / 7 + 1;
}

int NthWeekdayOfMonth(int year, int month, int n, int weekday)
{
    if (month < 1 || month > 12 || n < 1 || n > 5 || weekday < 1 || weekday > 7)
        return 0;
    return gregorian::NthWeekdayDay(year, month, n, weekday - 1);
}

int WeekOfYear(int year, int month, int day, bool sundayAsStart)
{
    if (!IsValidDate(year, month, day))
        return 0;
    const int64_t days = gregorian::DaysFromCivil(year, month, day);
    const int weekday = gregorian::WeekdayFromDays(days);  // 0 = Sunday
    if (sundayAsStart) {
        // Week 1 holds 1 January, so a late-December week holding the next
        // 1 January is already week 1.
        const int64_t saturday = days + 6 - weekday;
        if (saturday >= gregorian::DaysFromCivil(year + 1, 1, 1))
            return 1;
        const int64_t newYear = gregorian::DaysFromCivil(year, 1, 1);
        return static_cast<int>((days - newYear + gregorian::WeekdayFromDays(newYear)) / 7 + 1);
    }
    // ISO 8601: a Monday-to-Sunday week belongs to the year of its Thursday.
    const int64_t thursday = days + 4 - (weekday == 0 ? 7 : weekday);
    const int64_t thursdayYear = gregorian::CivilFromDays(thursday).year;
    return static_cast<int>((thursday - gregorian::DaysFromCivil(thursdayYear, 1, 1)) / 7 + 1);
}
