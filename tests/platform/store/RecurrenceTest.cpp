#include <gtest/gtest.h>

#include <algorithm>

#include "platform/store/Recurrence.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

std::vector<double> First(RecurrenceFields p, double seriesStart, size_t n)
{
    EXPECT_EQ(NormalizePattern(p), "");
    return ExpandOccurrences(p, seriesStart, kNoDate, seriesStart, kNoDate, n);
}

} // namespace

TEST(Recurrence, EachTypeFallsOnTheDaysItNames)
{
    const double jan1 = Ole(2024, 1, 1, 9, 0);
    EXPECT_EQ(First(Pattern(olRecursDaily, 3, Ole(2024, 1, 1)), jan1, 3),
              (std::vector<double>{Ole(2024, 1, 1, 9), Ole(2024, 1, 4, 9), Ole(2024, 1, 7, 9)}));

    // Every second week (weeks begin on Sunday) on Monday and Wednesday, from a
    // Wednesday: the Monday before the start is not an occurrence.
    RecurrenceFields weekly = Pattern(olRecursWeekly, 2, Ole(2024, 1, 3));
    weekly.dayOfWeekMask = 2 | 8;
    EXPECT_EQ(First(weekly, Ole(2024, 1, 3, 9), 4),
              (std::vector<double>{Ole(2024, 1, 3, 9), Ole(2024, 1, 15, 9), Ole(2024, 1, 17, 9), Ole(2024, 1, 29, 9)}));

    // Day 31 falls on the last day of shorter months.
    RecurrenceFields monthly = Pattern(olRecursMonthly, 1, Ole(2024, 1, 31));
    monthly.dayOfMonth = 31;
    EXPECT_EQ(First(monthly, Ole(2024, 1, 31, 9), 4),
              (std::vector<double>{Ole(2024, 1, 31, 9), Ole(2024, 2, 29, 9), Ole(2024, 3, 31, 9), Ole(2024, 4, 30, 9)}));

    RecurrenceFields lastFriday = Pattern(olRecursMonthNth, 1, Ole(2024, 1, 1));
    lastFriday.instance = 5;
    lastFriday.dayOfWeekMask = 32;
    EXPECT_EQ(First(lastFriday, Ole(2024, 1, 1, 9), 3),
              (std::vector<double>{Ole(2024, 1, 26, 9), Ole(2024, 2, 23, 9), Ole(2024, 3, 29, 9)}));

    RecurrenceFields leapDay = Pattern(olRecursYearly, 1, Ole(2024, 2, 29));
    leapDay.monthOfYear = 2;
    leapDay.dayOfMonth = 29;
    EXPECT_EQ(First(leapDay, Ole(2024, 2, 29), 5),
              (std::vector<double>{Ole(2024, 2, 29), Ole(2025, 2, 28), Ole(2026, 2, 28), Ole(2027, 2, 28),
                                   Ole(2028, 2, 29)}));

    RecurrenceFields secondSunday = Pattern(olRecursYearNth, 1, Ole(2024, 1, 1));
    secondSunday.monthOfYear = 3;
    secondSunday.instance = 2;
    secondSunday.dayOfWeekMask = 1;
    EXPECT_EQ(First(secondSunday, Ole(2024, 1, 1), 2), (std::vector<double>{Ole(2024, 3, 10), Ole(2025, 3, 9)}));
}

TEST(Recurrence, ExtentFollowsCountAndEndDate)
{
    RecurrenceFields p = Pattern(olRecursWeekly, 1, Ole(2024, 1, 1));
    p.dayOfWeekMask = 2;  // Mondays
    p.range = RecurrenceRange::Count;
    p.occurrences = 10;
    ASSERT_EQ(NormalizePattern(p), "");
    auto extent = ComputeExtent(p, Ole(2024, 1, 1, 8));
    ASSERT_TRUE(extent);
    EXPECT_EQ(extent->firstStart, Ole(2024, 1, 1, 8));
    EXPECT_EQ(extent->lastStart, Ole(2024, 3, 4, 8));
    EXPECT_EQ(extent->count, 10);

    p.range = RecurrenceRange::Until;
    p.patternEnd = Ole(2024, 3, 10);
    extent = ComputeExtent(p, Ole(2024, 1, 1, 8));
    ASSERT_TRUE(extent);
    EXPECT_EQ(extent->lastStart, Ole(2024, 3, 4, 8));
    EXPECT_EQ(extent->count, 10);  // shown beside the end date
    EXPECT_EQ(ExpandOccurrences(p, Ole(2024, 1, 1, 8), extent->lastStart, Ole(2024, 3, 1), Ole(2024, 4, 1)),
              std::vector<double>{Ole(2024, 3, 4, 8)});

    p.range = RecurrenceRange::NoEnd;
    extent = ComputeExtent(p, Ole(2024, 1, 1, 8));
    ASSERT_TRUE(extent);
    EXPECT_EQ(extent->lastStart, kNoDate);
    EXPECT_EQ(NextOccurrenceAfter(p, Ole(2024, 1, 1, 8), kNoDate, Ole(2030, 6, 5)), Ole(2030, 6, 10, 8));

    // An end day before the first matching day leaves no occurrence at all.
    p.range = RecurrenceRange::Until;
    p.patternStart = Ole(2024, 1, 2);
    p.patternEnd = Ole(2024, 1, 6);
    EXPECT_FALSE(ComputeExtent(p, Ole(2024, 1, 2, 8)));
}

