// The settings store as the application uses it: every call opens registry.db,
// works and closes it again.
#include <benchmark/benchmark.h>

#include "settings/CRegistry.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "tests/platform/device/TempDevice.h"

namespace {

void BM_GetInt(benchmark::State& state)
{
    TempDevice device;
    const CRegistry registry;
    registry.SetInt(kSettingsRoot, kSettingsKey, "24hour", 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(registry.GetInt(kSettingsRoot, kSettingsKey, "24hour", 0));
}
BENCHMARK(BM_GetInt);

void BM_SetInt(benchmark::State& state)
{
    TempDevice device;
    const CRegistry registry;
    int32_t value = 0;
    for (auto _ : state) registry.SetInt(kSettingsRoot, kSettingsKey, "24hour", ++value);
}
BENCHMARK(BM_SetInt);

// What the main frame does once at start-up.
void BM_LoadSettings(benchmark::State& state)
{
    TempDevice device;
    SaveOptions(Settings{}, 0);
    for (auto _ : state) benchmark::DoNotOptimize(LoadSettings(ScreenMetrics{}));
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMillisecond);

// What closing the options sheet with OK does.
void BM_SaveOptions(benchmark::State& state)
{
    TempDevice device;
    for (auto _ : state) SaveOptions(Settings{}, 0);
}
BENCHMARK(BM_SaveOptions)->Unit(benchmark::kMillisecond);

} // namespace
