// Streaming a megabyte of notes (mostly handwriting) out of one ink control
// and into another, the way an editor takes and reloads its notes.
#include <benchmark/benchmark.h>

#include "bench/OffscreenApplication.h"
#include "platform/ink/InkControl.h"
#include "platform/ink/InkNotes.h"
#include "platform/ink/InkStream.h"
#include "platform/ink/InkSurface.h"

namespace {

// About 1 MB in the stream form: a page of text and many pen strokes.
InkContent MegabyteOfInk()
{
    InkContent content;
    for (int line = 0; line < 200; ++line) content.text += "회의록 " + std::to_string(line) + ": 예산과 일정을 확인함\n";
    for (int stroke = 0; stroke < 2000; ++stroke) {
        InkStroke ink{0x000000, 2, {}};
        for (int point = 0; point < 64; ++point) ink.points.push_back({point * 3, stroke * 2 + point % 7});
        content.strokes.push_back(std::move(ink));
    }
    return content;
}

void BM_InkStreamOutAndIn(benchmark::State& state)
{
    EnsureOffscreenApplication();
    InkControl source;
    InkControl target;
    source.InnerWindow()->SetContent(MegabyteOfInk());
    std::vector<uint8_t> blob;
    for (auto _ : state) {
        TakeNotesBlob(&source, blob);
        LoadNotesBlob(&target, blob);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * blob.size()));
    state.counters["bytes"] = static_cast<double>(blob.size());
}
BENCHMARK(BM_InkStreamOutAndIn)->Unit(benchmark::kMillisecond);

void BM_InkStreamCodec(benchmark::State& state)
{
    const InkContent content = MegabyteOfInk();
    for (auto _ : state) {
        const std::vector<uint8_t> bytes = WriteInkStream(content);
        benchmark::DoNotOptimize(ReadInkStream(bytes.data(), bytes.size()));
    }
}
BENCHMARK(BM_InkStreamCodec)->Unit(benchmark::kMillisecond);

}  // namespace
