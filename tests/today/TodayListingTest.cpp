// The lists of the Today items over a real store: what is listed, in what
// order, with which texts, and how many are kept.
#include <gtest/gtest.h>

#include "calendar/Anniversary.h"
#include "pim/time/TimeValue.h"
#include "platform/registry/PlatformRegistry.h"
#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"
#include "tests/platform/time/TimeTestUtil.h"
#include "tests/today/TodayStore.h"
#include "today/listing/TodayCalendar.h"
#include "today/listing/TodayHeight.h"
#include "today/listing/TodayTasks.h"
#include "today/listing/TodayText.h"

namespace {

TodayClock ClockAt(const SolarDate& day, int hour, int minute = 0)
{
    return {day, TimeFromFields(day.year, day.month, day.day, hour, minute, 0)};
}

std::vector<std::string> Lines(const TodayEntries& entries)
{
    std::vector<std::string> lines;
    for (const TodayEntry& entry : entries)
        lines.push_back(entry.secondLine.empty() ? entry.firstLine : entry.firstLine + " | " + entry.secondLine);
    return lines;
}

using Strings = std::vector<std::string>;

// Runs a test in a named zone; the zone record is read again afterwards.
class InZone {
public:
    explicit InZone(const char* zone) : m_env("TZ", zone) { SetZoneForTesting(nullptr); }
    ~InZone() { SetZoneForTesting(nullptr); }

private:
    ScopedEnv m_env;
};

class TodayCalendarTest : public ::testing::Test {
protected:
    TodayEntries Load(const TodayClock& clock, int period = 7, int count = -1)
    {
        return LoadTodayCalendar({period, count, {}}, clock, anniversaries, &store.Poom());
    }

