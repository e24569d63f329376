#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/store/PoomApplication.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

class PoomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("DAYVANE_NOW", "2024-01-10T12:00:00", 1);
        ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
    }
    void TearDown() override { unsetenv("DAYVANE_NOW"); }

    CEOID AddAppointment(const std::string& subject, double start, double end)
    {
        auto item = app.CreateItem(olAppointmentItem);
        auto* appt = item->AsAppointment();
        appt->SetSubject(subject);
        appt->SetStart(start);
        appt->SetEnd(end);
        EXPECT_TRUE(appt->Save()) << appt->LastError();
        return appt->Oid();
    }

    // Occurrence starts and subjects found for [from, to), sorted by start.
    std::vector<std::pair<double, std::string>> Week(double from, double to, bool recurrences = true)
    {
        auto items = app.GetDefaultFolder(olFolderCalendar)->Items();
        EXPECT_TRUE(items->Sort("[Start]", false));
        items->SetIncludeRecurrences(recurrences);
        std::vector<std::pair<double, std::string>> found;
        const std::string text = "[Start] < " + std::to_string(to) + " AND [End] >= " + std::to_string(from);
        for (auto item = items->Find(text); item; item = items->FindNext())
            found.emplace_back(item->AsAppointment()->Start(), item->Subject());
        EXPECT_EQ(items->LastError(), "");
        return found;
    }

    TempStore store;
    PoomApplication app;
};

} // namespace

TEST_F(PoomTest, ItemsKeepTheirPropertiesAndOnlySaveWrites)
{
    auto item = app.CreateItem(olAppointmentItem);
    auto* appt = item->AsAppointment();
    ASSERT_NE(appt, nullptr);
    appt->SetSubject("치과 예약");
    appt->SetLocation("강남");
    appt->SetStart(Ole(2024, 1, 10, 9, 0));
    appt->SetDuration(90);
    appt->SetReminderSet(true);
    appt->SetReminderMinutesBeforeStart(30);
    appt->SetBodyInk({1, 2, 3});
    EXPECT_EQ(appt->End(), Ole(2024, 1, 10, 10, 30));
    EXPECT_EQ(appt->Oid(), 0u);
    EXPECT_TRUE(Week(Ole(2024, 1, 8), Ole(2024, 1, 15)).empty());
    ASSERT_TRUE(appt->Save());

    auto again = app.GetItemFromOid(appt->Oid());
    ASSERT_TRUE(again);
    auto* stored = again->AsAppointment();
    EXPECT_EQ(stored->Subject(), "치과 예약");
    EXPECT_EQ(stored->Location(), "강남");
    EXPECT_EQ(stored->Start(), Ole(2024, 1, 10, 9, 0));
    EXPECT_EQ(stored->Duration(), 90);
    EXPECT_TRUE(stored->ReminderSet());
    EXPECT_EQ(stored->ReminderMinutesBeforeStart(), 30);
    EXPECT_EQ(stored->BodyInk(), (Bytes{1, 2, 3}));
    EXPECT_FALSE(stored->IsRecurring());

    // Moving the start keeps the length; an end before the start is refused.
    stored->SetStart(Ole(2024, 1, 11, 14, 0));
    EXPECT_EQ(stored->End(), Ole(2024, 1, 11, 15, 30));
    stored->SetEnd(Ole(2024, 1, 11, 13, 0));
    EXPECT_FALSE(stored->Save());
    EXPECT_FALSE(stored->LastError().empty());
    EXPECT_FALSE(app.GetItemFromOid(0xDEAD));
}

