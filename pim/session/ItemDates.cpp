#include "pim/session/ItemDates.h"

double OleFromTime(TimeValue t)
{
    SYSTEMTIME st;
    double date = 0;
    if (!CalendarFromTime(t, st) || !SystemTimeToVariantTime(&st, &date)) return 0;
    return date;
}

TimeValue TimeFromOle(double date)
{
    SYSTEMTIME st;
    if (!VariantTimeToSystemTime(date, &st)) return 0;
    return TimeFromCalendar(st);
}