    TodayStore store;
    AnniversaryList anniversaries;
    const SolarDate sunday{2026, 12, 6};
};

TEST(TodayTextTest, TimesOnTheTwelveHourClock)
{
    EXPECT_EQ(FormatTodayTime(13, 5), "오후1:05");
    EXPECT_EQ(FormatTodayTime(0, 0), "오전12:00");
    EXPECT_EQ(FormatTodayTime(11, 59), "오전11:59");
    EXPECT_EQ(FormatTodayTime(12, 30), "오후12:30");
}

TEST_F(TodayCalendarTest, TimedAllDayAndEndedAppointments)
{
    store.AddAppointment("Review", AddDays(sunday, 1), 9 * 60, 10 * 60 + 30, "Room 2");
    store.AddAppointment("Breakfast", sunday, 7 * 60, 8 * 60);  // ended an hour ago
    store.AddAllDay("Fair", sunday, 1, "Hall");
    store.AddAllDay("Trip", AddDays(sunday, -2), 4);             // still running
    store.AddAllDay("Yesterday", AddDays(sunday, -1), 1);        // over at midnight
    EXPECT_EQ(Lines(Load(ClockAt(sunday, 9))),
              (Strings{"<< Trip", "Fair, Hall", "내일(월):Review | 오전9:00-오전10:30, Room 2"}));
}

TEST_F(TodayCalendarTest, ASeriesShowsOnceWithItsNextOccurrence)
{
    store.AddDaily("Standup", AddDays(sunday, -3), 8 * 60, 8 * 60 + 15, 30);
    EXPECT_EQ(Lines(Load(ClockAt(sunday, 7))), (Strings{"Standup | 오전8:00-오전8:15"}));
    // Today's has ended: tomorrow's is next, rather than the series vanishing.
    EXPECT_EQ(Lines(Load(ClockAt(sunday, 9))), (Strings{"내일(월):Standup | 오전8:00-오전8:15"}));
}

TEST_F(TodayCalendarTest, TrimKeepsTheLeadingDayOrACount)
{
    store.AddAppointment("A", sunday, 10 * 60, 11 * 60);
    store.AddAppointment("B", sunday, 15 * 60, 16 * 60);
    store.AddAppointment("C", AddDays(sunday, 1), 9 * 60, 10 * 60);
    EXPECT_EQ(Load(ClockAt(sunday, 8), 7, 0).size(), 2u);
    EXPECT_EQ(Load(ClockAt(sunday, 8), 7, 3).size(), 3u);
    EXPECT_EQ(Load(ClockAt(sunday, 8), 7, 1).size(), 1u);

    // Only later days: the first of them is kept whole.
    const SolarDate earlier = AddDays(sunday, -2);
    EXPECT_EQ(Lines(Load(ClockAt(earlier, 8), 7, 0)), (Strings{"2일후(일):A | 오전10:00-오전11:00",
                                                                 "2일후(일):B | 오후3:00-오후4:00"}));
}

TEST_F(TodayCalendarTest, AnniversariesAndTheirMarksAroundTheRange)
{
    Anniversary yesterday;
    yesterday.year = 2000;
    yesterday.month = 12;
    yesterday.day = 5;
    yesterday.dayAfter = 1;
    yesterday.name = "결혼기념일";
    AddAnniversary(anniversaries, yesterday);
    Anniversary nextWeek = yesterday;
    nextWeek.day = 13;
    nextWeek.dayAfter = 0;
    nextWeek.dayBefore = 1;
    nextWeek.name = "생일";
    nextWeek.kind = kAnniversaryBirthday;
    AddAnniversary(anniversaries, nextWeek);

    // A one-day period still shows the day-after mark of yesterday's.
    const auto today = Load(ClockAt(sunday, 9), 1);
    ASSERT_EQ(today.size(), 1u);
    EXPECT_EQ(today[0].firstLine.rfind("결혼기념일다음", 0), 0u) << today[0].firstLine;
    EXPECT_EQ(today[0].allDay, 1);
    EXPECT_EQ(today[0].id, 0);

    // Saturday's day-before mark falls inside a week from Sunday; the birthday itself does not.
    const auto week = Lines(Load(ClockAt(sunday, 9), 7));
    ASSERT_EQ(week.size(), 2u);
    EXPECT_EQ(week[1].rfind("6일후(토):생일이전", 0), 0u) << week[1];
}

TEST_F(TodayCalendarTest, NoStoreStillListsAnniversaries)
{
    Anniversary today;
    today.month = 12;
    today.day = 6;
    today.name = "기념";
    AddAnniversary(anniversaries, today);
    EXPECT_EQ(Lines(LoadTodayCalendar({7, 0, {}}, ClockAt(sunday, 9), anniversaries, nullptr)), (Strings{"기념"}));
}

// Autumn in London: the Sunday has 25 hours. Counting 86,400-second days
// would end the range an hour early and call Tuesday "2일후".
TEST_F(TodayCalendarTest, DaysAreCalendarDaysAcrossTheAutumnChange)
{
    InZone london("Europe/London");
    const SolarDate saturday{2026, 10, 24};
    store.AddAppointment("Late", AddDays(saturday, 6), 23 * 60 + 30, 23 * 60 + 45);
    store.AddAppointment("Tuesday", AddDays(saturday, 3), 0, 30);
    store.AddAppointment("Beyond", AddDays(saturday, 7), 0, 30);
    EXPECT_EQ(Lines(Load(ClockAt(saturday, 12))),
              (Strings{"3일후(화):Tuesday | 오전12:00-오전12:30", "6일후(금):Late | 오후11:30-오후11:45"}));
}

// Spring in New York: the Sunday has 23 hours, so Monday is two days away.
TEST_F(TodayCalendarTest, DaysAreCalendarDaysAcrossTheSpringChange)
{
    InZone newYork("America/New_York");
    const SolarDate saturday{2026, 3, 7};
    store.AddAllDay("Holiday", AddDays(saturday, 2), 1);
    store.AddAppointment("Sunday", AddDays(saturday, 1), 10 * 60, 11 * 60);
    EXPECT_EQ(Lines(Load(ClockAt(saturday, 12))), (Strings{"내일(일):Sunday | 오전10:00-오전11:00", "2일후(월):Holiday"}));
    const auto tasks = [&] {
        store.AddTask({"Due Monday", olImportanceNormal, {}, AddDays(saturday, 2), false});
        return Lines(LoadTodayTasks({7, false}, ClockAt(saturday, 12), store.TasksDb()));
    }();
    EXPECT_EQ(tasks, (Strings{"2일후(월):Due Monday"}));
}

TEST(TodayEntryTest, EndedEntriesAndOrder)
{
    const SolarDate day{2026, 12, 6};
    const TodayClock clock = ClockAt(day, 12);
    TodayEntries entries;
    const TimeValue noon = clock.now;
    AddTodayEntry(entries, clock, 1, "b", "", noon, noon + 60, 0);
    AddTodayEntry(entries, clock, 2, "a", "", noon - 3600, noon - 60, 0);
    AddTodayEntry(entries, clock, 3, "c", "", noon, noon, 1);  // equal start: after
    EXPECT_EQ((std::vector<int>{entries[0].id, entries[1].id, entries[2].id}), (std::vector<int>{2, 1, 3}));
    EXPECT_TRUE(TodayEntryEnded(entries[0], clock));
    EXPECT_FALSE(TodayEntryEnded(entries[1], clock));
    EXPECT_FALSE(TodayEntryEnded(entries[2], clock));  // all-day: ends with the day
    EXPECT_TRUE(TodayEntryEnded(entries[2], ClockAt(AddDays(day, 1), 0)));
}

class TodayTaskTest : public ::testing::Test {
protected:
    Strings Load(TodayTaskOptions options = {}) { return Lines(LoadTodayTasks(options, ClockAt(monday, 9), store.TasksDb())); }

