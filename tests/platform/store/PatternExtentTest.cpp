#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <random>
#include <string>

#include "platform/store/PatternExtent.h"
#include "platform/time/Gregorian.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

// The extent as it was found before the day arithmetic: by walking the rule
// iterator through ExpandOccurrences. The reference the arithmetic must match.
std::optional<SeriesExtent> WalkedExtent(const RecurrenceFields& p, double seriesStart)
{
    SeriesExtent extent;
    if (p.range == RecurrenceRange::Count) {
        const auto all = ExpandOccurrences(p, seriesStart, kNoDate, seriesStart, kNoDate, size_t(p.occurrences));
        if (all.empty()) return std::nullopt;
        return SeriesExtent{all.front(), all.back(), int32_t(all.size())};
    }
    const auto first = ExpandOccurrences(p, seriesStart, kNoDate, seriesStart, kNoDate, 1);
    if (first.empty()) return std::nullopt;
    extent.firstStart = first.front();
    if (p.range == RecurrenceRange::NoEnd) return extent;
    const double until = p.patternEnd + 1.0;
    if (extent.firstStart >= until) return std::nullopt;
    // The last start on or before the end day lies within one period of it.
    const double periodDays = p.type == olRecursDaily    ? p.interval
                              : p.type == olRecursWeekly ? 7.0 * p.interval
                              : p.type == olRecursMonthly || p.type == olRecursMonthNth ? 31.0 * p.interval + 31
                                                                                        : 366.0 * p.interval + 366;
    const auto tail =
        ExpandOccurrences(p, seriesStart, kNoDate, std::max(extent.firstStart, until - periodDays - 1.0), until);
    extent.lastStart = tail.empty() ? extent.firstStart : tail.back();
    const auto all = ExpandOccurrences(p, seriesStart, extent.lastStart, extent.firstStart, until,
                                       size_t(kMaxOccurrences));
    extent.count = int32_t(std::max<size_t>(all.size(), 1));
    return extent;
}

std::string DateText(double date)
{
    const auto st = OleToSystemTime(date);
    if (!st) return std::to_string(date);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", st->wYear, st->wMonth, st->wDay, st->wHour,
                  st->wMinute, st->wSecond);
    return text;
}

std::string Describe(const RecurrenceFields& p, double seriesStart)
{
    static const char* const kRanges[] = {"no end", "count", "until"};
    return "type " + std::to_string(p.type) + " interval " + std::to_string(p.interval) + " mask " +
           std::to_string(p.dayOfWeekMask) + " day " + std::to_string(p.dayOfMonth) + " instance " +
           std::to_string(p.instance) + " month " + std::to_string(p.monthOfYear) + " start " +
           DateText(seriesStart) + " " + kRanges[int(p.range)] + " " +
           (p.range == RecurrenceRange::Count ? std::to_string(p.occurrences) : DateText(p.patternEnd));
}

std::string ExtentText(const std::optional<SeriesExtent>& e)
{
    if (!e) return "none";
    return DateText(e->firstStart) + " .. " + DateText(e->lastStart) + " x" + std::to_string(e->count);
}

bool Same(const std::optional<SeriesExtent>& a, const std::optional<SeriesExtent>& b)
{
    if (!a || !b) return !a && !b;
    return a->firstStart == b->firstStart && a->lastStart == b->lastStart && a->count == b->count;
}

// Random patterns of every type over the days where the rule iterator keeps
// Gregorian days (from 1583; the draw starts later) and up to where it stops (2582).
class RandomPatterns {
public:
    explicit RandomPatterns(unsigned seed) : m_random(seed) {}

