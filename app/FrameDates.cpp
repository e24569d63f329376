#include "app/FrameDates.h"

#include <cmath>

#include "platform/time/PlatformTime.h"

TimeValue NewAppointmentStart(TimeValue currentDate, TimeValue now)
{
    const TimeParts soon = *PartsFromTime(now + 30 * 60);
    const TimeParts day = *PartsFromTime(currentDate);
    return TimeFromFields(day.tm_year + 1900, day.tm_mon + 1, day.tm_mday, soon.tm_hour,
                          soon.tm_min < 31 ? 0 : 30, 0);
}

std::optional<double> OnDayKeepingTime(double source, TimeValue targetDay)
{
    SYSTEMTIME from;
    SYSTEMTIME day;
    if (!std::isfinite(source) || VariantTimeToSystemTime(source, &from) == 0 || !CalendarFromTime(targetDay, day))
        return std::nullopt;
    SYSTEMTIME moved = day;
    moved.wHour = from.wHour;
    moved.wMinute = from.wMinute;
    moved.wSecond = from.wSecond;
    moved.wMilliseconds = 0;
    double date = 0;
    if (SystemTimeToVariantTime(&moved, &date) == 0)
        return std::nullopt;
    return date;
}

bool DayWatch::Changed(TimeValue now)
{
    const TimeParts parts = *PartsFromTime(now);
    const bool changed = parts.tm_mday != m_day || parts.tm_mon != m_month || parts.tm_year != m_year;
    m_day = parts.tm_mday;
    m_month = parts.tm_mon;
    m_year = parts.tm_year;
    return changed;
}
