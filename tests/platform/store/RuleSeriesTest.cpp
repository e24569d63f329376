#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/store/PoomApplication.h"
#include "platform/store/PoomItems.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "platform/store/RuleSeries.h"
#include "tests/platform/store/StoreTestSupport.h"
#include "tests/platform/time/TimeTestUtil.h"

namespace {

std::vector<std::string> Texts(const std::vector<double>& starts)
{
    std::vector<std::string> texts;
    for (double start : starts) {
        const auto st = OleToSystemTime(start);
        texts.push_back(st ? Text(*st).substr(0, 16) : "?");
    }
    return texts;
}

std::vector<std::string> Expand(const std::string& rules, double from, double to)
{
    return Texts(ExpandRuleSeries(rules, from, to).starts);
}

} // namespace

// A New York series seen from Seoul: its weekday and both zones' daylight
// saving follow the series' zone, the first occurrence included.
TEST(RuleSeries, ExpandsInTheSeriesZoneAndShowsDeviceTime)
{
    ScopedEnv tz("TZ", "Asia/Seoul");
    const std::string rules = "DTSTART;TZID=America/New_York:20250305T110000\r\n"
                              "RRULE:FREQ=WEEKLY;BYDAY=WE\r\n"
                              "EXDATE;TZID=America/New_York:20250319T110000\r\n";
    EXPECT_EQ(Expand(rules, Ole(2025, 3, 1), Ole(2025, 3, 28)),
              (std::vector<std::string>{"2025-03-06 01:00", "2025-03-13 00:00", "2025-03-27 00:00"}));
    // EXDATE in UTC after the change hits the same occurrence.
    const std::string utcExdate = "DTSTART;TZID=America/New_York:20250305T110000\r\n"
                                  "RRULE:FREQ=WEEKLY;BYDAY=WE\r\nEXDATE:20250319T150000Z\r\n";
    EXPECT_EQ(Expand(utcExdate, Ole(2025, 3, 19), Ole(2025, 3, 21)), std::vector<std::string>{});
}

TEST(RuleSeries, UntilIsAnInstant)
{
    ScopedEnv tz("TZ", "Asia/Seoul");
    const std::string rules = "DTSTART;TZID=Asia/Seoul:20250307T180000\r\nRRULE:FREQ=DAILY;UNTIL=20250310T000000Z\r\n";
    EXPECT_EQ(Expand(rules, Ole(2025, 3, 1), Ole(2025, 3, 20)),
              (std::vector<std::string>{"2025-03-07 18:00", "2025-03-08 18:00", "2025-03-09 18:00"}));
    const auto extent = RuleSeriesExtent(rules);
    ASSERT_TRUE(extent && extent->last);
    EXPECT_GE(*extent->last, Ole(2025, 3, 9, 18));
}

// Walking from near a late window keeps the rule's phase and sets.
TEST(RuleSeries, LateWindowsMatchAWalkFromTheStart)
{
    ScopedEnv tz("TZ", "Europe/London");
    for (const char* rule : {"FREQ=WEEKLY;INTERVAL=2;BYDAY=TU,TH;WKST=MO", "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2",
                             "FREQ=MONTHLY;BYMONTHDAY=1,15", "FREQ=YEARLY;BYWEEKNO=20;BYDAY=MO",
                             "FREQ=MONTHLY;INTERVAL=3;BYMONTHDAY=10", "FREQ=MONTHLY;BYMONTHDAY=31",
                             "FREQ=DAILY;INTERVAL=3", "FREQ=WEEKLY;INTERVAL=3;BYDAY=MO,SU;WKST=SU",
                             "FREQ=MONTHLY;INTERVAL=2;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=1,-1",
                             "FREQ=YEARLY;INTERVAL=7;BYMONTH=3;BYDAY=-1SU", "FREQ=HOURLY;INTERVAL=13",
                             "FREQ=MINUTELY;INTERVAL=1001"}) {
        const std::string rules = std::string("DTSTART;TZID=America/New_York:20190103T093000\r\nRRULE:") + rule + "\r\n";
        const auto all = ExpandRuleSeries(rules, Ole(2019, 1, 1), Ole(2028, 1, 1));
        ASSERT_FALSE(all.cut) << rule;
        std::vector<double> expected;
        for (double start : all.starts)
            if (start >= Ole(2026, 2, 1) && start < Ole(2026, 6, 1)) expected.push_back(start);
        EXPECT_EQ(Texts(ExpandRuleSeries(rules, Ole(2026, 2, 1), Ole(2026, 6, 1)).starts), Texts(expected)) << rule;
        EXPECT_FALSE(expected.empty()) << rule;
    }
}

