// A bulk batch indexes its new items at commit instead of row by row. What it
// leaves must be what an ordinary batch leaves, whatever else the batch did.
#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/store/PoomApplication.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "platform/store/StoreConnection.h"
#include "tests/platform/store/OlderStore.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

class BulkLoadTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("DAYVANE_NOW", "2024-01-10T12:00:00", 1); }
    void TearDown() override { unsetenv("DAYVANE_NOW"); }

    static CEOID Add(PoomApplication& app, const std::string& uid, double start, bool weekly = false)
    {
        auto item = app.CreateItem(olAppointmentItem);
        item->KeepUid(uid);
        auto* appt = item->AsAppointment();
        appt->SetSubject(uid);
        appt->SetStart(start);
        appt->SetEnd(start + 1.0 / 24);
        if (weekly) {
            auto* pattern = appt->GetRecurrencePattern();
            pattern->SetRecurrenceType(olRecursWeekly);
            pattern->SetOccurrences(10);
        }
        EXPECT_TRUE(appt->Save()) << appt->LastError();
        return appt->Oid();
    }

    static CEOID AddTask(PoomApplication& app, const std::string& uid)
    {
        auto item = app.CreateItem(olTaskItem);
        item->KeepUid(uid);
        item->AsTask()->SetSubject(uid);
        item->AsTask()->SetDueDate(Ole(2024, 2, 1));
        EXPECT_TRUE(item->Save()) << item->LastError();
        return item->Oid();
    }

    // Everything one import-like batch can do: new items of both kinds, new
    // items changed or deleted again, a new series losing an occurrence, and
    // items stored before it changed or deleted.
    static void Load(PoomApplication& app, StoreBatch::Kind kind, CEOID kept, CEOID dropped)
    {
        auto batch = app.BeginBatch(kind);
        ASSERT_NE(batch, nullptr) << app.LastError();
        for (int i = 0; i < 40; ++i) Add(app, "new-" + std::to_string(i), Ole(2024, 1, 1 + i % 28, 9), i % 7 == 0);
        AddTask(app, "new-task");
        const CEOID changed = Add(app, "changed", Ole(2024, 3, 1, 9));
        auto again = app.GetItemFromOid(changed);
        again->AsAppointment()->SetStart(Ole(2024, 4, 1, 9));
        again->AsAppointment()->SetEnd(Ole(2024, 4, 2, 9));
        ASSERT_TRUE(again->Save());
        ASSERT_TRUE(app.GetItemFromOid(Add(app, "gone", Ole(2024, 3, 2, 9)))->Delete());
        const CEOID series = Add(app, "series", Ole(2024, 1, 3, 8), true);
        auto occurrence = app.GetItemFromOid(series)->GetRecurrencePattern()->OccurrenceAt(Ole(2024, 1, 10, 8));
        ASSERT_NE(occurrence, nullptr);
        ASSERT_TRUE(occurrence->Delete());
        auto old = app.GetItemFromOid(kept);
        old->AsAppointment()->SetStart(Ole(2023, 6, 1, 9));
        ASSERT_TRUE(old->Save());
        ASSERT_TRUE(app.GetItemFromOid(dropped)->Delete());
        ASSERT_TRUE(batch->Commit());
    }

    // The store's rows in any order, each sync counter read as what sync asks
    // of it (are there changes to push?), and the span index by its entries
    // rather than its node layout, which follows the order of inserts.
    static std::string Rows(const TempStore& store)
    {
        SQLite::Database db(store.File().string(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE sync_items SET changes = (changes <> synced)");
        std::vector<std::string> lines;
        SQLite::Statement tables(db, "SELECT name FROM sqlite_master WHERE type = 'table' "
                                     "AND name NOT LIKE 'appointment_spans_%'");
        while (tables.executeStep()) {
            const std::string table = tables.getColumn(0).getString();
            SQLite::Statement rows(db, "SELECT * FROM \"" + table + "\"");
            while (rows.executeStep()) {
                std::string line = table + ":";
                for (int i = 0; i < rows.getColumnCount(); ++i) line += rows.getColumn(i).getString() + "|";
                lines.push_back(line);
            }
        }
        std::sort(lines.begin(), lines.end());
        std::string sorted;
        for (const std::string& line : lines) sorted += line + "\n";
        return sorted;
    }

    static std::string LoadedRows(StoreBatch::Kind kind)
    {
        TempStore store;
        {
            PoomApplication app;
            EXPECT_TRUE(app.Logon(store.File())) << app.LastError();
            const CEOID kept = Add(app, "kept", Ole(2023, 5, 1, 9));
            const CEOID dropped = Add(app, "dropped", Ole(2023, 5, 2, 9));
            Load(app, kind, kept, dropped);
        }
        return Rows(store);
    }

    static int64_t Count(const TempStore& store, const std::string& query)
    {
        SQLite::Database db(store.File().string(), SQLite::OPEN_READONLY);
        return db.execAndGet(query).getInt64();
    }
};

} // namespace

