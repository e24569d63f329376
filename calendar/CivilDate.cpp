#include "calendar/CivilDate.h"

#include "calendar/LunarTables.h"

uint32_t DateToDayNumber(int32_t year, int32_t month, int32_t day) {
    return DayNumberOf(year, month, day);
}

// Closed form of "subtract whole years, then whole months" (days counted from
// 1 March so that the leap day ends the year); constant time, which matters
// because every lunar conversion ends here.
int32_t DayNumberToDate(uint32_t dayNumber, SolarDate& out) {
    const int64_t z = int64_t{dayNumber} + 305;  // days since 1 March of year 0, + 1 - 1
    const int64_t era = z / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 = March
    out.day = static_cast<int32_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    out.month = static_cast<int32_t>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    out.year = static_cast<int32_t>(yearOfEra + era * 400 + (out.month <= 2 ? 1 : 0));
    return 1;
}

SolarDate AddDays(const SolarDate& date, int32_t days) {
    SolarDate out;
    DayNumberToDate(DateToDayNumber(date) + static_cast<uint32_t>(days), out);
    return out;
}

int32_t WeekdayOf(const SolarDate& date) {
    // Day number 1 (1 January of year 1) was a Monday.
    return static_cast<int32_t>(DateToDayNumber(date) % 7) + 1;
}

int32_t CivilDaysInMonth(int32_t year, int32_t month) {
    if (month < 1 || month > 12) return 0;
    return static_cast<int32_t>(CivilMonthLength[IsCivilLeapYear(year) ? 1 : 0][month - 1]);
}

bool IsValidSolarDate(int32_t year, int32_t month, int32_t day) {
    return year >= 1 && day >= 1 && day <= CivilDaysInMonth(year, month);
}
