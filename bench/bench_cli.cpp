// dayvane-cli as a whole process: the full lunar table printed once, and an
// iCalendar file of 10,000 and of 100,000 events imported into an empty store.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "tests/tools/CliRunner.h"
#include "tests/tools/EventFile.h"

static void BM_CliLunarWholeRange(benchmark::State& state)
{
    CliRunner cli;
    for (auto _ : state) {
        CliResult result = cli.Run({"lunar", "1881-01-30", "--to", "2051-02-10"});
        if (result.exitCode != 0 || result.out.size() < 62103 * 21) state.SkipWithError("lunar failed");
        benchmark::DoNotOptimize(result.out.data());
    }
}
BENCHMARK(BM_CliLunarWholeRange)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_CliImportEvents(benchmark::State& state)
{
    CliRunner files;
    const std::filesystem::path ics = WriteEventFile(files.Device().parent_path(), int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        {
            CliRunner cli;  // an empty device each time
            state.ResumeTiming();
            const CliResult result = cli.Run({"import", ics.string()});
            if (result.exitCode != 0) state.SkipWithError(result.err.c_str());
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CliImportEvents)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
