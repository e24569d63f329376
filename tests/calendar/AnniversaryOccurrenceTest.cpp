#include "calendar/AnniversaryOccurrence.h"

#include <gtest/gtest.h>

#include "calendar/AnniversaryDayEntries.h"
#include "tests/calendar/TestRecords.h"

namespace {

Anniversary Lunar(int32_t year, int32_t month, int32_t day, int32_t leap) {
    return MakeRecord(kAnniversaryBirthday, year, month, day, "x", 1, leap);
}

bool Falls(const Anniversary& a, SolarDate day) {
    LunarDate lunar;
    const bool hasLunar = SolarToLunar(day.year, day.month, day.day, lunar) != 0;
    return OccursOn(a, day, hasLunar ? &lunar : nullptr);
}

TEST(OccursOn, CivilAndWeekdayRecords) {
    const Anniversary since2008 = MakeRecord(kAnniversaryByDate, 2008, 5, 5);
    EXPECT_TRUE(Falls(since2008, {2009, 5, 5}));
    EXPECT_FALSE(Falls(since2008, {2007, 5, 5}));  // before its first year
    EXPECT_TRUE(Falls(MakeRecord(kAnniversaryByDate, 0, 5, 5), {1800, 5, 5}));

    const Anniversary leapDay = MakeRecord(kAnniversaryBirthday, 0, 2, 29);
    EXPECT_TRUE(Falls(leapDay, {2008, 2, 29}));
    EXPECT_FALSE(Falls(leapDay, {2009, 3, 1}));

    const Anniversary lastSundayOfMay = MakeRecord(kAnniversaryByWeekday, 0, 55, 1);
    EXPECT_TRUE(Falls(lastSundayOfMay, {2009, 5, 31}));  // five Sundays
    EXPECT_FALSE(Falls(lastSundayOfMay, {2009, 5, 24}));
    EXPECT_TRUE(Falls(MakeRecord(kAnniversaryByWeekday, 0, 65, 1), {2011, 6, 26}));  // four
    EXPECT_TRUE(Falls(MakeRecord(kAnniversaryByWeekday, 0, 101, 7), {2009, 10, 3}));
    EXPECT_FALSE(Falls(MakeRecord(kAnniversaryByWeekday, 0, 50, 1), {2009, 5, 3}));  // no ordinal
}

TEST(OccursOn, LunarRecordsRespectLeapMonths) {
    const Anniversary leapFourth = Lunar(0, 4, 1, 1);
    EXPECT_TRUE(Falls(leapFourth, {2020, 5, 23}));    // leap 4/1
    EXPECT_FALSE(Falls(leapFourth, {2020, 4, 23}));   // ordinary 4/1
    SolarDate ordinary2021;
    ASSERT_EQ(LunarToSolar(2021, 4, 1, 0, ordinary2021), 1);
    EXPECT_TRUE(Falls(leapFourth, ordinary2021));     // no leap 4th month in 2021

    const Anniversary second = Lunar(0, 2, 1, 0);
    EXPECT_TRUE(Falls(second, {2023, 2, 20}));
    EXPECT_FALSE(Falls(second, {2023, 3, 22}));       // leap 2/1
    EXPECT_FALSE(Falls(Lunar(2024, 2, 1, 0), {2023, 2, 20}));  // lunar year too early

    EXPECT_FALSE(OccursOn(Lunar(0, 12, 1, 0), {1881, 1, 1}, nullptr));
}

TEST(NextOccurrence, FindsTheFirstDateFromToday) {
    using Date = std::optional<SolarDate>;
    const Anniversary childrensDay = MakeRecord(kAnniversaryByDate, 2100, 5, 5);  // year ignored
    EXPECT_EQ(NextOccurrence(childrensDay, {2009, 5, 5}), Date({2009, 5, 5}));
    EXPECT_EQ(NextOccurrence(childrensDay, {2009, 5, 6}), Date({2010, 5, 5}));
    EXPECT_EQ(NextOccurrence(MakeRecord(kAnniversaryByDate, 0, 2, 29), {2009, 1, 1}),
              Date({2009, 3, 1}));
    EXPECT_EQ(NextOccurrence(MakeRecord(kAnniversaryByWeekday, 0, 55, 1), {2009, 6, 1}),
              Date({2010, 5, 30}));
    EXPECT_EQ(NextOccurrence(Lunar(0, 12, 1, 0), {2010, 1, 1}), Date({2010, 1, 15}));
    EXPECT_EQ(NextOccurrence(Lunar(0, 4, 1, 1), {2020, 5, 1}), Date({2020, 5, 23}));
    EXPECT_EQ(NextOccurrence(Lunar(0, 1, 30, 0), {2022, 2, 1}), Date({2022, 3, 2}));
    // Month 1 has 29 days in lunar 1881, 1882 and 1883; no table beyond 2050.
    EXPECT_EQ(NextOccurrence(Lunar(0, 1, 30, 0), {1882, 3, 1}), std::nullopt);
    EXPECT_EQ(NextOccurrence(Lunar(0, 1, 1, 0), {2052, 6, 1}), std::nullopt);
    EXPECT_EQ(NextOccurrence(MakeRecord(kAnniversaryByDate, 0, 13, 1), {2009, 1, 1}), std::nullopt);
}

TEST(CountText, YearsOrKoreanAge) {
    EXPECT_EQ(CountText(MakeRecord(kAnniversaryBirthday, 1980, 1, 1), 2009, AgeCounting::kKorean), "(30세)");
    EXPECT_EQ(CountText(MakeRecord(kAnniversaryByDate, 2008, 1, 1), 2009, AgeCounting::kKorean), "(1주년)");
    EXPECT_EQ(CountText(MakeRecord(kAnniversaryByDate, 2008, 1, 1), 2008, AgeCounting::kKorean), "(첫해)");
    EXPECT_EQ(CountText(MakeRecord(kAnniversaryBirthday, 0, 1, 1), 2009, AgeCounting::kKorean), "");
    EXPECT_EQ(CountText(MakeRecord(kAnniversaryBirthday, 2010, 1, 1), 2009, AgeCounting::kKorean), "");
    EXPECT_EQ(CountText(MakeRecord(kAnniversaryByDate, 2010, 1, 1), 2009, AgeCounting::kKorean), "");
}

TEST(CountText, FullYearsCountOnlyBirthdays) {
    const AgeCounting full = AgeCountingFromSetting(1);
    EXPECT_EQ(CountText(MakeRecord(kAnniversaryBirthday, 1980, 1, 1), 2009, full), "(29세)");
    EXPECT_EQ(CountText(MakeRecord(kAnniversaryBirthday, 2009, 1, 1), 2009, full), "(0세)");
    EXPECT_EQ(CountText(MakeRecord(kAnniversaryByDate, 2008, 1, 1), 2009, full), "(1주년)");
    EXPECT_EQ(AgeCountingFromSetting(7), AgeCounting::kKorean);  // unknown values keep the old count

    // Every view's entries follow the setting, the day-before mark included.
    AnniversaryList list;
    Anniversary birthday = MakeRecord(kAnniversaryBirthday, 1980, 5, 5, "민수");
    birthday.dayBefore = 1;
    AddAnniversary(list, birthday);
    const auto entries = AnniversaryEntriesInRange(list, {2009, 5, 4}, 2, AnniversaryDisplay{false, full});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].title, "민수(29세)");
    EXPECT_EQ(entries[1].title, "민수이전(29세)");
    EXPECT_EQ(RankAnniversaries(list, {2009, 5, 4}, full)[0].countText, "(29세)");
}