TEST(RuleSeries, RdatesExrulesAndFloatingTimes)
{
    ScopedEnv zone("TZ", "America/New_York");
    const std::string rules = "DTSTART:20250303T090000\r\n"
                              "RRULE:FREQ=DAILY;COUNT=10\r\n"
                              "EXRULE:FREQ=WEEKLY;BYDAY=SA,SU\r\n"
                              "RDATE:20250315T120000\r\n";
    EXPECT_EQ(Expand(rules, Ole(2025, 3, 7), Ole(2025, 3, 16)),
              (std::vector<std::string>{"2025-03-07 09:00", "2025-03-10 09:00", "2025-03-11 09:00",
                                        "2025-03-12 09:00", "2025-03-15 12:00"}));
    const auto extent = RuleSeriesExtent(rules);
    ASSERT_TRUE(extent && extent->last);
    EXPECT_EQ(*extent->last, Ole(2025, 3, 15, 12));
    EXPECT_FALSE(RuleSeriesExtent("DTSTART:20250303T090000\r\nRRULE:FREQ=DAILY\r\n")->last);
}

// A hostile rule costs at most the cap and says so.
TEST(RuleSeries, TheCapCutsEndlessWork)
{
    const std::string rules = "DTSTART:20250101T000000Z\r\nRRULE:FREQ=SECONDLY;COUNT=1000000000\r\n";
    const auto found = ExpandRuleSeries(rules, Ole(2025, 1, 1), Ole(2025, 2, 1));
    EXPECT_TRUE(found.cut);
    EXPECT_LE(found.starts.size(), kRuleOccurrenceCap + 1);
    EXPECT_FALSE(RuleSeriesExtent(rules)->last);  // too long to walk: spanned to the far future
}

TEST(RuleSeries, UnreadableRulesAreRefused)
{
    EXPECT_NE(CheckRuleSeries("RRULE:FREQ=DAILY\r\n"), "");
    EXPECT_NE(CheckRuleSeries("DTSTART;TZID=Nowhere/Land:20250101T000000\r\nRRULE:FREQ=DAILY\r\n"), "");
    EXPECT_NE(CheckRuleSeries("DTSTART:20250101T000000\r\nRRULE:FREQ=NEVER\r\n"), "");
    EXPECT_NE(CheckRuleSeries("DTSTART:20250101T000000\r\n"), "");
    EXPECT_EQ(CheckRuleSeries("DTSTART;VALUE=DATE:20250101\r\nRDATE;VALUE=DATE:20250105\r\n"), "");
}

TEST(RuleSeries, ShiftMovesStartAndExceptionsTogether)
{
    ScopedEnv tz("TZ", "Asia/Seoul");
    const std::string rules = "DTSTART;TZID=Asia/Seoul:20250303T090000\r\nRRULE:FREQ=DAILY;COUNT=3\r\n"
                              "EXDATE;TZID=Asia/Seoul:20250304T090000\r\n";
    EXPECT_EQ(Expand(ShiftRuleSeries(rules, 3600), Ole(2025, 3, 1), Ole(2025, 3, 10)),
              (std::vector<std::string>{"2025-03-03 10:00", "2025-03-05 10:00"}));
}

namespace {

struct WeekFind {
    std::vector<std::string> starts;
    bool cut = false;
};

WeekFind FindWeek(PoomApplication& app, double from, double to)
{
    auto items = app.GetDefaultFolder(olFolderCalendar)->Items();
    items->Sort("[Start]", false);
    items->SetIncludeRecurrences(true);
    std::vector<double> starts;
    const std::string restriction =
        "[Start] < <" + std::to_string(to).substr(0, 8) + " AND [End] >= <" + std::to_string(from).substr(0, 8);
    for (auto item = items->Find(restriction); item; item = items->FindNext())
        starts.push_back(item->AsAppointment()->Start());
    return {Texts(starts), items->Cut()};
}

} // namespace

