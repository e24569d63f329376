// Date rules of the main frame: the week around the current date, the start
// of a new appointment, moving a pasted item to another day, and the
// day-change watch of the frame's timer.
#pragma once

#include <optional>

#include "agenda/WeekRange.h"
#include "pim/time/TimeValue.h"

// A new appointment starts on the day of `currentDate` at the hour of
// now + 30 minutes, on the full hour when that moment's minute is below 31,
// else on the half hour; it lasts an hour.
TimeValue NewAppointmentStart(TimeValue currentDate, TimeValue now);
inline constexpr int kNewAppointmentSeconds = 3600;

// The OLE date on the day of `targetDay` at the time of day of `source`.
std::optional<double> OnDayKeepingTime(double source, TimeValue targetDay);

// The calendar day a timer tick saw last. The view is refreshed when the day
// of the month changes; the month and year count too, so that a clock set a
// whole month forward is noticed as well.
class DayWatch {
public:
    explicit DayWatch(TimeValue now) { Changed(now); }
    // True when `now` falls on another day than the last call saw.
    bool Changed(TimeValue now);
    int LastDayOfMonth() const { return m_day; }

private:
    int m_day = 0;
    int m_month = 0;
    int m_year = 0;
};