TEST(RankAnniversaries, SoonestFirstWithTheListsTieOrder) {
    AnniversaryList list;
    AddAnniversary(list, MakeRecord(kAnniversaryByDate, 0, 5, 3, "first"));
    AddAnniversary(list, MakeRecord(kAnniversaryByDate, 2008, 5, 3, "second"));
    AddAnniversary(list, MakeRecord(kAnniversaryByDate, 0, 5, 2, "third"));
    AddAnniversary(list, MakeRecord(kAnniversaryByDate, 0, 3, 1, "lunar", 1));

    const auto rows = RankAnniversaries(list, {2009, 5, 2}, AgeCounting::kKorean);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].index, 2);
    EXPECT_EQ(rows[0].daysUntil, 0);
    EXPECT_EQ(rows[1].index, 1);
    EXPECT_EQ(rows[1].daysUntil, 1);
    EXPECT_EQ(rows[1].countText, "(1주년)");
    EXPECT_EQ(rows[1].date, TimeFromFields(2009, 5, 3, 0, 0, 0));
    EXPECT_EQ(rows[2].index, 0);
    EXPECT_EQ(rows[3].name, "lunar");
    EXPECT_EQ(rows[3].lunar, 1);
    EXPECT_EQ(rows[3].civilDate, (SolarDate{2010, 4, 14}));  // lunar 2010/3/1

    AnniversaryList far;
    AddAnniversary(far, Lunar(0, 1, 30, 0));
    AddAnniversary(far, MakeRecord(kAnniversaryByDate, 0, 3, 1));
    const auto farRows = RankAnniversaries(far, {1882, 3, 1}, AgeCounting::kKorean);
    EXPECT_EQ(farRows[0].index, 1);
    EXPECT_EQ(farRows[1].daysUntil, -1);
}

