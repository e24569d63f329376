#include "calendar/PublicHolidays.h"

#include <gtest/gtest.h>

#include "calendar/AnniversaryDayEntries.h"
#include "calendar/AnniversaryOccurrence.h"

namespace {

enum class Expect { kWorkingDay, kHoliday, kSubstitute };

struct Case {
    SolarDate date;
    Expect expect;
    const char* why;
};

// Published dates (the government's yearly announcements) and the days the
// rules must leave alone.
const Case kCases[] = {
    // Substitute holidays.
    {{2014, 9, 10}, Expect::kSubstitute, "Chuseok 2014 began on a Sunday: the first ever"},
    {{2015, 9, 29}, Expect::kSubstitute, "Chuseok 2015 held a Sunday"},
    {{2017, 10, 6}, Expect::kSubstitute, "Chuseok 2017 met National Foundation Day"},
    {{2018, 5, 7}, Expect::kSubstitute, "Children's Day 2018 on a Saturday"},
    {{2018, 9, 26}, Expect::kSubstitute, "Chuseok 2018 began on a Sunday"},
    {{2019, 5, 6}, Expect::kSubstitute, "Children's Day 2019 on a Sunday"},
    {{2020, 1, 27}, Expect::kSubstitute, "Seollal 2020 ended on a Sunday"},
    {{2021, 8, 16}, Expect::kSubstitute, "Liberation Day 2021 on a Sunday"},
    {{2021, 10, 4}, Expect::kSubstitute, "National Foundation Day 2021 on a Sunday"},
    {{2021, 10, 11}, Expect::kSubstitute, "Hangul Day 2021 on a Saturday"},
    {{2022, 9, 12}, Expect::kSubstitute, "Chuseok 2022 ended on a Sunday"},
    {{2022, 10, 10}, Expect::kSubstitute, "Hangul Day 2022 on a Sunday"},
    {{2023, 1, 24}, Expect::kSubstitute, "Seollal 2023 held a Sunday"},
    {{2023, 5, 29}, Expect::kSubstitute, "Buddha's Birthday 2023 on a Saturday"},
    {{2024, 2, 12}, Expect::kSubstitute, "Seollal 2024 ended on a Sunday"},
    {{2024, 5, 6}, Expect::kSubstitute, "Children's Day 2024 on a Sunday"},
    {{2025, 3, 3}, Expect::kSubstitute, "Independence Movement Day 2025 on a Saturday"},
    {{2025, 5, 6}, Expect::kSubstitute, "Children's Day and Buddha's Birthday 2025 on one day"},
    {{2025, 10, 8}, Expect::kSubstitute, "Chuseok 2025 began on a Sunday, then two festival days"},
    {{2026, 3, 2}, Expect::kSubstitute, "Independence Movement Day 2026 on a Sunday"},
    {{2027, 12, 27}, Expect::kSubstitute, "Christmas 2027 on a Saturday"},
    // Days that get none.
    {{2025, 5, 7}, Expect::kWorkingDay, "one substitute per day, however many holidays meet"},
    {{2026, 9, 28}, Expect::kWorkingDay, "Chuseok 2026 touches only a Saturday"},
    {{2020, 3, 2}, Expect::kWorkingDay, "national days had no substitutes in 2020"},
    {{2013, 9, 23}, Expect::kWorkingDay, "no substitutes before November 2013"},
    {{2014, 2, 3}, Expect::kWorkingDay, "Seollal 2014 touched only a Saturday"},
    {{2020, 5, 1}, Expect::kWorkingDay, "Buddha's Birthday 2020 was a Thursday"},
    {{2022, 12, 26}, Expect::kWorkingDay, "Christmas had no substitute before May 2023"},
    {{2021, 6, 7}, Expect::kWorkingDay, "Memorial Day never has a substitute"},
    // Fixed holidays and the years they were ones.
    {{2024, 2, 9}, Expect::kHoliday, "Seollal eve"},
    {{2024, 2, 10}, Expect::kHoliday, "Seollal"},
    {{2024, 2, 11}, Expect::kHoliday, "day after Seollal"},
    {{2025, 10, 6}, Expect::kHoliday, "Chuseok"},
    {{2025, 5, 5}, Expect::kHoliday, "Children's Day and Buddha's Birthday"},
    {{2005, 4, 5}, Expect::kHoliday, "Arbor Day, last year"},
    {{2006, 4, 5}, Expect::kWorkingDay, "Arbor Day no longer"},
    {{2007, 7, 17}, Expect::kHoliday, "Constitution Day, last year"},
    {{2008, 7, 17}, Expect::kWorkingDay, "Constitution Day no longer"},
    {{1990, 10, 9}, Expect::kHoliday, "Hangul Day until 1990"},
    {{1991, 10, 9}, Expect::kWorkingDay, "Hangul Day not 1991-2012"},
    {{2012, 10, 9}, Expect::kWorkingDay, "Hangul Day not 1991-2012"},
    {{2013, 10, 9}, Expect::kHoliday, "Hangul Day again from 2013"},
    {{1998, 1, 2}, Expect::kHoliday, "2 January until 1998"},
    {{1999, 1, 2}, Expect::kWorkingDay, "2 January no longer"},
    {{1989, 1, 3}, Expect::kHoliday, "3 January until 1989"},
    {{1990, 1, 3}, Expect::kWorkingDay, "3 January no longer"},
    {{1984, 2, 2}, Expect::kWorkingDay, "Seollal was no holiday before 1985"},
    {{1985, 2, 20}, Expect::kHoliday, "Seollal, one day, 1985"},
    {{1985, 2, 21}, Expect::kWorkingDay, "Seollal one day only until 1988"},
    {{1990, 10, 1}, Expect::kHoliday, "Armed Forces Day until 1990"},
    {{1991, 10, 1}, Expect::kWorkingDay, "Armed Forces Day no longer"},
    {{2030, 12, 25}, Expect::kHoliday, "Christmas"},
};

Expect Classify(const SolarDate& date) {
    if (IsSubstituteHoliday(date)) return Expect::kSubstitute;
    return IsPublicHoliday(date) ? Expect::kHoliday : Expect::kWorkingDay;
}

TEST(PublicHolidays, MatchThePublishedDates) {
    for (const Case& c : kCases) {
        EXPECT_EQ(Classify(c.date), c.expect)
            << c.date.year << "-" << c.date.month << "-" << c.date.day << ": " << c.why;
    }
}

TEST(PublicHolidays, YearListsAreOrderedAndNamed) {
    const std::vector<PublicHoliday> y2025 = PublicHolidaysOfYear(2025);
    int substitutes = 0;
    for (size_t i = 0; i < y2025.size(); ++i) {
        if (i > 0) {
            EXPECT_LE(DateToDayNumber(y2025[i - 1].date), DateToDayNumber(y2025[i].date));
        }
        substitutes += y2025[i].substitute ? 1 : 0;
        EXPECT_NE(std::string(y2025[i].name), "");
    }
    EXPECT_EQ(substitutes, 3);  // 3 March, 6 May, 8 October
    EXPECT_TRUE(PublicHolidaysOfYear(1948).empty());
    // Beyond the lunar tables only the civil holidays remain.
    for (const PublicHoliday& h : PublicHolidaysOfYear(2051)) EXPECT_NE(std::string(h.name), "추석");
    EXPECT_TRUE(IsPublicHoliday({2051, 12, 25}));
}

TEST(PublicHolidays, SubstitutesShowAmongTheDaysEntriesUnlessTurnedOff) {
    AnniversaryList list;
    AddAnniversary(list, kAnniversaryByDate, 0, 5, 6, 0, 0, 0, 0, "기념", 0x123456);
    const auto entries = AnniversaryEntriesInRange(list, {2025, 5, 5}, 3, AnniversaryDisplay{true});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].title, "기념");
    EXPECT_FALSE(entries[0].IsComputedHoliday());
    EXPECT_EQ(entries[1].date, (SolarDate{2025, 5, 6}));
    EXPECT_EQ(entries[1].title, "대체공휴일");
    EXPECT_EQ(entries[1].color, kHolidayColor);
    EXPECT_TRUE(entries[1].IsComputedHoliday());

    const auto hidden = AnniversaryEntriesInRange(list, {2025, 5, 5}, 3, AnniversaryDisplay{false});
    ASSERT_EQ(hidden.size(), 1u);
    EXPECT_FALSE(hidden[0].IsComputedHoliday());
    // The day just outside the range is not shown.
    EXPECT_TRUE(AnniversaryEntriesOn(AnniversaryList{}, {2025, 5, 7}, AnniversaryDisplay{true}).empty());
}

}  // namespace