TEST_F(PoomTest, FindHonoursTheWeekBoundariesAndExpandsSeries)
{
    const double monday = Ole(2024, 1, 8), nextMonday = Ole(2024, 1, 15);
    AddAppointment("일요일", Ole(2024, 1, 7, 9), Ole(2024, 1, 7, 10));
    AddAppointment("자정까지", Ole(2024, 1, 7, 22), monday);
    AddAppointment("다음주", nextMonday, Ole(2024, 1, 15, 1));
    AddAppointment("수요일", Ole(2024, 1, 10, 9), Ole(2024, 1, 10, 10));

    auto item = app.CreateItem(olAppointmentItem);
    auto* daily = item->AsAppointment();
    daily->SetSubject("조깅");
    daily->SetStart(Ole(2023, 12, 1, 7, 0));
    daily->SetDuration(30);
    daily->GetRecurrencePattern()->SetRecurrenceType(olRecursDaily);
    ASSERT_TRUE(daily->Save()) << daily->LastError();
    EXPECT_TRUE(daily->IsRecurring());

    const auto week = Week(monday, nextMonday);
    ASSERT_EQ(week.size(), 9u);
    EXPECT_EQ(week[0], std::make_pair(Ole(2024, 1, 7, 22), std::string("자정까지")));
    for (int day = 0; day < 7; ++day) {
        const auto& [start, subject] = week[day + (day >= 3 ? 2 : 1)];
        EXPECT_EQ(start, Ole(2024, 1, 8 + day, 7, 0));
        EXPECT_EQ(subject, "조깅");
    }
    EXPECT_EQ(week[4].second, "수요일");

    // Without recurrences a series is one item, tested on its own dates.
    EXPECT_EQ(Week(monday, nextMonday, false).size(), 2u);
    EXPECT_EQ(Week(Ole(2023, 12, 1), Ole(2023, 12, 2), false).size(), 1u);
}

TEST_F(PoomTest, OccurrencesChangeAndDeleteAlone)
{
    auto item = app.CreateItem(olAppointmentItem);
    auto* series = item->AsAppointment();
    series->SetSubject("스탠드업");
    series->SetStart(Ole(2024, 1, 8, 9, 0));
    series->SetDuration(15);
    auto* pattern = series->GetRecurrencePattern();
    pattern->SetRecurrenceType(olRecursWeekly);
    pattern->SetDayOfWeekMask(2 | 8 | 32);  // Monday, Wednesday, Friday
    pattern->SetOccurrences(6);
    ASSERT_TRUE(series->Save()) << series->LastError();
    EXPECT_EQ(pattern->PatternEndDate(), Ole(2024, 1, 19));
    // The other way round: ending by date gives the count.
    pattern->SetPatternEndDate(Ole(2024, 1, 31));
    ASSERT_TRUE(series->Save()) << series->LastError();
    EXPECT_EQ(pattern->Occurrences(), 11);
    pattern->SetOccurrences(6);
    ASSERT_TRUE(series->Save()) << series->LastError();

    auto moved = pattern->GetOccurrence(Ole(2024, 1, 10, 23, 0));
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->Oid(), series->Oid());
    EXPECT_TRUE(moved->IsRecurring());
    moved->SetSubject("스탠드업 (목요일로)");
    moved->SetStart(Ole(2024, 1, 11, 10, 0));
    ASSERT_TRUE(moved->Save()) << moved->LastError();

    auto gone = pattern->GetOccurrence(Ole(2024, 1, 12));
    ASSERT_TRUE(gone);
    ASSERT_TRUE(gone->Delete());
    EXPECT_FALSE(pattern->GetOccurrence(Ole(2024, 1, 12)));
    EXPECT_FALSE(pattern->GetOccurrence(Ole(2024, 1, 9)));  // a Tuesday

    const auto week = Week(Ole(2024, 1, 8), Ole(2024, 1, 15));
    ASSERT_EQ(week.size(), 2u);
    EXPECT_EQ(week[0], std::make_pair(Ole(2024, 1, 8, 9), std::string("스탠드업")));
    EXPECT_EQ(week[1], std::make_pair(Ole(2024, 1, 11, 10), std::string("스탠드업 (목요일로)")));
    auto onThursday = pattern->GetOccurrence(Ole(2024, 1, 11));
    ASSERT_TRUE(onThursday);
    EXPECT_EQ(onThursday->Subject(), "스탠드업 (목요일로)");
    EXPECT_EQ(pattern->Exceptions().size(), 2u);
    EXPECT_EQ(Week(Ole(2024, 1, 15), Ole(2024, 1, 22)).size(), 3u);

    // A new pattern makes the old exceptions meaningless: they go.
    pattern->SetInterval(2);
    ASSERT_TRUE(series->Save());
    EXPECT_TRUE(pattern->Exceptions().empty());
}