    // A normalized pattern and its series start; false when the draw is one
    // the object model refuses.
    bool Next(RecurrenceFields& p, double& seriesStart)
    {
        p = RecurrenceFields{};
        p.type = Pick({olRecursDaily, olRecursWeekly, olRecursMonthly, olRecursMonthNth, olRecursYearly,
                       olRecursYearNth});
        const int size = Uniform(0, 99);
        p.interval = size < 70 ? Uniform(1, 4) : size < 92 ? Uniform(5, 30) : Uniform(31, 999);
        p.dayOfWeekMask = Uniform(1, 127);
        p.dayOfMonth = Uniform(0, 2) == 0 ? Uniform(28, 31) : Uniform(1, 31);
        p.instance = Uniform(1, 5);
        p.monthOfYear = Uniform(1, 12);

        const int era = Uniform(0, 99);
        const int year = era < 80 ? Uniform(1990, 2040) : era < 92 ? Uniform(1600, 1899) : Uniform(2560, 2582);
        int month = Uniform(1, 12);
        int day = Uniform(1, gregorian::DaysInMonth(year, month));
        const int where = Uniform(0, 9);
        if (where == 0 && gregorian::IsLeapYear(year)) month = 2, day = 29;
        if (where == 1) day = gregorian::DaysInMonth(year, month);
        const int hour = Uniform(0, 3) == 0 ? 0 : Uniform(0, 23);
        const int minute = hour == 0 ? 0 : Uniform(0, 59);
        seriesStart = Ole(year, month, day, hour, minute, Uniform(0, 1) ? 0 : Uniform(0, 59));
        p.patternStart = Ole(year, month, day);
        if (NormalizePattern(p) != "") return false;
        if (where >= 7) {
            // Start on a pattern day: the first occurrence from some day before.
            const auto on = ExpandOccurrences(p, seriesStart - Uniform(0, 400), kNoDate, seriesStart - 400, kNoDate, 1);
            if (!on.empty()) seriesStart = on.front(), p.patternStart = OleDateOnly(on.front());
        }

        p.range = RecurrenceRange(Uniform(0, 2));
        if (p.range == RecurrenceRange::Count)
            p.occurrences = Uniform(0, 999) == 0 ? Uniform(1, kMaxOccurrences) : Uniform(0, 3) ? Uniform(1, 40)
                                                                                              : Uniform(1, 500);
        if (p.range == RecurrenceRange::Until) {
            // Around the start or some periods later, up to where the rule iterator stops.
            const double gap = p.type == olRecursDaily ? p.interval
                               : p.type == olRecursWeekly ? 7.0 * p.interval / std::popcount(unsigned(p.dayOfWeekMask))
                               : p.type == olRecursMonthly || p.type == olRecursMonthNth ? 30.4 * p.interval
                                                                                         : 365.25 * p.interval;
            const double end = Uniform(0, 4) == 0 ? p.patternStart + Uniform(-40, 40)
                                                  : p.patternStart + double(int(gap * Uniform(0, 300)));
            p.patternEnd = OleDateOnly(std::min(end, Ole(2582, 12, 31)));
        }
        return true;
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    int Pick(std::initializer_list<int> values) { return values.begin()[Uniform(0, int(values.size()) - 1)]; }

    std::mt19937 m_random;
};

SeriesExtent Extent(RecurrenceFields p, double seriesStart)
{
    EXPECT_EQ(NormalizePattern(p), "");
    const auto extent = ComputeExtent(p, seriesStart);
    EXPECT_TRUE(extent);
    return extent.value_or(SeriesExtent{});
}

} // namespace

TEST(PatternExtent, MatchesTheRuleIteratorOnRandomPatterns)
{
    RandomPatterns patterns(20240607);
    int compared = 0, empty = 0;
    while (compared < 4000) {
        RecurrenceFields p;
        double seriesStart = 0;
        if (!patterns.Next(p, seriesStart)) continue;
        ++compared;
        const auto expected = WalkedExtent(p, seriesStart);
        const auto found = ComputeExtent(p, seriesStart);
        empty += !expected;
        ASSERT_TRUE(Same(found, expected)) << Describe(p, seriesStart) << "\n  walked " << ExtentText(expected)
                                           << "\n  computed " << ExtentText(found);
    }
    EXPECT_GT(empty, 20);  // the draw reaches patterns with no occurrence too
}