// The cached years of a series go when the item changes; the object model
// keeps the rules through edits of other fields.
TEST(RuleSeries, CachedYearsFollowTheItem)
{
    ScopedEnv tz("TZ", "Asia/Seoul");
    TempStore store;
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store.File()));
    auto made = app.CreateItem(olAppointmentItem);
    auto* appt = made->AsAppointment();
    appt->SetSubject("1일과 15일");
    appt->SetStart(Ole(2025, 1, 1, 9));
    appt->SetEnd(Ole(2025, 1, 1, 10));
    ASSERT_TRUE(made->SetRuleIcal("DTSTART;TZID=Asia/Seoul:20250101T090000\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=1,15\r\n"));
    ASSERT_TRUE(made->Save()) << made->LastError();
    const CEOID oid = made->Oid();

    EXPECT_EQ(FindWeek(app, Ole(2025, 3, 10), Ole(2025, 3, 17)).starts, std::vector<std::string>{"2025-03-15 09:00"});
    auto again = app.GetItemFromOid(oid);
    again->SetSubject("바뀐 제목");
    ASSERT_TRUE(again->Save()) << again->LastError();
    EXPECT_EQ(again->GetRecurrencePattern()->RecurrenceType(), olRecursUnsupported);
    ASSERT_TRUE(again->SetRuleIcal("DTSTART;TZID=Asia/Seoul:20250101T090000\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=1,16\r\n"));
    ASSERT_TRUE(again->Save()) << again->LastError();
    EXPECT_EQ(FindWeek(app, Ole(2025, 3, 10), Ole(2025, 3, 17)).starts, std::vector<std::string>{"2025-03-16 09:00"});

    // Moving the series' start moves its rules with it.
    auto moved = app.GetItemFromOid(oid);
    moved->AsAppointment()->SetStart(Ole(2025, 1, 1, 11));
    ASSERT_TRUE(moved->Save()) << moved->LastError();
    EXPECT_EQ(FindWeek(app, Ole(2025, 3, 10), Ole(2025, 3, 17)).starts, std::vector<std::string>{"2025-03-16 11:00"});
}

// A connection keeps the years it read between queries; a change through
// another connection (another process, the sync) must still show.
TEST(RuleSeries, CachedYearsFollowAnotherConnection)
{
    ScopedEnv tz("TZ", "Asia/Seoul");
    TempStore store;
    PoomApplication viewer;
    PoomApplication editor;
    ASSERT_TRUE(viewer.Logon(store.File()) && editor.Logon(store.File()));
    auto made = editor.CreateItem(olAppointmentItem);
    made->AsAppointment()->SetStart(Ole(2025, 1, 1, 9));
    made->AsAppointment()->SetEnd(Ole(2025, 1, 1, 10));
    ASSERT_TRUE(made->SetRuleIcal("DTSTART;TZID=Asia/Seoul:20250101T090000\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=1,15\r\n"));
    ASSERT_TRUE(made->Save()) << made->LastError();
    for (int pass = 0; pass < 2; ++pass)
        EXPECT_EQ(FindWeek(viewer, Ole(2025, 3, 10), Ole(2025, 3, 17)).starts,
                  std::vector<std::string>{"2025-03-15 09:00"});

    auto edited = editor.GetItemFromOid(made->Oid());
    ASSERT_TRUE(edited->SetRuleIcal("DTSTART;TZID=Asia/Seoul:20250101T090000\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=1,16\r\n"));
    ASSERT_TRUE(edited->Save()) << edited->LastError();
    EXPECT_EQ(FindWeek(viewer, Ole(2025, 3, 10), Ole(2025, 3, 17)).starts, std::vector<std::string>{"2025-03-16 09:00"});
    ASSERT_TRUE(edited->Delete());
    EXPECT_EQ(FindWeek(viewer, Ole(2025, 3, 10), Ole(2025, 3, 17)).starts, std::vector<std::string>{});
}

TEST(RuleSeries, AHostileRuleCutsTheQueryNotTheView)
{
    TempStore store;
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store.File()));
    auto made = app.CreateItem(olAppointmentItem);
    made->AsAppointment()->SetStart(Ole(2025, 1, 1));
    made->AsAppointment()->SetEnd(Ole(2025, 1, 1));
    ASSERT_TRUE(made->SetRuleIcal("DTSTART:20250101T000000\r\nRRULE:FREQ=SECONDLY;COUNT=1000000000\r\n"));
    ASSERT_TRUE(made->Save()) << made->LastError();
    const WeekFind week = FindWeek(app, Ole(2025, 1, 1), Ole(2025, 1, 8));
    EXPECT_TRUE(week.cut);
    EXPECT_FALSE(week.starts.empty());
    EXPECT_LE(week.starts.size(), kRuleOccurrenceCap + 1);
}
