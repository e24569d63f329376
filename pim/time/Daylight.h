// Daylight-saving transitions of the zone's day-in-month rule (internal).
#pragma once

#include <cstdint>

#include "platform/time/PlatformTime.h"

enum class TransitionKind { Start, End };

struct TransitionMoment {
    int dayOfYear;         // 0 = 1 January
    int32_t milliseconds;  // of the day, in standard time
};

// The transition `rule` (month, week in wDay, weekday, time) in `year`
// (counted from 1900). The end is given in daylight time; it is moved to
// standard time by `daylightDelta` seconds but stays on its day.
TransitionMoment TransitionDay(TransitionKind kind, int year, const SYSTEMTIME& rule, int32_t daylightDelta);
