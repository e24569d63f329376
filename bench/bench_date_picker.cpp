// Painting the date picker's twelve months (target: at most 10 ms at 192 dpi).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "views/picker/PickerLayout.h"
#include "views/picker/PickerPainter.h"

namespace {

void PaintTwelveMonths(benchmark::State& state, QSize client)
{
    static int argc = 1;
    static char name[] = "bench_date_picker";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    const PickerLayout layout = MakePickerLayout(client, 192, false);
    const PickerState picker{SolarDate{2009, 8, 12}, SolarDate{2009, 8, 14},
                             true};  // public holidays among the days, as a user sees them
    QImage image(client, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PickerPainter(layout).PaintAll(painter, picker);
        benchmark::DoNotOptimize(image.bits());
    }
}

void BM_PickerPortrait192(benchmark::State& state) { PaintTwelveMonths(state, QSize(480, 590)); }
void BM_PickerLandscape192(benchmark::State& state) { PaintTwelveMonths(state, QSize(640, 430)); }

}  // namespace

BENCHMARK(BM_PickerPortrait192)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PickerLandscape192)->Unit(benchmark::kMillisecond);
