#include "pim/time/ZoneState.h"

#include <atomic>
#include <mutex>

#include "pim/time/TimeValue.h"

namespace {

std::mutex g_zoneMutex;
std::atomic<bool> g_zoneKnown{false};
ZoneState g_zone;
const ZoneState kUniversalTime{};

bool IsDayInMonthDate(const SYSTEMTIME& date)
{
    return date.wYear == 0 && date.wMonth >= 1 && date.wMonth <= 12 && date.wDay >= 1 && date.wDay <= 5 &&
           date.wDayOfWeek <= 6 && date.wHour < 24 && date.wMinute < 60 && date.wSecond < 60 &&
           date.wMilliseconds < 1000;
}

ZoneState Derive(const TIME_ZONE_INFORMATION& tzi)
{
    ZoneState zone;
    zone.tzi = tzi;
    zone.zoneOffset = tzi.Bias * 60 + (tzi.StandardDate.wMonth != 0 ? tzi.StandardBias * 60 : 0);
    if (tzi.DaylightDate.wMonth != 0 && tzi.DaylightBias != 0)
        zone.daylightDelta = (tzi.DaylightBias - tzi.StandardBias) * 60;
    // Absolute dates and malformed transitions mean no daylight time at all.
    zone.dayInMonthRule = IsDayInMonthDate(tzi.DaylightDate) && IsDayInMonthDate(tzi.StandardDate);
    return zone;
}

}  // namespace

const ZoneState& CurrentZone()
{
    if (g_zoneKnown.load(std::memory_order_acquire))
        return g_zone;
    std::lock_guard<std::mutex> lock(g_zoneMutex);
    if (!g_zoneKnown.load(std::memory_order_relaxed)) {
        TIME_ZONE_INFORMATION tzi;
        if (!GetTimeZoneInformation(tzi))
            return kUniversalTime;
        g_zone = Derive(tzi);
        g_zoneKnown.store(true, std::memory_order_release);
    }
    return g_zone;
}

void ZoneOffsets(int32_t& zoneOffset, int32_t& daylightDelta)
{
    const ZoneState& zone = CurrentZone();
    zoneOffset = zone.zoneOffset;
    daylightDelta = zone.daylightDelta;
}

void SetZoneForTesting(const TIME_ZONE_INFORMATION* tzi)
{
    std::lock_guard<std::mutex> lock(g_zoneMutex);
    if (tzi != nullptr)
        g_zone = Derive(*tzi);
    g_zoneKnown.store(tzi != nullptr, std::memory_order_release);
}
