// An import killed at any moment leaves the store as it was or holding the
// whole file, with every appointment in the span index: never a part of it,
// and never the mark of an unfinished bulk load.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <SQLiteCpp/Database.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "tests/tools/CliRunner.h"
#include "tests/tools/EventFile.h"

namespace {

constexpr int kEvents = 3000;

struct StoreCounts {
    std::string integrity;
    int64_t items = 0, appointments = 0, spans = 0, syncRows = 0, bulkMarks = 0;
};

StoreCounts Count(const std::filesystem::path& store)
{
    SQLite::Database db(store.string(), SQLite::OPEN_READONLY);
    auto number = [&](const char* query) { return db.execAndGet(query).getInt64(); };
    return {db.execAndGet("PRAGMA integrity_check").getString(), number("SELECT count(*) FROM items"),
            number("SELECT count(*) FROM items WHERE kind = 1"), number("SELECT count(*) FROM appointment_spans"),
            number("SELECT count(*) FROM sync_items"), number("SELECT count(*) FROM bulk_loads")};
}

} // namespace

TEST(ImportKill, AKilledImportLeavesAllOrNothing)
{
    CliRunner cli;
    const auto file = WriteEventFile(cli.Device().parent_path(), kEvents).string();
    ASSERT_EQ(
        cli.Run({"add", "appt", "--subject", "먼저", "--start", "2026-12-08 10:00", "--end", "2026-12-08 11:00"}).exitCode,
        0);
    // How long a whole import takes here (debug, sanitizers, a busy machine).
    CliRunner timing;
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(timing.Run({"import", file}).exitCode, 0);
    const auto whole =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int64_t> moment(0, whole.count());
    int complete = 0;
    for (int round = 0; round < 10; ++round) {
        const pid_t pid = cli.Spawn({"import", file});
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(pid, SIGKILL);
        CliRunner::Wait(pid);
        const StoreCounts counts = Count(cli.Device() / "pim.vol");
        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_EQ(counts.integrity, "ok");
        EXPECT_TRUE(counts.items == 1 || counts.items == 1 + kEvents) << counts.items;
        complete += counts.items == 1 + kEvents;
        EXPECT_EQ(counts.spans, counts.appointments);
        EXPECT_EQ(counts.syncRows, counts.items);
        EXPECT_EQ(counts.bulkMarks, 0);
    }
    // The file imported over whatever the kills left is whole, once.
    ASSERT_EQ(cli.Run({"import", file}).exitCode, 0);
    const StoreCounts counts = Count(cli.Device() / "pim.vol");
    EXPECT_EQ(counts.items, 1 + kEvents);
    EXPECT_EQ(counts.spans, counts.appointments);
    std::printf("killed imports that had already committed: %d of 10\n", complete);
}