TEST_F(BulkLoadTest, LeavesWhatAnOrdinaryBatchLeaves)
{
    const std::string bulk = LoadedRows(StoreBatch::Bulk);
    EXPECT_EQ(bulk, LoadedRows(StoreBatch::Edits));
    EXPECT_NE(bulk.find("appointment_spans:"), std::string::npos);
    EXPECT_EQ(bulk.find("bulk_loads:"), std::string::npos);
}

TEST_F(BulkLoadTest, EveryAppointmentIsFoundAndLaterWritesIndexThemselves)
{
    TempStore store;
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
    Load(app, StoreBatch::Bulk, Add(app, "kept", Ole(2023, 5, 1, 9)), Add(app, "dropped", Ole(2023, 5, 2, 9)));
    Add(app, "after", Ole(2024, 5, 1, 9));
    AddTask(app, "task-after");
    EXPECT_EQ(Count(store, "SELECT count(*) FROM appointment_spans"),
              Count(store, "SELECT count(*) FROM items WHERE kind = 1"));
    EXPECT_EQ(Count(store, "SELECT count(*) FROM sync_items WHERE changes <> synced"),
              Count(store, "SELECT count(*) FROM items"));

    auto items = app.GetDefaultFolder(olFolderCalendar)->Items();
    items->SetIncludeRecurrences(true);
    int found = 0;
    for (auto item = items->Find("[Start] < " + std::to_string(Ole(2024, 1, 8)) + " AND [End] >= " +
                                 std::to_string(Ole(2024, 1, 1)));
         item; item = items->FindNext())
        ++found;
    EXPECT_EQ(found, 14 + 1);  // new-0 to new-6 and new-28 to new-34, and "series"
}

TEST_F(BulkLoadTest, RollbackForgetsTheLoadWithItsItems)
{
    TempStore store;
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
    Add(app, "before", Ole(2024, 1, 2, 9));
    const std::string before = Rows(store);
    {
        auto batch = app.BeginBatch(StoreBatch::Bulk);
        for (int i = 0; i < 5; ++i) Add(app, "dropped-" + std::to_string(i), Ole(2024, 1, 3 + i, 9));
    }
    EXPECT_EQ(Rows(store), before);
    Add(app, "after", Ole(2024, 2, 1, 9));
    EXPECT_EQ(Count(store, "SELECT count(*) FROM appointment_spans"), 2);
    EXPECT_EQ(Count(store, "SELECT count(*) FROM sync_items"), 2);
}

TEST_F(BulkLoadTest, AStoreOfTheVersionBeforeKeepsItsIndexAndLoadsInBulk)
{
    TempStore store;
    WriteOlderStore(store.File(), 5,
                    "INSERT INTO items(kind, subject, start_time, end_time, uid) "
                    "VALUES (1, 'old', 45300.375, 45300.5, 'old'), (2, 'old task', 0, 0, 'old-task')");
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
    Load(app, StoreBatch::Bulk, Add(app, "kept", Ole(2023, 5, 1, 9)), Add(app, "dropped", Ole(2023, 5, 2, 9)));
    EXPECT_EQ(Count(store, "SELECT count(*) FROM appointment_spans WHERE oid = 1"), 1);
    EXPECT_EQ(Count(store, "SELECT count(*) FROM appointment_spans"),
              Count(store, "SELECT count(*) FROM items WHERE kind = 1"));
    EXPECT_EQ(Count(store, "PRAGMA user_version"), kStoreSchemaVersion);
}
