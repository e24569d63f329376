// The week around a date, as the frame and the command-line tool show it.
#pragma once

#include "pim/time/TimeValue.h"

struct WeekRange {
    TimeValue start = 0;  // midnight of the week's first day
    TimeValue end = 0;    // the last second of its seventh day
};

// The week that holds `date`; it begins on Sunday or on Monday.
WeekRange WeekAround(TimeValue date, bool sundayAsStart);

// Midnight `days` calendar days after the day of `date` (negative: before).
TimeValue DayOffset(TimeValue date, int days);
