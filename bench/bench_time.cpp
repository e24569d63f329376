// Local-time conversions in a zone with a daylight rule, the case the views
// hit for every item they lay out.
#include <benchmark/benchmark.h>

#include "pim/time/TimeValue.h"
#include "platform/time/PosixTzRule.h"

namespace {

void UseDaylightZone()
{
    TIME_ZONE_INFORMATION tzi;
    ZoneFromPosixRule("EST5EDT,M3.2.0,M11.1.0", tzi);
    SetZoneForTesting(&tzi);
}

void BM_TimeFromParts(benchmark::State& state)
{
    UseDaylightZone();
    TimeParts parts;
    parts.tm_year = 109;
    unsigned step = 0;
    for (auto _ : state) {
        // Walk through the year so both sides of the transitions are hit.
        parts.tm_mon = static_cast<int32_t>(step % 12);
        parts.tm_mday = static_cast<int32_t>(1 + step % 28);
        parts.tm_hour = static_cast<int32_t>(step % 24);
        parts.tm_min = static_cast<int32_t>(step % 60);
        ++step;
        benchmark::DoNotOptimize(TimeFromParts(parts));
    }
}
BENCHMARK(BM_TimeFromParts)->Repetitions(7)->DisplayAggregatesOnly(true);

void BM_PartsFromTime(benchmark::State& state)
{
    UseDaylightZone();
    TimeValue t = TimeFromFields(2009, 1, 1, 0, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PartsFromTime(t));
        t += 3607;  // a little over an hour: every day and both offsets
    }
}
BENCHMARK(BM_PartsFromTime)->Repetitions(7)->DisplayAggregatesOnly(true);

}  // namespace
