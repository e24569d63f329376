// The week query when the big store also holds 1,000 series kept as
// iCalendar rules in several zones: cached years (the steady state) and the
// first query of a year (expansion and caching).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>

#include "bench/BigStoreGenerator.h"
#include "pim/session/ItemDates.h"
#include "pim/session/PimSession.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomApplication.h"

namespace {

constexpr const char* kRules[] = {
    "RRULE:FREQ=MONTHLY;BYMONTHDAY=1,15",
    "RRULE:FREQ=MONTHLY;BYDAY=2TU,4TU",
    "RRULE:FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2",
    "RRULE:FREQ=YEARLY;BYMONTH=1,4,7,10;BYMONTHDAY=10",
    "RRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR\r\nRDATE:20160105T120000Z",
    "RRULE:FREQ=DAILY;INTERVAL=3\r\nEXRULE:FREQ=WEEKLY;BYDAY=SU",
};
constexpr const char* kZones[] = {"Asia/Seoul", "America/New_York", "Europe/London", "Australia/Sydney"};

class RuleStore {
public:
    static RuleStore& Get()
    {
        static RuleStore store;
        return store;
    }
    const std::filesystem::path& File() const { return m_file; }
    ~RuleStore()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

private:
    RuleStore()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dayvane-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        m_dir = pattern;
        m_file = m_dir / "pim.vol";
        if (!MakeBigStore(m_file).empty()) std::abort();
        PoomApplication app;
        if (!app.Logon(m_file)) std::abort();
        auto batch = app.BeginBatch();
        for (int i = 0; i < 1000; ++i) {
            auto item = app.CreateItem(olAppointmentItem);
            const int hour = 7 + i % 12;
            item->SetSubject("rules " + std::to_string(i));
            item->AsAppointment()->SetStart(*OleFromFields(2015, 1, 1 + i % 28, hour));
            item->AsAppointment()->SetEnd(*OleFromFields(2015, 1, 1 + i % 28, hour + 1));
            char start[32];
            std::snprintf(start, sizeof start, "201501%02dT%02d0000", 1 + i % 28, hour);
            const std::string rules = std::string("DTSTART;TZID=") + kZones[i % 4] + ":" + start + "\r\n" +
                                      kRules[i % 6] + "\r\n";
            if (!item->SetRuleIcal(rules) || !item->Save()) std::abort();
        }
        if (!batch->Commit(nullptr)) std::abort();
    }
    std::filesystem::path m_dir;
    std::filesystem::path m_file;
};

std::vector<TimeValue> Weeks(int count)
{
    std::vector<TimeValue> weeks;
    std::mt19937 random(11);
    const TimeValue first = TimeFromFields(2016, 1, 4, 0, 0, 0);  // a Monday
    for (int i = 0; i < count; ++i)
        weeks.push_back(first + TimeValue(std::uniform_int_distribution<int>(0, 600)(random)) * 7 * 86400);
    return weeks;
}

void BM_FindWeekWithRuleSeries(benchmark::State& state)
{
    PimSession session{RuleStore::Get().File()};
    if (!session.OpenPoom(nullptr)) std::abort();
    const auto weeks = Weeks(64);
    for (TimeValue week : weeks) session.FindWeekAppointments(week, week + 7 * 86400 - 1);  // fills the cache
    size_t i = 0, found = 0;
    for (auto _ : state) {
        const TimeValue start = weeks[i++ % weeks.size()];
        auto items = session.FindWeekAppointments(start, start + 7 * 86400 - 1);
        found += items.size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items/week"] = double(found) / double(state.iterations());
}
BENCHMARK(BM_FindWeekWithRuleSeries)->Unit(benchmark::kMillisecond);

// Each iteration a year no query has asked for yet: every series expands it.
void BM_FindWeekInAnUncachedYear(benchmark::State& state)
{
    PimSession session{RuleStore::Get().File()};
    if (!session.OpenPoom(nullptr)) std::abort();
    int year = 2040;  // beyond the weeks the other benchmark cached
    for (auto _ : state) {
        const TimeValue start = TimeFromFields(year++, 6, 1, 0, 0, 0);
        benchmark::DoNotOptimize(session.FindWeekAppointments(start, start + 7 * 86400 - 1));
    }
}
BENCHMARK(BM_FindWeekInAnUncachedYear)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
