// The week view's reload (collect, lay out, paint into its off-screen image):
// a busy week from memory, and weeks of the big store through the session as
// the frame's refresh after a store notification runs it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <random>

#include "bench/BigStoreWeekItems.h"
#include "platform/shell/Density.h"
#include "tests/views/week/SampleAgenda.h"
#include "views/week/WeekView.h"

namespace {

void EnsureApplication() {
    if (QApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "bench_week_view";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void BM_WeekViewReloadBusyWeek(benchmark::State& state) {
    EnsureApplication();
    SetDeviceDpi(192, 192);
    setenv("DAYVANE_NOW", "2009-09-30T10:00:00", 1);
    QTemporaryDir folder;
    FakeWeekHost host;
    host.settings.m_WeekFontSize = 18;
    host.library = ResourceLibrary::Load(QStringLiteral("VaneLoRes3.rcc"));
    FillSampleAgenda(host, folder.path().toStdString());
    host.SetCurrentDate(At(2009, 9, 30, 10));
    CWeekView view(host);
    view.resize(480, 640);
    for (auto _ : state) {
        view.Reload(1);
        view.RenderOffscreen();
        benchmark::DoNotOptimize(view.OffscreenImage().constBits());
    }
}
BENCHMARK(BM_WeekViewReloadBusyWeek)->Unit(benchmark::kMillisecond);

// The frame's refresh on the big store: the two week queries with what the
// view reads of each item, then layout and paint.
class StoreHost : public FakeWeekHost {
public:
    explicit StoreHost(WeekItemSource& items) : m_items(items) {}
    WeekItemSource& GetItemSource() override { return m_items; }

private:
    WeekItemSource& m_items;
};

void BM_WeekViewReloadBigStore(benchmark::State& state) {
    EnsureApplication();
    SetDeviceDpi(192, 192);
    unsetenv("DAYVANE_NOW");
    QTemporaryDir folder;
    const std::filesystem::path file = std::filesystem::path(folder.path().toStdString()) / "pim.vol";
    std::string error;
    const std::unique_ptr<WeekItemSource> items = OpenBigStoreWeekItems(file, error);
    if (!items) {
        state.SkipWithError(error.c_str());
        return;
    }
    StoreHost host(*items);
    host.settings.m_WeekFontSize = 18;
    host.library = ResourceLibrary::Load(QStringLiteral("VaneLoRes3.rcc"));
    host.SetCurrentDate(At(2015, 6, 10, 10));
    CWeekView view(host);
    view.resize(480, 640);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> weeks(0, 1040);
    size_t entries = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host.SetCurrentDate(AddCalendarDays(At(2010, 1, 6, 10), 7 * weeks(random)));
        state.ResumeTiming();
        view.Reload(1);
        view.RenderOffscreen();
        benchmark::DoNotOptimize(view.OffscreenImage().constBits());
        for (int cell = 0; cell < kWeekDays; ++cell) entries += view.CellEntries(cell).size();
    }
    state.counters["entries/week"] = double(entries) / double(state.iterations());
}
BENCHMARK(BM_WeekViewReloadBigStore)->Unit(benchmark::kMillisecond);

// The same weeks' queries alone (what the item source costs of the above).
void BM_WeekItemQueriesBigStore(benchmark::State& state) {
    QTemporaryDir folder;
    std::string error;
    const std::unique_ptr<WeekItemSource> items = OpenBigStoreWeekItems(
        std::filesystem::path(folder.path().toStdString()) / "pim.vol", error);
    if (!items) {
        state.SkipWithError(error.c_str());
        return;
    }
    const Settings settings;
    std::mt19937 random(5);
    std::uniform_int_distribution<int> weeks(0, 1040);
    size_t tasks = 0;
    for (auto _ : state) {
        const TimeValue start = MidnightOfDate(AddDays({2010, 1, 4}, 7 * weeks(random)));
        benchmark::DoNotOptimize(items->FindAppointments(start, start + 604799));
        tasks += items->ReadTasks(start, start + 604799, settings).size();
    }
    state.counters["tasks/week"] = double(tasks) / double(state.iterations());
}
BENCHMARK(BM_WeekItemQueriesBigStore)->Unit(benchmark::kMillisecond);

}  // namespace