// Expanding a window far into a series must give exactly the occurrences that
// expanding from the very start gives there.
TEST(Recurrence, WindowsLateInASeriesMatchTheFullExpansion)
{
    const double seriesStart = Ole(2001, 5, 17, 13, 30);
    std::vector<RecurrenceFields> patterns;
    for (int interval : {1, 2, 3, 5}) {
        patterns.push_back(Pattern(olRecursDaily, interval, 0));
        for (int mask : {2, 2 | 16 | 64, 1 | 64}) {
            patterns.push_back(Pattern(olRecursWeekly, interval, 0));
            patterns.back().dayOfWeekMask = mask;
        }
        for (int day : {1, 17, 29, 31}) {
            patterns.push_back(Pattern(olRecursMonthly, interval, 0));
            patterns.back().dayOfMonth = day;
        }
        for (int instance : {1, 3, 5}) {
            patterns.push_back(Pattern(olRecursMonthNth, interval, 0));
            patterns.back().instance = instance;
            patterns.back().dayOfWeekMask = instance == 3 ? 62 : 4;
            patterns.push_back(Pattern(olRecursYearNth, interval, 0));
            patterns.back().instance = instance;
            patterns.back().dayOfWeekMask = 1;
            patterns.back().monthOfYear = 11;
        }
        patterns.push_back(Pattern(olRecursYearly, interval, 0));
        patterns.back().monthOfYear = 2;
        patterns.back().dayOfMonth = 30;
    }
    int skipped = 0, emptyYearly = 0;
    for (RecurrenceFields p : patterns) {
        p.patternStart = Ole(2001, 5, 17);
        ASSERT_EQ(NormalizePattern(p), "");
        const auto all = ExpandOccurrences(p, seriesStart, kNoDate, seriesStart, Ole(2013, 1, 1));
        ASSERT_FALSE(all.empty());
        for (double from = Ole(2009, 12, 29); from < Ole(2012, 1, 1); from += 37.0) {
            const double to = from + 9.0;
            std::vector<double> expected;
            std::copy_if(all.begin(), all.end(), std::back_inserter(expected),
                         [&](double s) { return s >= from && s < to; });
            if (expected.empty() && (p.type == olRecursYearly || p.type == olRecursYearNth)) ++emptyYearly;
            EXPECT_EQ(ExpandOccurrences(p, seriesStart, kNoDate, from, to), expected)
                << "type " << p.type << " interval " << p.interval << " mask " << p.dayOfWeekMask << " day "
                << p.dayOfMonth << " instance " << p.instance << " from " << from;
            // The quick test may let a window through for nothing, never skip one.
            const bool may = MayOccurIn(p, seriesStart, from, to);
            EXPECT_TRUE(may || expected.empty()) << "type " << p.type << " from " << from;
            skipped += !may;
        }
    }
    EXPECT_GT(skipped, emptyYearly * 9 / 10);  // most yearly windows never reach the iterator
}

TEST(Recurrence, NormalizeFillsFromTheStartAndRefusesNonsense)
{
    RecurrenceFields p = Pattern(olRecursMonthNth, 1, Ole(2024, 3, 29, 15));  // the fifth Friday
    ASSERT_EQ(NormalizePattern(p), "");
    EXPECT_EQ(p.patternStart, Ole(2024, 3, 29));
    EXPECT_EQ(p.dayOfWeekMask, 32);
    EXPECT_EQ(p.instance, 5);

    RecurrenceFields yearly = Pattern(olRecursYearly, 1, Ole(2024, 7, 14));
    ASSERT_EQ(NormalizePattern(yearly), "");
    EXPECT_EQ(yearly.monthOfYear, 7);
    EXPECT_EQ(yearly.dayOfMonth, 14);

    auto problem = [](RecurrenceFields q) { return NormalizePattern(q); };
    EXPECT_NE(problem(Pattern(4, 1, Ole(2024, 1, 1))), "");
    EXPECT_NE(problem(Pattern(olRecursDaily, 0, Ole(2024, 1, 1))), "");
    EXPECT_NE(problem(Pattern(olRecursDaily, 1000, Ole(2024, 1, 1))), "");
    RecurrenceFields badDay = Pattern(olRecursMonthly, 1, Ole(2024, 1, 1));
    badDay.dayOfMonth = 32;
    EXPECT_NE(problem(badDay), "");
    RecurrenceFields backwards = Pattern(olRecursDaily, 1, Ole(2024, 1, 10));
    backwards.range = RecurrenceRange::Until;
    backwards.patternEnd = Ole(2024, 1, 9);
    EXPECT_NE(problem(backwards), "");
    RecurrenceFields many = Pattern(olRecursDaily, 1, Ole(2024, 1, 10));
    many.range = RecurrenceRange::Count;
    many.occurrences = 0;
    EXPECT_NE(problem(many), "");
}
