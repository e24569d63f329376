// The month view with lunar dates (date fill with 42 lunar conversions, layout
// and paint at 192 dpi) and the anniversary list (rows of 1,000 anniversaries
// rebuilt, sorted and painted).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "platform/shell/Density.h"
#include "tests/views/FakeFrameHost.h"
#include "views/anniversary/AnniversaryView.h"
#include "views/month/MonthViewLunar.h"

namespace {

void EnsureApplication() {
    if (QApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "bench_lunar_views";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void BM_MonthViewLunarRefreshAndPaint(benchmark::State& state) {
    EnsureApplication();
    SetDeviceDpi(192, 192);
    setenv("DAYVANE_NOW", "2023-03-22T10:00:00", 1);
    FakeFrameHost host;
    host.currentDate = TimeFromFields(2023, 3, 22, 10, 0, 0);
    CMonthViewLunar view(host);
    view.resize(480, 596);
    for (auto _ : state) {
        view.RefreshMonthView(0);
        view.RenderOffscreen();
        benchmark::DoNotOptimize(view.OffscreenImage().constBits());
    }
}
BENCHMARK(BM_MonthViewLunarRefreshAndPaint)->Unit(benchmark::kMillisecond);

void BM_AnniversaryListRebuildAndPaint(benchmark::State& state) {
    EnsureApplication();
    SetDeviceDpi(192, 192);
    setenv("DAYVANE_NOW", "2026-12-09T10:00:00", 1);
    FakeFrameHost host;
    for (int i = 0; i < 1000; ++i) {
        Anniversary record;
        record.kind = i % 3 == 2 ? kAnniversaryBirthday : kAnniversaryByDate;
        record.year = i % 2 == 0 ? 1950 + i % 70 : 0;
        record.month = 1 + i % 12;
        record.day = 1 + i % 28;
        record.lunar = i % 4 == 0 ? 1 : 0;
        record.name = "기념일 " + std::to_string(i);
        record.color = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFFu;
        AddAnniversary(host.anniversaries, record);
    }
    CAnniversaryView view(host);
    view.resize(480, 596);
    for (auto _ : state) {
        view.RefreshAnniversaryView(0);
        view.RenderOffscreen();
        benchmark::DoNotOptimize(view.OffscreenImage().constBits());
    }
}
BENCHMARK(BM_AnniversaryListRebuildAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace
