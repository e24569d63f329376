#include <gtest/gtest.h>

#include <algorithm>

#include "tests/views/week/WeekTestSupport.h"
#include "views/Markers.h"
#include "agenda/WeekEntries.h"

namespace {

// The week of Monday 9 March 2009; today is Wednesday the 11th.
class WeekEntriesTest : public ::testing::Test {
protected:
    WeekEntriesTest() { week.settings.m_24hour = 1; }

    WeekAppointment Appointment(const char* subject, double start, double end) {
        WeekAppointment appointment;
        appointment.oid = ++lastOid;
        appointment.subject = subject;
        appointment.start = start;
        appointment.end = end;
        return appointment;
    }
    WeekTask Task(const char* subject, double start, double due, int importance = 1) {
        WeekTask task;
        task.oid = ++lastOid;
        task.subject = subject;
        task.startDate = start;
        task.dueDate = due;
        task.completedDate = kNoDate;
        task.importance = importance;
        return task;
    }

    WeekContext week{{2009, 3, 9}, {2009, 3, 11}, Settings{}};
    WeekCells cells;
    int32_t lastOid = 100;
};

TEST_F(WeekEntriesTest, TimedAppointmentOverThreeDays) {
    WeekAppointment trip = Appointment("출장", Ole(2009, 3, 9, 22), Ole(2009, 3, 11, 8));
    trip.location = "부산";
    trip.reminderSet = true;
    AddAppointmentEntries(cells, week, trip);
    ASSERT_EQ(cells[0].size(), 1u);
    EXPECT_EQ(cells[0][0].leadText, "22:00");
    EXPECT_EQ(cells[0][0].rangeText, "22:00-8:00");
    EXPECT_EQ(cells[0][0].bodyText, "출장(부산)");
    EXPECT_EQ(cells[1][0].leadText, "<<");
    EXPECT_EQ(cells[1][0].bodyText, "출장 (부산)");
    EXPECT_EQ(cells[2][0].leadText, "<<");
    EXPECT_EQ(cells[2][0].bodyText, "출장 (~8:00)");
    EXPECT_TRUE(cells[3].empty());
    for (int day = 0; day < 3; ++day) {
        EXPECT_EQ(cells[day][0].oid, static_cast<CEOID>(trip.oid));
        EXPECT_EQ(cells[day][0].kind, kKindAppointment);
        EXPECT_EQ(cells[day][0].start, trip.start);  // the occurrence's start on every day
        EXPECT_EQ(cells[day][0].marks, kMarkReminder);
    }
}

TEST_F(WeekEntriesTest, SameDayAppointmentIn12HourForm) {
    week.settings.m_24hour = 0;
    WeekAppointment meeting = Appointment("회의", Ole(2009, 3, 12, 13, 30), Ole(2009, 3, 12, 14));
    meeting.location = "본사";
    meeting.hasNotes = true;
    meeting.recurring = true;
    meeting.color = 0x0000FF;
    AddAppointmentEntries(cells, week, meeting);
    ASSERT_EQ(cells[3].size(), 1u);
    EXPECT_EQ(cells[3][0].leadText, "1:30p");
    EXPECT_EQ(cells[3][0].rangeText, "1:30p-2:00p");
    EXPECT_EQ(cells[3][0].bodyText, "회의 (본사)");
    EXPECT_EQ(cells[3][0].marks, kMarkNotes | kMarkRecurring);
    EXPECT_EQ(cells[3][0].color, 0x0000FFu);
}

TEST_F(WeekEntriesTest, AllDayItemsOverTheWeekend) {
    week.settings.m_BoldAllDayEvent = 1;
    auto allDay = [&](const char* subject, double start, double end) {
        WeekAppointment appointment = Appointment(subject, start, end);
        appointment.allDay = true;
        return appointment;
    };
    AddAppointmentEntries(cells, week, allDay("캠핑", Ole(2009, 3, 14), Ole(2009, 3, 16)));
    ASSERT_EQ(cells[5].size(), 1u);
    EXPECT_EQ(cells[5][0].leadText, "(E)");
    EXPECT_EQ(cells[5][0].style, kStyleBold);
    ASSERT_EQ(cells[6].size(), 1u);
    EXPECT_EQ(cells[6][0].leadText, "<<");
    EXPECT_EQ(cells[6][0].style, 0u);

    // Begun the week before: continuation marks only. A zero-length all-day
    // item still shows on its day.
    WeekCells other;
    AddAppointmentEntries(other, week, allDay("휴가", Ole(2009, 3, 5), Ole(2009, 3, 11)));
    AddAppointmentEntries(other, week, allDay("점검", Ole(2009, 3, 13), Ole(2009, 3, 13)));
    for (size_t day : {0u, 1u}) {
        ASSERT_EQ(other[day].size(), 1u);
        EXPECT_EQ(other[day][0].leadText, "<<");
    }
    EXPECT_TRUE(other[2].empty());
    ASSERT_EQ(other[4].size(), 1u);
    EXPECT_EQ(other[4][0].leadText, "(E)");
}

TEST_F(WeekEntriesTest, OpenTasksOnTheirDaysAndOnToday) {
    std::vector<WeekTask> tasks;
    tasks.push_back(Task("세금", kNoDate, Ole(2009, 3, 9)));                // two days overdue
    tasks.push_back(Task("보고서", kNoDate, Ole(2009, 3, 14)));             // three days left
    tasks.push_back(Task("우편", kNoDate, Ole(2009, 3, 11)));               // due today
    tasks.push_back(Task("정리", kNoDate, kNoDate, 2));                 // undated, high
    tasks.push_back(Task("예약", Ole(2009, 3, 13), Ole(2009, 3, 20), 0));       // starts Friday
    tasks.push_back(Task("독서", Ole(2009, 3, 2), kNoDate));                // begun, no due
    week.settings.m_ShowTaskStart = 1;
    week.settings.m_BoldImportantTask = 1;
    for (const WeekTask& task : tasks) AddTaskEntries(cells, week, task);

    ASSERT_EQ(cells[0].size(), 1u);
    EXPECT_EQ(cells[0][0].leadText, "(T1)");
    EXPECT_EQ(cells[0][0].color, kOverdueTaskColor);
    ASSERT_EQ(cells[5].size(), 1u);
    EXPECT_EQ(cells[5][0].bodyText, "보고서");
    ASSERT_EQ(cells[4].size(), 1u);
    EXPECT_EQ(cells[4][0].leadText, "(T0)");
    EXPECT_EQ(cells[4][0].bodyText, "예약(~3/20)");
    EXPECT_EQ(cells[4][0].marks, kMarkLowImportance);

    const std::vector<ItemEntry>& today = cells[2];
    ASSERT_EQ(today.size(), 5u);
    EXPECT_EQ(today[0].bodyText, "세금(+2d)");
    EXPECT_EQ(today[0].color, kOverdueTaskColor);
    EXPECT_EQ(today[1].bodyText, "보고서(3d)");
    EXPECT_EQ(today[2].bodyText, "우편");  // once, by its due day
    EXPECT_EQ(today[3].leadText, "(FT2)");
    EXPECT_EQ(today[3].style, kStyleBold);
    EXPECT_EQ(today[3].marks, kMarkHighImportance);
    EXPECT_EQ(today[4].leadText, "(T1)");
    EXPECT_EQ(today[4].bodyText, "독서");
    for (const ItemEntry& entry : today) EXPECT_EQ(entry.kind, kKindTask);
}

TEST_F(WeekEntriesTest, CompletedTasksAndWeeksWithoutToday) {
    WeekTask done = Task("청소", kNoDate, Ole(2009, 3, 10), 0);
    done.complete = true;
    done.completedDate = Ole(2009, 3, 12);
    WeekTask undatedDone = Task("빨래", kNoDate, kNoDate);
    undatedDone.complete = true;
    undatedDone.completedDate = Ole(2009, 3, 12);
    AddTaskEntries(cells, week, done);
    AddTaskEntries(cells, week, undatedDone);
    ASSERT_EQ(cells[3].size(), 2u);
    EXPECT_EQ(cells[3][0].leadText, "(T0)");
    EXPECT_EQ(cells[3][0].style, kStyleCompleted);
    EXPECT_EQ(cells[3][0].color, kCompletedTaskColor);
    EXPECT_EQ(cells[3][1].leadText, "(FT1)");
    EXPECT_TRUE(cells[1].empty());  // not on its due day once done

    // Next week: an open task shows only on its due day there.
    WeekContext next = week;
    next.first = {2009, 3, 16};
    WeekCells later;
    AddTaskEntries(later, next, Task("보고서", kNoDate, Ole(2009, 3, 17)));
    AddTaskEntries(later, next, Task("정리", kNoDate, kNoDate));
    size_t total = 0;
    for (const auto& cell : later) total += cell.size();
    EXPECT_EQ(total, 1u);
    EXPECT_EQ(later[1][0].bodyText, "보고서");
}

TEST_F(WeekEntriesTest, AnniversariesWithNeighbourDaysAndPlaceholders) {
    AnniversaryList list;
    // Sunday the 15th, with both neighbour marks; a birthday of 1980.
    AddAnniversary(list, kAnniversaryBirthday, 1980, 3, 15, 1, 1, 0, 0, "엄마 생신", 0xFF);
    // The Sunday before and the Monday after the week mark days inside it.
    AddAnniversary(list, kAnniversaryByDate, 0, 3, 8, 0, 1, 0, 0, "A", 0);
    AddAnniversary(list, kAnniversaryByDate, 2009, 3, 16, 1, 0, 0, 0, "B", 0);

    const std::vector<WeekAppointment> appointments{
        Appointment("점심", Ole(2009, 3, 9, 12), Ole(2009, 3, 9, 13))};
    const WeekCells all = CollectWeekEntries(week, list, appointments, {});
    ASSERT_EQ(all[0].size(), 2u);
    EXPECT_EQ(all[0][0].bodyText, "A다음");
    EXPECT_EQ(all[0][0].kind, kKindAnniversary);
    EXPECT_EQ(all[0][0].oid, 1u);
    EXPECT_EQ(all[0][1].kind, kKindAppointment);  // anniversaries come first

    ASSERT_EQ(all[5].size(), 1u);
    EXPECT_EQ(all[5][0].bodyText, "엄마 생신이전(30세)");
    ASSERT_EQ(all[6].size(), 2u);
    EXPECT_EQ(all[6][0].leadText, "(E)");
    EXPECT_EQ(all[6][0].bodyText, "엄마 생신(30세)");
    EXPECT_EQ(all[6][0].color, 0xFFu);
    EXPECT_EQ(all[6][1].bodyText, "B이전(첫해)");
    EXPECT_TRUE(all[6][1].leadText.empty());

    for (int day : {1, 2, 3, 4}) {
        ASSERT_EQ(all[day].size(), 1u);
        EXPECT_EQ(all[day][0].leadText, "(NULL)");
        EXPECT_EQ(all[day][0].oid, kNoItem);
    }
}

}  // namespace

namespace {

// Whether a task shows decides whether its colour is read; it must agree with
// the entries the task gets, for every place its dates can fall.
TEST_F(WeekEntriesTest, TaskShowsExactlyWhenItGetsAnEntry) {
    const std::vector<double> dates{kNoDate,         Ole(2009, 3, 1, 0),  Ole(2009, 3, 9, 0),
                                    Ole(2009, 3, 10, 0), Ole(2009, 3, 11, 0), Ole(2009, 3, 12, 0),
                                    Ole(2009, 3, 15, 0), Ole(2009, 3, 20, 0)};
    int shown = 0;
    for (const SolarDate today : {SolarDate{2009, 3, 11}, SolarDate{2009, 3, 20}}) {
        week.today = today;
        for (int showStart = 0; showStart <= 1; ++showStart) {
            week.settings.m_ShowTaskStart = showStart;
            for (double start : dates)
                for (double due : dates)
                    for (double completed : dates) {
                        WeekTask task = Task("t", start, due);
                        task.complete = completed != kNoDate;
                        task.completedDate = completed;
                        WeekCells entries;
                        AddTaskEntries(entries, week, task);
                        const bool hasEntry = std::any_of(entries.begin(), entries.end(),
                                                          [](const auto& cell) { return !cell.empty(); });
                        shown += hasEntry ? 1 : 0;
                        EXPECT_EQ(TaskShowsInWeek(week, task), hasEntry)
                            << start << " " << due << " " << completed << " " << today.day << " " << showStart;
                    }
        }
    }
    EXPECT_GT(shown, 0);
}

}  // namespace

// Monday 6 May 2024 is the substitute for Children's Day on a Sunday: it shows
// in the week unless "ShowHolidays" is off.
TEST_F(WeekEntriesTest, SubstituteHolidayFollowsShowHolidays) {
    WeekContext may = week;
    may.first = {2024, 5, 6};
    may.today = {2024, 5, 6};
    const auto holidayTitles = [&](int32_t showHolidays) {
        may.settings.m_ShowHolidays = showHolidays;
        WeekCells collected = CollectWeekEntries(may, AnniversaryList{}, {}, {});
        std::vector<std::string> titles;
        for (const ItemEntry& entry : collected[0])
            if (entry.kind == kKindAnniversary) titles.push_back(entry.bodyText);
        return titles;
    };
    EXPECT_EQ(holidayTitles(1), std::vector<std::string>{"대체공휴일"});
    EXPECT_TRUE(holidayTitles(0).empty());
}