TEST_F(PoomTest, CopyDeleteAndNamedProperties)
{
    std::vector<CEPROPID> ids;
    EXPECT_FALSE(app.GetIDsFromNames({kItemColorName}, CEVT_UI4, ids));  // missing, not created
    ASSERT_TRUE(app.GetIDsFromNames({kItemColorName}, kItemColorFlags, ids));
    const CEPROPID color = ids[0];
    EXPECT_EQ(TypeFromPropId(color), CEVT_UI4);
    EXPECT_FALSE(app.GetIDsFromNames({kItemColorName}, PIM_CREATE | CEVT_LPWSTR, ids));  // other type

    const CEOID oid = AddAppointment("원본", Ole(2024, 1, 9, 9), Ole(2024, 1, 9, 11));
    auto item = app.GetItemFromOid(oid);
    CEPROPVAL value;
    value.propid = color;
    value.val.ulVal = 0x00FF8040;
    ASSERT_TRUE(item->SetProps(1, &value));
    ASSERT_TRUE(item->Save());

    auto copy = item->Copy();
    ASSERT_TRUE(copy);
    EXPECT_NE(copy->Oid(), oid);
    auto stored = app.GetItemFromOid(copy->Oid());
    EXPECT_EQ(stored->Subject(), "원본");
    EXPECT_EQ(stored->AsAppointment()->End(), Ole(2024, 1, 9, 11));
    CEPROPVAL* values = nullptr;
    uint32_t size = 0;
    ASSERT_TRUE(stored->GetProps(&color, 1, &values, &size));
    EXPECT_EQ(values[0].wFlags, 0);
    EXPECT_EQ(values[0].val.ulVal, 0x00FF8040u);
    std::free(values);

    ASSERT_TRUE(item->Delete());
    EXPECT_FALSE(app.GetItemFromOid(oid));
    EXPECT_FALSE(item->Save());  // a deleted item does not come back
    EXPECT_TRUE(app.GetItemFromOid(copy->Oid()));

    auto fresh = app.CreateItem(olTaskItem);
    ASSERT_TRUE(fresh->GetProps(&color, 1, &values, &size));
    EXPECT_EQ(values[0].wFlags, CEDB_PROPNOTFOUND);
    std::free(values);
}

