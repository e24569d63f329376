// The process's zone record and the numbers derived from it (internal).
#pragma once

#include <cstdint>

#include "platform/time/PlatformTime.h"

struct ZoneState {
    TIME_ZONE_INFORMATION tzi;
    int32_t zoneOffset = 0;     // seconds added to local standard time to get UTC
    int32_t daylightDelta = 0;  // seconds added on top during daylight time
    bool dayInMonthRule = false;  // a daylight rule the conversion can follow
};

// Read from the platform at the first call and kept; while the platform has
// no zone this is universal time and the next call asks again.
const ZoneState& CurrentZone();
