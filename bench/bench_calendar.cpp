// Lunar conversion, the per-day anniversary test and the anniversary file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "calendar/AnniversaryDayEntries.h"
#include "calendar/AnniversaryFile.h"
#include "calendar/AnniversaryOccurrence.h"
#include "calendar/Lunar.h"
#include "calendar/PublicHolidays.h"

namespace {

std::vector<SolarDate> SpreadDays(size_t count) {
    std::vector<SolarDate> days;
    for (size_t i = 0; i < count; ++i) {
        days.push_back(AddDays({1881, 1, 30}, static_cast<int32_t>(i * 62102 / count)));
    }
    return days;
}

// A mix like a real list: civil, lunar (some leap), by weekday, birthdays.
AnniversaryList MakeList(size_t count) {
    AnniversaryList list;
    for (size_t i = 0; i < count; ++i) {
        Anniversary a;
        const auto n = static_cast<int32_t>(i);
        a.kind = n % 5 == 0 ? kAnniversaryByWeekday : n % 3 == 0 ? kAnniversaryBirthday
                                                                 : kAnniversaryByDate;
        a.year = n % 4 == 0 ? 0 : 1950 + n % 60;
        a.month = a.kind == kAnniversaryByWeekday ? (n % 12 + 1) * 10 + n % 5 + 1 : n % 12 + 1;
        a.day = a.kind == kAnniversaryByWeekday ? n % 7 + 1 : n % 28 + 1;
        a.lunar = a.kind != kAnniversaryByWeekday && n % 2 == 0 ? 1 : 0;
        a.leapMonth = a.lunar != 0 && n % 17 == 0 ? 1 : 0;
        a.dayBefore = n % 7 == 0 ? 1 : 0;
        a.dayAfter = n % 11 == 0 ? 1 : 0;
        a.name = "기념일 " + std::to_string(n);
        a.color = static_cast<uint32_t>(n * 2654435761u) & 0xFFFFFF;
        AddAnniversary(list, a);
    }
    return list;
}

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/dayvane-bench-XXXXXX";
        path_ = ::mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void BM_SolarToLunar(benchmark::State& state) {
    const auto days = SpreadDays(4096);
    size_t i = 0;
    for (auto _ : state) {
        const SolarDate& d = days[i++ & 4095];
        LunarDate lunar;
        benchmark::DoNotOptimize(SolarToLunar(d.year, d.month, d.day, lunar));
        benchmark::DoNotOptimize(lunar);
    }
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state) {
    std::vector<LunarDate> dates;
    for (const SolarDate& d : SpreadDays(4096)) {
        LunarDate lunar;
        SolarToLunar(d.year, d.month, d.day, lunar);
        dates.push_back(lunar);
    }
    size_t i = 0;
    for (auto _ : state) {
        const LunarDate& l = dates[i++ & 4095];
        SolarDate civil;
        benchmark::DoNotOptimize(LunarToSolar(l.year, l.month, l.day, l.isLeapMonth, civil));
        benchmark::DoNotOptimize(civil);
    }
}
BENCHMARK(BM_LunarToSolar);

// What a week view does per reload: nine days, every record tested on each.
void BM_OccursOn1000x9Days(benchmark::State& state) {
    const AnniversaryList list = MakeList(1000);
    for (auto _ : state) {
        int hits = 0;
        for (int32_t offset = -1; offset <= 7; ++offset) {
            const SolarDate day = AddDays({2024, 9, 15}, offset);
            LunarDate lunar;
            const bool hasLunar = SolarToLunar(day.year, day.month, day.day, lunar) != 0;
            for (size_t i = 0; i < list.Count(); ++i) {
                hits += OccursOn(list.At(i), day, hasLunar ? &lunar : nullptr) ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(BM_OccursOn1000x9Days)->Unit(benchmark::kMicrosecond);

void BM_AnniversaryEntriesWeek1000(benchmark::State& state) {
    const AnniversaryList list = MakeList(1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnniversaryEntriesInRange(list, {2024, 9, 15}, 7, AnniversaryDisplay{}));
    }
}
BENCHMARK(BM_AnniversaryEntriesWeek1000)->Unit(benchmark::kMicrosecond);

// The month view and the date picker colour 42 day numbers per month.
void BM_IsPublicHoliday42Days(benchmark::State& state) {
    for (auto _ : state) {
        int holidays = 0;
        for (int32_t offset = 0; offset < 42; ++offset) {
            holidays += IsPublicHoliday(AddDays({2025, 9, 29}, offset)) ? 1 : 0;
        }
        benchmark::DoNotOptimize(holidays);
    }
}
BENCHMARK(BM_IsPublicHoliday42Days)->Unit(benchmark::kMicrosecond);

void BM_RankAnniversaries1000(benchmark::State& state) {
    const AnniversaryList list = MakeList(1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(RankAnniversaries(list, {2024, 9, 15}, AgeCounting::kKorean));
    }
}
BENCHMARK(BM_RankAnniversaries1000)->Unit(benchmark::kMillisecond);

void BM_LoadAnniversaries10000(benchmark::State& state) {
    TempFolder folder;
    AnniversaryList source = MakeList(10000);
    if (SaveAnniversaries(source, folder.path()) == 0) state.SkipWithError("cannot save");
    for (auto _ : state) {
        AnniversaryList list;
        benchmark::DoNotOptimize(LoadAnniversaries(list, folder.path()));
    }
}
BENCHMARK(BM_LoadAnniversaries10000)->Unit(benchmark::kMillisecond);

void BM_SaveAnniversaries10000(benchmark::State& state) {
    TempFolder folder;
    AnniversaryList list = MakeList(10000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveAnniversaries(list, folder.path()));
    }
}
BENCHMARK(BM_SaveAnniversaries10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
