#include "agenda/WeekDates.h"

SolarDate DateOfTime(TimeValue t) {
    const TimeParts parts = *PartsFromTime(t);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

std::optional<SYSTEMTIME> RecordOfOleDate(double date) {
    SYSTEMTIME record;
    if (VariantTimeToSystemTime(date, &record) == 0) return std::nullopt;
    return record;
}

SolarDate DateOfRecord(const SYSTEMTIME& record) {
    return {record.wYear, record.wMonth, record.wDay};
}

TimeValue MidnightOfDate(const SolarDate& date) {
    return TimeFromFields(date.year, date.month, date.day, 0, 0, 0);
}

double OleDateOfDate(const SolarDate& date) {
    SYSTEMTIME record;
    record.wYear = static_cast<uint16_t>(date.year);
    record.wMonth = static_cast<uint16_t>(date.month);
    record.wDay = static_cast<uint16_t>(date.day);
    double ole = 0;
    return SystemTimeToVariantTime(&record, &ole) != 0 ? ole : 0.0;
}

TimeValue AddCalendarDays(TimeValue t, int days) {
    const TimeParts parts = *PartsFromTime(t);
    const SolarDate date = AddDays({parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday}, days);
    const TimeValue moved =
        TimeFromFields(date.year, date.month, date.day, parts.tm_hour, parts.tm_min, parts.tm_sec);
    // A time of day that the clock skips on that date: the day's midnight instead.
    return moved != 0 ? moved : MidnightOfDate(date);
}

int DaysBetween(const SolarDate& from, const SolarDate& to) {
    return static_cast<int>(static_cast<int64_t>(DateToDayNumber(to)) -
                            static_cast<int64_t>(DateToDayNumber(from)));
}