TEST(AnniversaryEntries, MainAndNeighbourMarksWithTitles) {
    AnniversaryList list;
    Anniversary childrensDay = MakeRecord(kAnniversaryByDate, 2008, 5, 5, "어린이날");
    childrensDay.dayBefore = 1;
    childrensDay.dayAfter = 1;
    childrensDay.color = 0xFF;
    AddAnniversary(list, childrensDay);
    AddAnniversary(list, MakeRecord(kAnniversaryByDate, 0, 5, 4, "other"));

    const auto onFourth = AnniversaryEntriesOn(list, {2009, 5, 4}, AnniversaryDisplay{false});
    ASSERT_EQ(onFourth.size(), 2u);
    EXPECT_EQ(onFourth[0].title, "other");  // falls on the 4th itself, collected first
    EXPECT_EQ(onFourth[1].title, "어린이날이전(1주년)");
    EXPECT_EQ(onFourth[1].mark, AnniversaryMark::kDayBefore);
    EXPECT_EQ(onFourth[1].color, 0xFFu);

    const auto week = AnniversaryEntriesInRange(list, {2009, 5, 6}, 7, AnniversaryDisplay{false});  // occurrence just before
    ASSERT_EQ(week.size(), 1u);
    EXPECT_EQ(week[0].title, "어린이날다음(1주년)");
    EXPECT_EQ(week[0].date, (SolarDate{2009, 5, 6}));

    const auto range = AnniversaryEntriesInRange(list, {2009, 5, 4}, 3, AnniversaryDisplay{false});
    ASSERT_EQ(range.size(), 4u);
    EXPECT_EQ(range[2].date, (SolarDate{2009, 5, 4}));
    EXPECT_EQ(range[3].date, (SolarDate{2009, 5, 6}));
    EXPECT_TRUE(AnniversaryEntriesInRange(list, {2009, 5, 4}, 0, AnniversaryDisplay{false}).empty());
}

TEST(AnniversaryEntries, LunarMarksCountFromTheOccurrencesLunarYear) {
    AnniversaryList list;
    Anniversary seollal = MakeRecord(kAnniversaryByDate, 2000, 1, 1, "설날");
    seollal.lunar = 1;
    seollal.dayBefore = 1;
    AddAnniversary(list, seollal);
    const auto entries = AnniversaryEntriesOn(list, {2024, 2, 9}, AnniversaryDisplay{false});  // lunar 2023/12/30
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].title, "설날이전(24주년)");
}

}  // namespace