// The anniversary list shows the coming substitute holiday among the records,
// after those of its day, and only one within the year ahead.
TEST(SubstituteHolidayRow, TakesItsPlaceByDate) {
    AnniversaryList list;
    Anniversary before;
    before.kind = kAnniversaryByDate;
    before.month = 3;
    before.day = 1;
    before.name = "삼일절 전";
    AddAnniversary(list, before);
    Anniversary same = before;
    same.day = 2;
    same.name = "같은 날";
    AddAnniversary(list, same);
    Anniversary later = before;
    later.month = 4;
    later.name = "나중";
    AddAnniversary(list, later);

    std::vector<AnniversaryOccurrence> rows = RankAnniversaries(list, {2026, 2, 20}, AgeCounting::kKorean);
    AddNextSubstituteHoliday(rows, {2026, 2, 20});  // 2026-03-02 substitutes for 1 March
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2].name, "대체공휴일");
    EXPECT_EQ(rows[2].index, -1);
    EXPECT_EQ(rows[2].civilDate, (SolarDate{2026, 3, 2}));
    EXPECT_EQ(rows[2].daysUntil, 10);
    EXPECT_EQ(rows[2].color, kHolidayColor);
    EXPECT_EQ(rows[1].name, "같은 날");
    EXPECT_EQ(NextSubstituteHoliday({2026, 3, 3}), (SolarDate{2026, 5, 25}));  // Buddha's Birthday on a Sunday
}
