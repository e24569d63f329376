// dayvane-cli as a whole process: the full lunar table printed once, and an
// iCalendar file of 10,000 and of 100,000 events imported into an empty store.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/tools/CliRunner.h"

namespace {

// Events spread over twenty years, one in ten weekly with an end, every
// fourth with a reminder and a location.
std::filesystem::path WriteEvents(const std::filesystem::path& folder, int count)
{
    const std::filesystem::path file = folder / ("events-" + std::to_string(count) + ".ics");
    std::ofstream out(file, std::ios::binary);
    out << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dayvane//bench//KO\r\n";
    char line[128];
    for (int i = 0; i < count; ++i) {
        const int year = 2010 + i % 20;
        const int month = 1 + i % 12;
        const int day = 1 + i % 28;
        const int hour = 8 + i % 10;
        out << "BEGIN:VEVENT\r\n";
        std::snprintf(line, sizeof line, "UID:bench-%d@dayvane\r\nDTSTAMP:20260101T000000Z\r\n", i);
        out << line;
        std::snprintf(line, sizeof line, "DTSTART:%04d%02d%02dT%02d0000\r\nDTEND:%04d%02d%02dT%02d3000\r\n",
                      year, month, day, hour, year, month, day, hour);
        out << line << "SUMMARY:회의 " << i << "\r\n";
        if (i % 4 == 0)
            out << "LOCATION:본사 3층\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:알림\r\n"
                   "TRIGGER:-PT15M\r\nEND:VALARM\r\n";
        if (i % 10 == 0) out << "RRULE:FREQ=WEEKLY;INTERVAL=2;COUNT=12\r\n";
        out << "END:VEVENT\r\n";
    }
    out << "END:VCALENDAR\r\n";
    return file;
}

}  // namespace

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
    const std::filesystem::path ics = WriteEvents(files.Device().parent_path(), int(state.range(0)));
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
