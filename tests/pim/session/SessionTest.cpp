#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>

#include "pim/session/ItemDates.h"
#include "pim/session/NotesTest.h"
#include "pim/session/PimSession.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

// Weeks start on Monday 8 January 2024 and end on Sunday 14th at 23:59:59.
const TimeValue kWeekStart = TimeFromFields(2024, 1, 8, 0, 0, 0);
const TimeValue kWeekEnd = TimeFromFields(2024, 1, 14, 23, 59, 59);

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("DAYVANE_NOW", "2024-01-10T12:00:00", 1);
        ASSERT_TRUE(session.OpenPoom(nullptr)) << session.LastError();
        ASSERT_TRUE(session.OpenPimDatabases(&window)) << session.LastError();
    }
    void TearDown() override { unsetenv("DAYVANE_NOW"); }

    std::unique_ptr<PoomItem> Appointment(const std::string& subject, double start, double end)
    {
        auto item = session.CreateItem(olAppointmentItem);
        item->SetSubject(subject);
        item->AsAppointment()->SetStart(start);
        item->AsAppointment()->SetEnd(end);
        EXPECT_TRUE(item->Save());
        return item;
    }

    std::unique_ptr<PoomItem> Task(const std::string& subject, double start, double due, int importance = 1)
    {
        auto item = session.CreateItem(olTaskItem);
        auto* task = item->AsTask();
        task->SetSubject(subject);
        task->SetStartDate(start);
        task->SetDueDate(due);
        task->SetImportance(importance);
        EXPECT_TRUE(task->Save());
        return item;
    }

    std::vector<std::string> WeekTasks(WeekTaskOptions options = {})
    {
        std::vector<std::string> subjects;
        for (const TaskRecord& task : session.ReadWeekTasks(kWeekStart, kWeekEnd, options))
            subjects.push_back(task.subject);
        return subjects;
    }

    TempStore store;
    NoticeWindow window;  // outlives the session that posts to it
    PimSession session{store.File()};
};

} // namespace

TEST_F(SessionTest, WeekAppointmentsMeetTheWeekAndExpandSeries)
{
    EXPECT_EQ(WeekRestriction(OleFromTime(kWeekStart), OleFromTime(kWeekEnd)),
              "[Start] < <45306.00 AND [End] >= <45299.00");

    Appointment("일요일 아침", Ole(2024, 1, 7, 9), Ole(2024, 1, 7, 10));
    Appointment("자정에 끝남", Ole(2024, 1, 7, 23), Ole(2024, 1, 8));
    Appointment("일요일 밤", Ole(2024, 1, 14, 23, 30), Ole(2024, 1, 15, 0, 30));
    Appointment("다음 월요일", Ole(2024, 1, 15), Ole(2024, 1, 15, 1));
    auto series = session.CreateItem(olAppointmentItem);
    series->SetSubject("아침 운동");
    series->AsAppointment()->SetStart(Ole(2023, 11, 20, 6, 30));
    series->AsAppointment()->SetDuration(60);
    series->GetRecurrencePattern()->SetRecurrenceType(olRecursDaily);
    ASSERT_TRUE(series->Save());

    const auto found = session.FindWeekAppointments(kWeekStart, kWeekEnd);
    std::vector<std::string> subjects;
    for (const auto& appt : found) subjects.push_back(appt->Subject());
    EXPECT_EQ(subjects, (std::vector<std::string>{"자정에 끝남", "아침 운동", "아침 운동", "아침 운동", "아침 운동",
                                                  "아침 운동", "아침 운동", "아침 운동", "일요일 밤"}));
    for (int day = 0; day < 7; ++day) {
        EXPECT_EQ(found[1 + day]->Start(), Ole(2024, 1, 8 + day, 6, 30));
        EXPECT_EQ(found[1 + day]->Oid(), series->Oid());
    }
}

