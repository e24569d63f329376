#include <gtest/gtest.h>

#include "pim/session/IcalRecurrence.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

RuleMapping Map(const char* rule, double start = Ole(2024, 3, 15, 9))
{
    return PatternFromRule(icalrecurrencetype_from_string(rule), start);
}

} // namespace

TEST(IcalRule, RulesAPatternCanHoldMapOntoIt)
{
    auto weekdays = Map("FREQ=DAILY;BYDAY=MO,TU,WE,TH,FR");
    ASSERT_TRUE(weekdays.pattern);
    EXPECT_EQ(weekdays.pattern->type, olRecursWeekly);
    EXPECT_EQ(weekdays.pattern->dayOfWeekMask, 62);

    auto lastFriday = Map("FREQ=MONTHLY;INTERVAL=2;BYDAY=-1FR");
    ASSERT_TRUE(lastFriday.pattern);
    EXPECT_EQ(lastFriday.pattern->type, olRecursMonthNth);
    EXPECT_EQ(lastFriday.pattern->instance, 5);
    EXPECT_EQ(lastFriday.pattern->dayOfWeekMask, 32);
    EXPECT_EQ(lastFriday.pattern->interval, 2);

    auto firstWeekday = Map("FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=1");
    ASSERT_TRUE(firstWeekday.pattern);
    EXPECT_EQ(firstWeekday.pattern->instance, 1);
    EXPECT_EQ(firstWeekday.pattern->dayOfWeekMask, 62);

    auto secondSunday = Map("FREQ=YEARLY;BYMONTH=3;BYDAY=2SU");
    ASSERT_TRUE(secondSunday.pattern);
    EXPECT_EQ(secondSunday.pattern->type, olRecursYearNth);
    EXPECT_EQ(secondSunday.pattern->monthOfYear, 3);

    // Without BY parts the start gives the day and month.
    auto yearly = Map("FREQ=YEARLY");
    ASSERT_TRUE(yearly.pattern);
    EXPECT_EQ(yearly.pattern->type, olRecursYearly);
    EXPECT_EQ(yearly.pattern->monthOfYear, 3);
    EXPECT_EQ(yearly.pattern->dayOfMonth, 15);

    // The store's own "day or the month's last" form is held without a note;
    // a plain day past the 28th is held with one.
    auto leapDay = Map("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29,-1;BYSETPOS=1");
    ASSERT_TRUE(leapDay.pattern);
    EXPECT_EQ(leapDay.pattern->dayOfMonth, 29);
    EXPECT_EQ(leapDay.note, "");
    auto thirtieth = Map("FREQ=MONTHLY;BYMONTHDAY=30");
    ASSERT_TRUE(thirtieth.pattern);
    EXPECT_NE(thirtieth.note, "");
    EXPECT_EQ(Map("FREQ=MONTHLY;BYMONTHDAY=-1").pattern->dayOfMonth, 31);
}

// Every other week with a week start other than Sunday fits the pattern
// unless Sunday splits the days of the rule's week.
TEST(IcalRule, WeekStartMattersOnlyWhenSundaySplitsTheDays)
{
    const struct {
        const char* rule;
        bool held;
    } cases[] = {
        {"FREQ=WEEKLY;INTERVAL=2;WKST=MO;BYDAY=TU,TH", true},
        {"FREQ=WEEKLY;INTERVAL=2;BYDAY=TU,TH", true},           // default WKST is Monday
        {"FREQ=WEEKLY;INTERVAL=2;WKST=MO;BYDAY=SU,MO", false},  // Sunday closes the rule's week
        {"FREQ=WEEKLY;INTERVAL=2;BYDAY=SA,SU", false},
        {"FREQ=WEEKLY;INTERVAL=2;WKST=SU;BYDAY=SA,SU", true},
        {"FREQ=WEEKLY;INTERVAL=3;WKST=SA;BYDAY=SU,MO", true},
        {"FREQ=WEEKLY;INTERVAL=3;WKST=SA;BYDAY=SA,MO", false},
        {"FREQ=WEEKLY;INTERVAL=2;WKST=WE;BYDAY=SU", true},       // one day is never split
    };
    for (const auto& c : cases) {
        const RuleMapping mapping = Map(c.rule);
        EXPECT_EQ(bool(mapping.pattern), c.held) << c.rule;
        if (mapping.pattern) {
            EXPECT_EQ(mapping.pattern->type, olRecursWeekly) << c.rule;
        }
    }
}

TEST(IcalRule, RulesBeyondAPatternAreRefused)
{
    for (const char* rule : {"FREQ=HOURLY", "FREQ=DAILY;BYHOUR=9,17", "FREQ=MONTHLY;BYMONTHDAY=1,15",
                             "FREQ=WEEKLY;BYDAY=1MO", "FREQ=YEARLY;BYMONTH=1,7", "FREQ=YEARLY;BYWEEKNO=20",
                             "FREQ=YEARLY;BYYEARDAY=100", "FREQ=MONTHLY;BYDAY=2MO,3TU", "FREQ=DAILY;INTERVAL=2;BYDAY=MO",
                             "FREQ=WEEKLY;INTERVAL=2;WKST=MO;BYDAY=SU,MO", "FREQ=MONTHLY;BYDAY=MO;BYSETPOS=1,3"}) {
        const RuleMapping mapping = Map(rule);
        EXPECT_FALSE(mapping.pattern) << rule;
        EXPECT_FALSE(mapping.note.empty()) << rule;
    }
}

// What the export writes for any pattern reads back as the same pattern.
TEST(IcalRule, WrittenRulesReadBackTheSame)
{
    for (int type : {olRecursDaily, olRecursWeekly, olRecursMonthly, olRecursMonthNth, olRecursYearly, olRecursYearNth})
        for (int interval : {1, 3}) {
            RecurrenceFields p;
            p.type = type;
            p.interval = interval;
            p.patternStart = Ole(2024, 3, 15);
            p.dayOfWeekMask = type == olRecursWeekly ? 2 | 32 : 16;
            p.dayOfMonth = 31;
            p.instance = 5;
            p.monthOfYear = 8;
            p.range = RecurrenceRange::Count;
            p.occurrences = 7;
            ASSERT_EQ(NormalizePattern(p), "");
            const icalrecurrencetype rule = RuleFromPattern(p, false);
            const RuleMapping back = PatternFromRule(rule, Ole(2024, 3, 15, 9));
            ASSERT_TRUE(back.pattern) << type << ": " << back.note;
            EXPECT_EQ(back.note, "");
            EXPECT_EQ(back.pattern->type, p.type);
            EXPECT_EQ(back.pattern->interval, p.interval);
            EXPECT_EQ(rule.count, 7);
            if (type == olRecursMonthly || type == olRecursYearly) {
                EXPECT_EQ(back.pattern->dayOfMonth, 31);
            }
            if (type == olRecursMonthNth || type == olRecursYearNth) {
                EXPECT_EQ(back.pattern->instance, 5);
                EXPECT_EQ(back.pattern->dayOfWeekMask, 16);
            }
            if (type == olRecursYearly || type == olRecursYearNth) {
                EXPECT_EQ(back.pattern->monthOfYear, 8);
            }
            if (type == olRecursWeekly) {
                EXPECT_EQ(back.pattern->dayOfWeekMask, 2 | 32);
            }
        }
}
