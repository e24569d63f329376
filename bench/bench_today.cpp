// The Today items' reloads on the big store: Vanecal with 1,000 anniversaries
// (file read, appointment search, trim), Vanetask over 10,000 tasks, and
// `dayvane-cli agenda --days 7` as a whole process.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/BigStoreGenerator.h"
#include "calendar/AnniversaryFile.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/store/PoomApplication.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/tools/CliRunner.h"
#include "today/listing/TodayCalendar.h"
#include "today/listing/TodayTasks.h"

namespace {

constexpr const char* kNow = "2020-06-15T09:00:00";

void FillDevice(const std::filesystem::path& storeFile, const std::filesystem::path& programFolder)
{
    const std::string error = GenerateBigStore(storeFile);
    if (!error.empty()) {
        std::fprintf(stderr, "big store: %s\n", error.c_str());
        std::abort();
    }
    AnniversaryList list;
    for (int i = 0; i < 1000; ++i)
        AddAnniversary(list, i % 7 == 0 ? kAnniversaryByWeekday : kAnniversaryByDate, 1950 + i % 60,
                       i % 7 == 0 ? 10 * (1 + i % 12) + 1 + i % 4 : 1 + i % 12, 1 + i % 28, i % 3 == 0, i % 5 == 0,
                       i % 4 == 1, 0, "기념일 " + std::to_string(i), 0);
    std::filesystem::create_directories(programFolder);
    if (!SaveAnniversaries(list, programFolder.string())) std::abort();
}

// One device for the in-process cases, made once.
const TempDevice& Device()
{
    static TempDevice* device = [] {
        setenv("DAYVANE_NOW", kNow, 1);
        auto* made = new TempDevice();
        FillDevice(StoreFile(), ProgramFolder());
        return made;
    }();
    return *device;
}

} // namespace

static void BM_VanecalReload(benchmark::State& state)
{
    Device();
    const TodayClock clock = CurrentTodayClock();
    size_t listed = 0;
    for (auto _ : state) {
        AnniversaryList anniversaries;
        LoadTodayAnniversaries(anniversaries, ProgramFolder().string());
        PoomApplication poom;
        poom.Logon(StoreFile());
        listed = LoadTodayCalendar(TodayCalendarOptions{}, clock, anniversaries, &poom).size();  // 7 days, the leading run
        poom.Logoff();
    }
    state.counters["entries"] = double(listed);
}
BENCHMARK(BM_VanecalReload)->Unit(benchmark::kMillisecond);

static void BM_VanetaskReload(benchmark::State& state)
{
    Device();
    CEGUID volume;
    if (!CeMountDBVolEx(&volume, StoreFile(), OPEN_EXISTING)) std::abort();
    CEDBHANDLE tasks = CeOpenDatabaseInSession(&volume, kTasksDatabase, CEDB_AUTOINCREMENT, nullptr);
    const TodayClock clock = CurrentTodayClock();
    size_t listed = 0;
    for (auto _ : state) listed = LoadTodayTasks({7, false}, clock, tasks).size();
    state.counters["entries"] = double(listed);
    CeCloseDatabase(tasks);
    CeUnmountDBVol(&volume);
}
BENCHMARK(BM_VanetaskReload)->Unit(benchmark::kMillisecond);

static void BM_CliAgendaWeek(benchmark::State& state)
{
    CliRunner cli;
    cli.SetNow(kNow);
    std::filesystem::create_directories(cli.Device());
    FillDevice(cli.Device() / "pim.vol", cli.Device() / "Dayvane");
    for (auto _ : state) {
        const CliResult result = cli.Run({"agenda", "--days", "7"});
        if (result.exitCode != 0) state.SkipWithError(result.err.c_str());
    }
}
BENCHMARK(BM_CliAgendaWeek)->Unit(benchmark::kMillisecond)->UseRealTime();