TEST(PatternExtent, MonthEndsLeapDaysAndWeekdaysOfTheMonth)
{
    // Day 31 falls on the last day of shorter months.
    RecurrenceFields jan31 = Pattern(olRecursMonthly, 1, Ole(2024, 1, 31));
    jan31.range = RecurrenceRange::Count;
    jan31.occurrences = 4;
    SeriesExtent extent = Extent(jan31, Ole(2024, 1, 31, 10));
    EXPECT_EQ(extent.lastStart, Ole(2024, 4, 30, 10));
    jan31.range = RecurrenceRange::Until;
    jan31.patternEnd = Ole(2024, 4, 29);
    extent = Extent(jan31, Ole(2024, 1, 31, 10));
    EXPECT_EQ(extent.lastStart, Ole(2024, 3, 31, 10));
    EXPECT_EQ(extent.count, 3);

    RecurrenceFields feb29 = Pattern(olRecursYearly, 1, Ole(2024, 2, 29));
    feb29.range = RecurrenceRange::Until;
    feb29.patternEnd = Ole(2028, 2, 28);
    extent = Extent(feb29, Ole(2024, 2, 29));
    EXPECT_EQ(extent.lastStart, Ole(2027, 2, 28));
    EXPECT_EQ(extent.count, 4);

    // The last Friday, from a day that is none.
    RecurrenceFields lastFriday = Pattern(olRecursMonthNth, 1, Ole(2024, 1, 1));
    lastFriday.dayOfWeekMask = 32;
    lastFriday.instance = 5;
    lastFriday.range = RecurrenceRange::Count;
    lastFriday.occurrences = 3;
    extent = Extent(lastFriday, Ole(2024, 1, 1, 18));
    EXPECT_EQ(extent.firstStart, Ole(2024, 1, 26, 18));
    EXPECT_EQ(extent.lastStart, Ole(2024, 3, 29, 18));

    // Every other week on Tuesday and Thursday, from a Wednesday: that week's
    // Thursday comes first, its Tuesday never.
    RecurrenceFields tueThu = Pattern(olRecursWeekly, 2, Ole(2024, 1, 3));
    tueThu.dayOfWeekMask = 4 | 16;
    tueThu.range = RecurrenceRange::Count;
    tueThu.occurrences = 4;
    extent = Extent(tueThu, Ole(2024, 1, 3, 9));
    EXPECT_EQ(extent.firstStart, Ole(2024, 1, 4, 9));
    EXPECT_EQ(extent.lastStart, Ole(2024, 1, 30, 9));
}

TEST(PatternExtent, LongSeriesStopWhereTheRuleIteratorStops)
{
    RecurrenceFields daily = Pattern(olRecursDaily, 1, Ole(2000, 1, 1));
    daily.range = RecurrenceRange::Count;
    daily.occurrences = kMaxOccurrences;
    const auto walked = WalkedExtent(daily, Ole(2000, 1, 1, 7, 30));
    ASSERT_TRUE(walked);
    EXPECT_EQ(ExtentText(ComputeExtent(daily, Ole(2000, 1, 1, 7, 30))), ExtentText(walked));
    EXPECT_EQ(walked->lastStart, Ole(2000, 1, 1, 7, 30) + kMaxOccurrences - 1);

    // Past the year 2582 the views expand nothing, so the series ends there.
    RecurrenceFields yearly = Pattern(olRecursYearly, 1, Ole(2500, 3, 1));
    yearly.range = RecurrenceRange::Count;
    yearly.occurrences = 200;
    const SeriesExtent counted = Extent(yearly, Ole(2500, 3, 1));
    EXPECT_EQ(counted.lastStart, Ole(2582, 3, 1));
    EXPECT_EQ(counted.count, 83);

    // An end date past that year: the last occurrence is the last the views
    // show, and the count stops at the most a series may have. (The walk
    // looked for the last one near the end date, found none and kept only the
    // first occurrence.)
    daily.range = RecurrenceRange::Until;
    daily.patternEnd = Ole(3000, 1, 1);
    const SeriesExtent endless = Extent(daily, Ole(2000, 1, 1, 7, 30));
    EXPECT_EQ(endless.lastStart, Ole(2582, 12, 31, 7, 30));
    EXPECT_EQ(endless.count, kMaxOccurrences);
    EXPECT_EQ(ExpandOccurrences(daily, Ole(2000, 1, 1, 7, 30), kNoDate, Ole(2582, 12, 1), kNoDate).back(),
              endless.lastStart);

    RecurrenceFields late = Pattern(olRecursYearly, 5, Ole(2580, 1, 2));
    late.dayOfMonth = 1;
    ASSERT_EQ(NormalizePattern(late), "");
    EXPECT_FALSE(ComputeExtent(late, Ole(2580, 1, 2)));  // the first would fall in 2585
}
