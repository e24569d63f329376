// Recurrence rules against dates worked out by hand from printed calendars:
// a rule in, the first occurrences out. 1 January 2025 is a Wednesday.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "platform/store/Recurrence.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

struct GoldenRule {
    const char* what;
    int type;
    int interval;
    int mask;        // Sunday 1 ... Saturday 64
    int dayOfMonth;
    int instance;    // 5 = last
    int month;
    const char* start;     // the series' first possible day; occurrences at 09:00
    const char* expected;  // the first occurrences, in order
};

constexpr GoldenRule kRules[] = {
    {"every other day over the end of February", olRecursDaily, 2, 0, 0, 0, 0, "2025-02-26",
     "2025-02-26 2025-02-28 2025-03-02 2025-03-04"},
    {"Tuesdays and Thursdays", olRecursWeekly, 1, 4 | 16, 0, 0, 0, "2025-04-01",
     "2025-04-01 2025-04-03 2025-04-08 2025-04-10 2025-04-15"},
    {"every third Saturday", olRecursWeekly, 3, 64, 0, 0, 0, "2025-03-01", "2025-03-01 2025-03-22 2025-04-12"},
    {"weekdays over the new year", olRecursWeekly, 1, 62, 0, 0, 0, "2025-12-26",
     "2025-12-26 2025-12-29 2025-12-30 2025-12-31 2026-01-01 2026-01-02 2026-01-05"},
    {"the 30th, February's last day instead", olRecursMonthly, 1, 0, 30, 0, 0, "2025-01-30",
     "2025-01-30 2025-02-28 2025-03-30 2025-04-30"},
    {"the 15th of every second month over the year's end", olRecursMonthly, 2, 0, 15, 0, 0, "2025-11-15",
     "2025-11-15 2026-01-15 2026-03-15"},
    {"second Tuesday", olRecursMonthNth, 1, 4, 0, 2, 0, "2025-01-01",
     "2025-01-14 2025-02-11 2025-03-11 2025-04-08"},
    {"last Sunday", olRecursMonthNth, 1, 1, 0, 5, 0, "2025-01-01", "2025-01-26 2025-02-23 2025-03-30 2025-04-27"},
    {"Christmas", olRecursYearly, 1, 0, 25, 0, 12, "2025-12-25", "2025-12-25 2026-12-25 2027-12-25"},
    {"fourth Thursday of November", olRecursYearNth, 1, 16, 0, 4, 11, "2025-01-01",
     "2025-11-27 2026-11-26 2027-11-25 2028-11-23"},
    {"first Monday of September", olRecursYearNth, 1, 2, 0, 1, 9, "2025-01-01", "2025-09-01 2026-09-07 2027-09-06"},
    {"last Monday of May", olRecursYearNth, 1, 2, 0, 5, 5, "2025-01-01", "2025-05-26 2026-05-25 2027-05-31"},
};

struct Day {
    int year = 0, month = 0, day = 0;
};

Day ParseDay(const std::string& text)
{
    Day d;
    EXPECT_EQ(std::sscanf(text.c_str(), "%d-%d-%d", &d.year, &d.month, &d.day), 3) << text;
    return d;
}

std::string DayText(double ole)
{
    SYSTEMTIME st;
    if (VariantTimeToSystemTime(ole, &st) == 0)
        return "?";
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d%s", st.wYear, st.wMonth, st.wDay,
                  st.wHour == 9 && st.wMinute == 0 ? "" : " (not 09:00)");
    return text;
}

} // namespace

TEST(RecurrenceGolden, RulesGiveTheCalendarsDates)
{
    for (const GoldenRule& rule : kRules) {
        SCOPED_TRACE(rule.what);
        const Day start = ParseDay(rule.start);
        RecurrenceFields pattern;
        pattern.type = rule.type;
        pattern.interval = rule.interval;
        pattern.dayOfWeekMask = rule.mask;
        pattern.dayOfMonth = rule.dayOfMonth;
        pattern.instance = rule.instance;
        pattern.monthOfYear = rule.month;
        pattern.patternStart = Ole(start.year, start.month, start.day);
        ASSERT_EQ(NormalizePattern(pattern), "");

        std::istringstream expected(rule.expected);
        std::vector<std::string> want;
        for (std::string day; expected >> day;)
            want.push_back(day);
        const double seriesStart = Ole(start.year, start.month, start.day, 9);
        std::vector<std::string> got;
        for (double occurrence : ExpandOccurrences(pattern, seriesStart, kNoDate, seriesStart, kNoDate, want.size()))
            got.push_back(DayText(occurrence));
        EXPECT_EQ(got, want);
    }
}