    TodayStore store;
    const SolarDate monday{2026, 12, 7};
};

TEST_F(TodayTaskTest, OpenBegunTasksRankedWithTheirDays)
{
    store.AddTask({"Overdue done", olImportanceHigh, {}, AddDays(monday, -5), true});
    store.AddTask({"Later", olImportanceNormal, AddDays(monday, 1), {}, false});
    store.AddTask({"In three", olImportanceNormal, {}, AddDays(monday, 3), false});
    store.AddTask({"Undated", olImportanceNormal, {}, {}, false});
    store.AddTask({"Tomorrow", olImportanceNormal, monday, AddDays(monday, 1), false});
    store.AddTask({"Late", olImportanceLow, {}, AddDays(monday, -2), false});
    store.AddTask({"Urgent", olImportanceHigh, {}, AddDays(monday, 9), false});
    store.AddTask({"Today", olImportanceNormal, {}, monday, false});
    EXPECT_EQ(Load(), (Strings{"9일후(수):↑Urgent", "Today", "1일후(화):Tomorrow", "3일후(목):In three", "Undated",
                               "2일지연:↓Late"}));
    EXPECT_EQ(Load({7, true}), (Strings{"9일후(수):↑Urgent", "Today", "1일후(화):Tomorrow", "3일후(목):In three",
                                        "2일지연:↓Late"}));
    EXPECT_EQ(Load({2, false}).size(), 2u);
    EXPECT_TRUE(Load({0, false}).empty());
}

TEST_F(TodayTaskTest, DefaultsKeepSevenAndAMissingDatabaseListsNothing)
{
    for (int i = 0; i < 9; ++i) store.AddTask({"t" + std::to_string(i), olImportanceNormal, {}, {}, false});
    EXPECT_EQ(Load(ReadTodayTaskOptions()).size(), 7u);
    EXPECT_TRUE(LoadTodayTasks({}, ClockAt(monday, 9), kInvalidDbHandle).empty());
}

TEST(TodaySettingsTest, DamagedValuesStayHarmless)
{
    TempDevice device;
    const CRegistry registry;
    registry.SetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayEventPeriod, 2000000000);
    EXPECT_EQ(ReadTodayCalendarOptions().period, kMaxTodayEventPeriod);
    registry.SetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayEventPeriod, -3);
    EXPECT_EQ(ReadTodayCalendarOptions().period, 0);
    // The birthday count follows the application's "AgeCount".
    EXPECT_EQ(ReadTodayCalendarOptions().anniversaries.age, AgeCounting::kKorean);
    registry.SetInt(kSettingsRoot, kSettingsKey, SettingName::kAgeCount, 1);
    EXPECT_EQ(ReadTodayCalendarOptions().anniversaries.age, AgeCounting::kFullYears);
    // A number where a folder belongs reads as no folder.
    registry.SetInt(HKEY_LOCAL_MACHINE, TodayItemKey(kVanecalItemName).c_str(), TodayItemValue::kAppPath, 5);
    EXPECT_EQ(ReadTodayAppPath(kVanecalItemName), "");
}

TEST(TodayHeightTest, HeightsAtTwoDensities)
{
    TodayEntries entries(2);
    entries[1].secondLine = "오전9:00-오전10:00";
    EXPECT_EQ(TodayCalendarHeight({}, 14, {96, 96}), 20);
    EXPECT_EQ(TodayCalendarHeight({}, 0, {192, 192}), 40);
    EXPECT_EQ(TodayCalendarHeight(entries, 14, {96, 96}), 2 + (14 + 4) + (28 + 4));
    EXPECT_EQ(TodayCalendarHeight(entries, 28, {192, 192}), 4 + (28 + 8) + (56 + 8));
    EXPECT_EQ(TodayTaskHeight(entries, 14, {96, 96}), 2 * 14 + 4);
    EXPECT_EQ(TodayTaskHeight({}, 14, {96, 96}), 20);
    EXPECT_EQ(TodayTextX({96, 96}), 28);
    EXPECT_EQ(TodayTwoLineX({96, 96}), 33);
    EXPECT_EQ(TodayIconWidth({192, 192}), 32);
}

} // namespace
