// The personal-information store on a big data set: the week queries, fetching
// an item with what the week view reads, saving, opening, and how soon another
// connection's commit is announced; and the extent of a series, found on every save.
#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <random>

#include "bench/BigStoreGenerator.h"
#include "pim/session/ItemDates.h"
#include "pim/session/PimSession.h"
#include "platform/store/OleTime.h"
#include "platform/store/Recurrence.h"

namespace {

// The big store, made once per process in a temporary folder.
class BigStore {
public:
    static BigStore& Get()
    {
        static BigStore store;
        return store;
    }
    const std::filesystem::path& File() const { return m_file; }
    ~BigStore()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

private:
    BigStore()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dayvane-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        m_dir = pattern;
        m_file = m_dir / "pim.vol";
        const std::string error = MakeBigStore(m_file);
        if (!error.empty()) {
            std::fprintf(stderr, "big store: %s\n", error.c_str());
            std::abort();
        }
    }
    std::filesystem::path m_dir;
    std::filesystem::path m_file;
};

// Monday-start weeks spread over the store's 20 years.
std::vector<TimeValue> Weeks()
{
    std::vector<TimeValue> weeks;
    std::mt19937 random(7);
    const TimeValue first = TimeFromFields(2010, 1, 4, 0, 0, 0);  // a Monday
    for (int i = 0; i < 256; ++i)
        weeks.push_back(first + TimeValue(std::uniform_int_distribution<int>(0, 1040)(random)) * 7 * 86400);
    return weeks;
}

struct Session {
    PimSession session{BigStore::Get().File()};
    Session()
    {
        if (!session.OpenPoom(nullptr) || !session.OpenPimDatabases(nullptr)) std::abort();
    }
};

void BM_FindWeekAppointments(benchmark::State& state)
{
    Session s;
    const auto weeks = Weeks();
    size_t i = 0, found = 0;
    for (auto _ : state) {
        const TimeValue start = weeks[i++ % weeks.size()];
        auto items = s.session.FindWeekAppointments(start, start + 7 * 86400 - 1);
        found += items.size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items/week"] = double(found) / double(state.iterations());
}
BENCHMARK(BM_FindWeekAppointments)->Unit(benchmark::kMillisecond);

void BM_ReadWeekTasks(benchmark::State& state)
{
    Session s;
    const auto weeks = Weeks();
    size_t i = 0, found = 0;
    for (auto _ : state) {
        const TimeValue start = weeks[i++ % weeks.size()];
        auto tasks = s.session.ReadWeekTasks(start, start + 7 * 86400 - 1, WeekTaskOptions{});
        found += tasks.size();
        benchmark::DoNotOptimize(tasks);
    }
    state.counters["tasks/week"] = double(found) / double(state.iterations());
}
BENCHMARK(BM_ReadWeekTasks)->Unit(benchmark::kMillisecond);

// What the week view reads of each appointment it shows.
void BM_FetchByOidAndReadWeekViewProperties(benchmark::State& state)
{
    Session s;
    std::mt19937 random(11);
    std::uniform_int_distribution<CEOID> oids(1, 100000);
    for (auto _ : state) {
        auto item = s.session.GetItemFromOid(oids(random));
        if (!item || !item->AsAppointment()) continue;
        auto* appt = item->AsAppointment();
        benchmark::DoNotOptimize(appt->Subject());
        benchmark::DoNotOptimize(appt->Location());
        benchmark::DoNotOptimize(appt->AllDayEvent() + appt->ReminderSet() + appt->IsRecurring());
        benchmark::DoNotOptimize(appt->Oid() + appt->Start() + appt->End());
        benchmark::DoNotOptimize(s.session.HasNotes(*appt));
        benchmark::DoNotOptimize(s.session.GetItemColor(*appt));
    }
}
BENCHMARK(BM_FetchByOidAndReadWeekViewProperties)->Unit(benchmark::kMicrosecond);

void BM_CreateAndSaveAppointment(benchmark::State& state)
{
    Session s;
    int n = 0;
    for (auto _ : state) {
        auto item = s.session.CreateItem(olAppointmentItem);
        auto* appt = item->AsAppointment();
        appt->SetSubject("새 일정 " + std::to_string(n++));
        appt->SetStart(OleFromFields(2024, 1, 10, 9, 0).value());
        appt->SetDuration(60);
        if (!appt->Save()) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_CreateAndSaveAppointment)->Unit(benchmark::kMillisecond);

// Logging on and opening both databases reads no items.
// The extent every save of a recurring item computes: a weekly series of 12,
// as a bulk import brings by the thousand, and the longest daily one.
void ComputeExtentOf(benchmark::State& state, RecurrenceFields pattern)
{
    pattern.patternStart = OleFromFields(2024, 1, 3).value();
    pattern.range = RecurrenceRange::Count;
    if (!NormalizePattern(pattern).empty()) std::abort();
    const double seriesStart = OleFromFields(2024, 1, 3, 9, 30).value();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeExtent(pattern, seriesStart));
}

void BM_ComputeExtentWeekly12(benchmark::State& state)
{
    RecurrenceFields weekly;
    weekly.type = olRecursWeekly;
    weekly.dayOfWeekMask = 4 | 16;
    weekly.occurrences = 12;
    ComputeExtentOf(state, weekly);
}
BENCHMARK(BM_ComputeExtentWeekly12)->Unit(benchmark::kMicrosecond);

void BM_ComputeExtentDaily99999(benchmark::State& state)
{
    RecurrenceFields daily;
    daily.type = olRecursDaily;
    daily.occurrences = kMaxOccurrences;
    ComputeExtentOf(state, daily);
}
BENCHMARK(BM_ComputeExtentDaily99999)->Unit(benchmark::kMicrosecond);

void BM_OpenStore(benchmark::State& state)
{
    BigStore::Get();
    for (auto _ : state) {
        PimSession session(BigStore::Get().File());
        if (!session.OpenPoom(nullptr) || !session.OpenPimDatabases(nullptr)) state.SkipWithError("open failed");
    }
}
BENCHMARK(BM_OpenStore)->Unit(benchmark::kMillisecond);

class LatencyWindow : public StoreWindow {
public:
    void Post(uint32_t, CENOTIFICATION* notification) override
    {
        CeFreeNotification(nullptr, notification);
        std::lock_guard lock(m_mutex);
        m_arrived = std::chrono::steady_clock::now();
        ++m_count;
        m_changed.notify_all();
    }
    std::chrono::steady_clock::time_point WaitBeyond(int count)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_count > count; });
        return m_arrived;
    }
    int Count()
    {
        std::lock_guard lock(m_mutex);
        return m_count;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::chrono::steady_clock::time_point m_arrived;
    int m_count = 0;
};

// From a commit on another connection to the notification reaching the window.
void BM_NotificationLatency(benchmark::State& state)
{
    LatencyWindow window;
    PimSession watcher(BigStore::Get().File());
    if (!watcher.OpenPimDatabases(&window)) std::abort();
    Session writer;
    for (auto _ : state) {
        const int before = window.Count();
        auto item = writer.session.CreateItem(olTaskItem);
        item->SetSubject("알림");
        item->Save();
        const auto committed = std::chrono::steady_clock::now();
        const auto arrived = window.WaitBeyond(before);
        state.SetIterationTime(std::chrono::duration<double>(arrived - committed).count());
    }
}
BENCHMARK(BM_NotificationLatency)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