TEST_F(PoomTest, TasksCompleteAndRecur)
{
    auto item = app.CreateItem(olTaskItem);
    auto* plain = item->AsTask();
    plain->SetSubject("보고서");
    plain->SetDueDate(Ole(2024, 1, 5));
    plain->SetComplete(true);
    ASSERT_TRUE(plain->Save());
    EXPECT_EQ(plain->DateCompleted(), Ole(2024, 1, 10));  // today
    EXPECT_FALSE(plain->SkipRecurrence());
    plain->SetComplete(false);
    ASSERT_TRUE(plain->Save());
    EXPECT_EQ(plain->DateCompleted(), kNoDate);

    auto weeklyItem = app.CreateItem(olTaskItem);
    auto* weekly = weeklyItem->AsTask();
    weekly->SetSubject("분리수거");
    weekly->SetStartDate(Ole(2024, 1, 1));
    weekly->SetDueDate(Ole(2024, 1, 2));
    auto* pattern = weekly->GetRecurrencePattern();
    pattern->SetRecurrenceType(olRecursWeekly);
    pattern->SetDayOfWeekMask(4);  // Tuesdays
    pattern->SetOccurrences(3);
    ASSERT_TRUE(weekly->Save()) << weekly->LastError();

    ASSERT_TRUE(weekly->SkipRecurrence()) << weekly->LastError();
    EXPECT_EQ(weekly->DueDate(), Ole(2024, 1, 9));
    EXPECT_EQ(weekly->StartDate(), Ole(2024, 1, 8));

    // Completing keeps a finished copy and moves the series on.
    weekly->SetComplete(true);
    ASSERT_TRUE(weekly->Save()) << weekly->LastError();
    EXPECT_FALSE(weekly->Complete());
    EXPECT_EQ(weekly->DueDate(), Ole(2024, 1, 16));
    auto tasks = app.GetDefaultFolder(olFolderTasks)->Items();
    ASSERT_EQ(tasks->Count(), 3);
    auto done = tasks->Item(3);
    EXPECT_EQ(done->Subject(), "분리수거");
    EXPECT_TRUE(done->AsTask()->Complete());
    EXPECT_FALSE(done->IsRecurring());
    EXPECT_EQ(done->AsTask()->DueDate(), Ole(2024, 1, 9));

    // The last occurrence has nothing to move on to: the task itself completes.
    EXPECT_FALSE(weekly->SkipRecurrence());
    weekly->SetComplete(true);
    ASSERT_TRUE(weekly->Save());
    EXPECT_TRUE(weekly->Complete());
    EXPECT_FALSE(weekly->IsRecurring());
    EXPECT_EQ(app.GetDefaultFolder(olFolderTasks)->Items()->Count(), 3);
}

TEST_F(PoomTest, DatesOutsideWhatTheSystemHoldsAreRefusedOnSave)
{
    auto appointmentSaves = [&](double start, double end) {
        auto item = app.CreateItem(olAppointmentItem);
        item->AsAppointment()->SetStart(start);
        item->AsAppointment()->SetEnd(end);
        const bool saved = item->Save();
        if (!saved) {
            EXPECT_NE(item->LastError().find("1970-01-02부터 2105-12-31까지"), std::string::npos);
        }
        return saved;
    };
    EXPECT_TRUE(appointmentSaves(Ole(1970, 1, 2), Ole(1970, 1, 2, 1)));
    EXPECT_TRUE(appointmentSaves(Ole(2105, 12, 31), Ole(2106, 1, 1)));  // the last day, all day
    EXPECT_FALSE(appointmentSaves(Ole(1970, 1, 1, 23), Ole(1970, 1, 2, 1)));
    EXPECT_FALSE(appointmentSaves(Ole(2105, 12, 31, 23), Ole(2106, 1, 1, 1)));
    EXPECT_FALSE(appointmentSaves(Ole(3001, 1, 1, 9), Ole(3001, 1, 1, 10)));

    auto taskSaves = [&](double start, double due) {
        auto item = app.CreateItem(olTaskItem);
        item->AsTask()->SetStartDate(start);
        item->AsTask()->SetDueDate(due);
        return item->Save();
    };
    EXPECT_TRUE(taskSaves(kNoDate, kNoDate));
    EXPECT_TRUE(taskSaves(Ole(1970, 1, 2), Ole(2105, 12, 31)));
    EXPECT_FALSE(taskSaves(kNoDate, Ole(2106, 1, 1)));
    EXPECT_FALSE(taskSaves(Ole(1969, 12, 31), kNoDate));

    // A changed occurrence goes through the same gate.
    const CEOID oid = AddAppointment("매일", Ole(2024, 1, 8, 9), Ole(2024, 1, 8, 10));
    auto series = app.GetItemFromOid(oid);
    series->GetRecurrencePattern()->SetRecurrenceType(olRecursDaily);
    ASSERT_TRUE(series->Save()) << series->LastError();
    auto occurrence = series->GetRecurrencePattern()->GetOccurrence(Ole(2024, 1, 9));
    ASSERT_NE(occurrence, nullptr);
    occurrence->SetStart(Ole(3001, 1, 9, 9));
    EXPECT_FALSE(occurrence->Save());
    EXPECT_EQ(Week(Ole(2024, 1, 9), Ole(2024, 1, 10)).size(), 1u);
}