TEST_F(SessionTest, WeekTasksFollowTheVisibilityRules)
{
    Task("3주 전 작업", Ole(2023, 12, 18), Ole(2023, 12, 20));
    Task("다음 주 시작", Ole(2024, 1, 15), Ole(2024, 1, 16));
    Task("날짜 없음", kNoDate, kNoDate);
    Task("기한만", kNoDate, Ole(2024, 2, 1));
    auto doneThisWeek = Task("이번 주 완료", kNoDate, Ole(2024, 1, 9));
    ASSERT_TRUE(session.WriteCompletionDate(*doneThisWeek, TimeFromFields(2024, 1, 9, 0, 0, 0)));
    auto doneLastWeek = Task("지난 주 완료", kNoDate, Ole(2024, 1, 2));
    ASSERT_TRUE(session.WriteCompletionDate(*doneLastWeek, TimeFromFields(2024, 1, 3, 0, 0, 0)));

    // Open ones by due date (no date last), then the completed one.
    EXPECT_EQ(WeekTasks(), (std::vector<std::string>{"3주 전 작업", "기한만", "날짜 없음", "이번 주 완료"}));
    EXPECT_EQ(WeekTasks({false, false, false}), (std::vector<std::string>{"3주 전 작업", "기한만", "날짜 없음"}));
    EXPECT_EQ(WeekTasks({false, true, true}), (std::vector<std::string>{"3주 전 작업", "기한만", "이번 주 완료"}));
    EXPECT_TRUE(WeekTasks({true, true, false}).empty());

    // Complete without a completion date counts as open.
    {
        SQLite::Database db(store.File().string(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE items SET complete = 1 WHERE subject = '날짜 없음'");
    }
    const auto tasks = session.ReadWeekTasks(kWeekStart, kWeekEnd, {});
    ASSERT_EQ(tasks.size(), 4u);
    EXPECT_EQ(tasks[2].subject, "날짜 없음");
    EXPECT_FALSE(tasks[2].complete);
    EXPECT_TRUE(tasks[3].complete);
    EXPECT_EQ(tasks[3].completedDate, Ole(2024, 1, 9));
    EXPECT_EQ(tasks[3].oid, doneThisWeek->Oid());
}

TEST_F(SessionTest, WeekTasksComeInImportanceAndDueOrder)
{
    Task("보통 늦음", kNoDate, Ole(2024, 1, 20), 1);
    Task("보통 기한 없음", kNoDate, kNoDate, 1);
    Task("낮음", kNoDate, Ole(2024, 1, 1), 0);
    Task("보통 이름", kNoDate, Ole(2024, 1, 12), 1);
    auto done = Task("높음 완료", kNoDate, Ole(2024, 1, 1), 2);
    ASSERT_TRUE(session.WriteCompletionDate(*done, kWeekStart));
    Task("높음", kNoDate, Ole(2024, 1, 25), 2);
    Task("보통 이름 둘", kNoDate, Ole(2024, 1, 12), 1);

    EXPECT_EQ(WeekTasks(), (std::vector<std::string>{"높음", "보통 이름", "보통 이름 둘", "보통 늦음", "보통 기한 없음",
                                                     "낮음", "높음 완료"}));
}

TEST_F(SessionTest, TaskRecordsCarryFlagsNotesAndMissingSubjects)
{
    auto item = session.CreateItem(olTaskItem);
    auto* task = item->AsTask();
    task->SetDueDate(Ole(2024, 1, 10));
    task->SetReminderSet(true);
    task->SetBodyInk({0xFE, 0xFF, 0x41, 0x00, 0x00, 0x00});
    task->GetRecurrencePattern()->SetRecurrenceType(olRecursWeekly);
    ASSERT_TRUE(task->Save());
    auto plain = Task("메모 빈 것", kNoDate, Ole(2024, 1, 11));
    plain->SetBodyInk({0xFE, 0xFF, 0x0D, 0x00, 0x0A, 0x00, 0x00, 0x00});
    ASSERT_TRUE(plain->Save());

    const auto tasks = session.ReadWeekTasks(kWeekStart, kWeekEnd, {});
    ASSERT_EQ(tasks.size(), 2u);
    EXPECT_EQ(tasks[0].subject, "");
    EXPECT_TRUE(tasks[0].recurring);
    EXPECT_TRUE(tasks[0].reminder);
    EXPECT_TRUE(tasks[0].hasNotes);
    EXPECT_FALSE(tasks[1].recurring);
    EXPECT_FALSE(tasks[1].hasNotes);
    EXPECT_TRUE(session.HasNotes(*item));
    EXPECT_FALSE(session.HasNotes(*plain));
}

TEST(NotesTest, OnlyRealContentCounts)
{
    const uint8_t markOnly[] = {0xFE, 0xFF, 0x00, 0x00};
    const uint8_t markAndBreak[] = {0xFE, 0xFF, 0x0D, 0x00, 0x0A, 0x00, 0x00, 0x00};
    const uint8_t letter[] = {0xFE, 0xFF, 0x41, 0x00, 0x00, 0x00};
    EXPECT_FALSE(NotesBlockHasContent(markOnly, sizeof markOnly));
    EXPECT_FALSE(NotesBlockHasContent(markAndBreak, sizeof markAndBreak));
    EXPECT_FALSE(NotesBlockHasContent(letter, 0));
    EXPECT_TRUE(NotesBlockHasContent(letter, sizeof letter));
    EXPECT_TRUE(NotesBlockHasContent(markAndBreak, 6));  // a prefix is not the empty block

    CEBLOB blob{sizeof letter, letter};
    CEPROPVAL notes;
    notes.propid = PROPID_NOTES;
    notes.val.blob = &blob;
    EXPECT_TRUE(NotesPropertyHasContent(notes));
    notes.wFlags = CEDB_PROPDELETE;
    EXPECT_FALSE(NotesPropertyHasContent(notes));
    notes.wFlags = CEDB_PROPNOTFOUND;
    EXPECT_FALSE(NotesPropertyHasContent(notes));
}

TEST_F(SessionTest, NotesColourCompletionAndNotifications)
{
    auto appt = Appointment("색깔", Ole(2024, 1, 9, 9), Ole(2024, 1, 9, 10));
    EXPECT_EQ(session.GetItemColor(*appt), 0u);
    EXPECT_FALSE(session.HasNotes(*appt));
    ASSERT_TRUE(session.SetItemColor(*appt, 0x0000FF));
    EXPECT_EQ(session.GetItemColor(*appt), 0x0000FFu);  // before Save too
    appt->SetBodyInk({0xFE, 0xFF, 0x41, 0x00, 0x00, 0x00});
    ASSERT_TRUE(appt->Save());
    auto again = session.GetItemFromOid(appt->Oid());
    EXPECT_EQ(session.GetItemColor(*again), 0x0000FFu);
    EXPECT_TRUE(session.HasNotes(*again));

    auto task = Task("완료할 작업", kNoDate, Ole(2024, 1, 10));
    ASSERT_TRUE(session.WriteCompletionDate(*task, TimeFromFields(2024, 1, 11, 0, 0, 0)));
    EXPECT_EQ(session.GetItemFromOid(task->Oid())->AsTask()->DateCompleted(), Ole(2024, 1, 11));
    ASSERT_TRUE(task->Delete());
    EXPECT_FALSE(session.WriteCompletionDate(*task, kWeekStart));
    EXPECT_FALSE(session.WriteCompletionDate(*appt, kWeekStart));

    const auto notices = window.WaitFor([&](const std::vector<Notice>& n) {
        return std::any_of(n.begin(), n.end(), [&](const Notice& x) {
            return x.type == DB_CEOID_RECORD_DELETED && x.record == TaskRecordId(task->Oid());
        });
    });
    EXPECT_EQ(notices.front().type, DB_CEOID_CREATED);
    EXPECT_EQ(notices.front().record, AppointmentRecordId(appt->Oid()));
}
