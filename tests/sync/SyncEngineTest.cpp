// Two devices converge through one Radicale collection, with the store's own
// items and iCalendar layer on both sides.
#include <gtest/gtest.h>

#include <memory>

#include "platform/store/PoomRecurrencePattern.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/sync/SyncDevice.h"

namespace {

class SyncEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!server.Running()) GTEST_SKIP() << server.Why();
        url = server.MakeCalendar("cal");
        ASSERT_FALSE(url.empty());
        a = std::make_unique<SyncDevice>(folder.Root() / "a.vol", url);
        b = std::make_unique<SyncDevice>(folder.Root() / "b.vol", url);
    }

    void SyncBoth()
    {
        SyncSummary summary = a->Sync();
        ASSERT_TRUE(summary.ok) << summary.error;
        summary = b->Sync();
        ASSERT_TRUE(summary.ok) << summary.error;
    }

    std::vector<std::string> Month(SyncDevice& device) { return device.Occurrences(Ole(2026, 1, 1), Ole(2026, 2, 1)); }

    RadicaleServer server;
    TempDevice folder;
    std::string url;
    std::unique_ptr<SyncDevice> a;
    std::unique_ptr<SyncDevice> b;
};

using Subjects = std::vector<std::string>;

TEST_F(SyncEngineTest, TwoDevicesConvergeThroughAddsEditsDeletesAndConflicts)
{
    const CEOID meeting = a->Add("회의", Ole(2026, 1, 5, 10));
    const CEOID lunch = a->Add("점심", Ole(2026, 1, 6, 12));
    SyncSummary summary = a->Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.pushed, 2);
    summary = b->Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.pulled, 2);
    EXPECT_EQ(Month(*b), Month(*a));
    EXPECT_EQ(Month(*b).size(), 2u);

    // An edit and a deletion on one side, an addition on the other.
    a->Rename(meeting, "회의 2시");
    a->app.GetItemFromOid(lunch)->Delete();
    b->Add("저녁", Ole(2026, 1, 7, 19));
    SyncBoth();
    ASSERT_TRUE(a->Sync().ok);
    EXPECT_EQ(b->Subjects(), (Subjects{"저녁", "회의 2시"}));
    EXPECT_EQ(Month(*a), Month(*b));

    // The same item changed on both sides: the server's version wins in place,
    // the other is kept beside it and reaches the other device too.
    b->Rename(b->Same(*a, meeting), "회의 3시");
    a->Rename(meeting, "회의 4시");
    ASSERT_TRUE(a->Sync().ok);
    summary = b->Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.conflicts, 1);
    EXPECT_EQ(b->Subjects(), (Subjects{"저녁", "회의 3시 (충돌)", "회의 4시"}));
    ASSERT_TRUE(a->Sync().ok);
    EXPECT_EQ(Month(*a), Month(*b));
    EXPECT_EQ(a->Subjects(), b->Subjects());

    // Nothing changed: one request for the collection.
    summary = a->Sync();
    ASSERT_TRUE(summary.ok && summary.pulled == 0 && summary.pushed == 0) << summary.Line();
    EXPECT_EQ(a->lastRequests, 1);
}

// A weekly series with one occurrence moved and renamed and one deleted goes
// over as one resource and shows the same on the other device; an edit to the
// exception there comes back.
TEST_F(SyncEngineTest, SeriesWithChangedAndDeletedOccurrencesTravelsWhole)
{
    auto series = a->app.CreateItem(olAppointmentItem);
    auto* appointment = series->AsAppointment();
    appointment->SetSubject("스탠드업");
    appointment->SetStart(Ole(2026, 1, 5, 9));
    appointment->SetDuration(15);
    auto* pattern = appointment->GetRecurrencePattern();
    pattern->SetRecurrenceType(olRecursWeekly);
    pattern->SetDayOfWeekMask(2 | 8);  // Monday, Wednesday
    pattern->SetOccurrences(8);
    ASSERT_TRUE(appointment->Save()) << appointment->LastError();
    auto moved = pattern->GetOccurrence(Ole(2026, 1, 7));
    ASSERT_TRUE(moved);
    moved->SetSubject("스탠드업 (목요일로)");
    moved->SetStart(Ole(2026, 1, 8, 10));
    ASSERT_TRUE(moved->Save()) << moved->LastError();
    auto gone = pattern->GetOccurrence(Ole(2026, 1, 12));
    ASSERT_TRUE(gone);
    ASSERT_TRUE(gone->Delete());
    ASSERT_EQ(Month(*a).size(), 7u);

    SyncSummary summary = a->Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.pushed, 1);
    summary = b->Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.pulled, 1);
    EXPECT_EQ(b->Subjects(), (Subjects{"스탠드업"}));
    EXPECT_EQ(Month(*b), Month(*a));

    auto onB = b->app.GetItemFromOid(b->Same(*a, series->Oid()));
    ASSERT_TRUE(onB);
    auto exception = onB->AsAppointment()->GetRecurrencePattern()->GetOccurrence(Ole(2026, 1, 8));
    ASSERT_TRUE(exception);
    exception->SetSubject("스탠드업 (목요일 11시)");
    exception->SetStart(Ole(2026, 1, 8, 11));
    ASSERT_TRUE(exception->Save()) << exception->LastError();
    SyncBoth();
    ASSERT_TRUE(a->Sync().ok);
    const auto onA = Month(*a);
    EXPECT_EQ(onA, Month(*b));
    EXPECT_NE(std::find(onA.begin(), onA.end(), std::to_string(Ole(2026, 1, 8, 11)) + " 스탠드업 (목요일 11시)"),
              onA.end());
}

TEST_F(SyncEngineTest, ServerDeletionOfAnEditedItemKeepsTheEdit)
{
    const CEOID note = a->Add("메모", Ole(2026, 1, 9, 8));
    SyncBoth();
    b->app.GetItemFromOid(b->Same(*a, note))->Delete();
    ASSERT_TRUE(b->Sync().ok);
    a->Rename(note, "메모 고침");
    SyncBoth();
    EXPECT_EQ(b->Subjects(), (Subjects{"메모 고침"}));
}

} // namespace
