#include "calendar/Lunar.h"

#include <gtest/gtest.h>

namespace {

struct Reference {
    SolarDate civil;
    LunarDate lunar;
};

const Reference kReferences[] = {
    {{1881, 1, 30}, {1881, 1, 1, 0}},   {{2009, 1, 26}, {2009, 1, 1, 0}},
    {{2020, 5, 23}, {2020, 4, 1, 1}},   {{2023, 2, 20}, {2023, 2, 1, 0}},
    {{2023, 3, 22}, {2023, 2, 1, 1}},   {{2023, 4, 20}, {2023, 3, 1, 0}},
    {{2024, 2, 10}, {2024, 1, 1, 0}},   {{2024, 9, 17}, {2024, 8, 15, 0}},
    {{2051, 2, 10}, {2050, 12, 29, 0}},
    // Years whose leap month follows another month than older tables said.
    {{1984, 11, 23}, {1984, 10, 1, 1}}, {{1984, 12, 22}, {1984, 11, 1, 0}},
    {{2014, 10, 24}, {2014, 9, 1, 1}},  {{2014, 11, 22}, {2014, 10, 1, 0}},
    {{1995, 9, 25}, {1995, 8, 1, 1}},
};

TEST(Lunar, ReferencePointsConvertBothWays) {
    for (const Reference& ref : kReferences) {
        LunarDate lunar;
        ASSERT_EQ(SolarToLunar(ref.civil.year, ref.civil.month, ref.civil.day, lunar), 1);
        EXPECT_EQ(lunar, ref.lunar) << ref.civil.year << "-" << ref.civil.month;
        SolarDate civil;
        ASSERT_EQ(LunarToSolar(ref.lunar.year, ref.lunar.month, ref.lunar.day,
                               ref.lunar.isLeapMonth, civil), 1);
        EXPECT_EQ(civil, ref.civil);
    }
    const std::pair<int32_t, int32_t> corrected[] = {{1900, 8}, {1957, 8}, {1976, 8},
                                                     {1984, 10}, {1995, 8}, {2014, 9}};
    for (const auto& [year, leap] : corrected) EXPECT_EQ(GetLunarLeapMonth(year), leap) << year;
}

TEST(Lunar, OutsideTheTablesFailsAndLeavesTheRecord) {
    const LunarDate untouched{7, 7, 7, 7};
    LunarDate lunar = untouched;
    EXPECT_EQ(SolarToLunar(1881, 1, 29, lunar), 0);
    EXPECT_EQ(SolarToLunar(2051, 2, 11, lunar), 0);
    EXPECT_EQ(lunar, untouched);

    const SolarDate untouchedCivil{9, 9, 9};
    SolarDate civil = untouchedCivil;
    EXPECT_EQ(LunarToSolar(2050, 12, 30, 0, civil), 0);  // past the end marker
    EXPECT_EQ(LunarToSolar(1880, 1, 1, 0, civil), 0);
    EXPECT_EQ(LunarToSolar(2051, 1, 1, 0, civil), 0);
    EXPECT_EQ(LunarToSolar(2009, 0, 1, 0, civil), 0);
    EXPECT_EQ(LunarToSolar(2009, 13, 1, 0, civil), 0);
    EXPECT_EQ(LunarToSolar(2009, 1, 0, 0, civil), 0);
    EXPECT_EQ(LunarToSolar(2023, 1, 30, 0, civil), 0);  // a 29-day month
    EXPECT_EQ(LunarToSolar(2023, 3, 1, 1, civil), 0);   // 2023's leap month follows 2
    EXPECT_EQ(LunarToSolar(2024, 2, 1, 1, civil), 0);   // 2024 has none
    EXPECT_EQ(LunarToSolar(INT32_MIN, INT32_MIN, 1, 0, civil), 0);
    EXPECT_EQ(civil, untouchedCivil);

    EXPECT_EQ(GetLunarLeapMonth(1881), 7);
    EXPECT_EQ(GetLunarLeapMonth(1880), 0);
    EXPECT_EQ(GetLunarLeapMonth(2051), 0);
}

// Walks the whole convertible range: each day converts, converts back to
// itself, and its lunar date follows the previous day's.
TEST(Lunar, EveryConvertibleDayRoundTrips) {
    SolarDate civil{1881, 1, 30};
    LunarDate previous{};
    int leapMonthsSeen = 0;
    for (uint32_t offset = 0; offset <= kLunarLastOffset; ++offset) {
        LunarDate lunar;
        ASSERT_EQ(SolarToLunar(civil.year, civil.month, civil.day, lunar), 1);
        SolarDate back;
        ASSERT_EQ(LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.isLeapMonth, back), 1);
        ASSERT_EQ(back, civil) << civil.year << "-" << civil.month << "-" << civil.day;
        if (offset > 0 && lunar.day != previous.day + 1) {
            ASSERT_TRUE(lunar.day == 1 && (previous.day == 29 || previous.day == 30));
            const bool enteredLeap = lunar.isLeapMonth == 1 && lunar.month == previous.month;
            const bool nextMonth = lunar.isLeapMonth == 0 && lunar.month == previous.month + 1;
            const bool nextYear = lunar.month == 1 && previous.month == 12 &&
                                  lunar.year == previous.year + 1;
            ASSERT_TRUE(enteredLeap || nextMonth || nextYear);
            leapMonthsSeen += enteredLeap ? 1 : 0;
        }
        previous = lunar;
        civil = AddDays(civil, 1);
    }
    EXPECT_EQ(civil, (SolarDate{2051, 2, 11}));
    EXPECT_EQ(leapMonthsSeen, 63);
}

TEST(CivilDate, DayNumbersCountEveryDayOnce) {
    EXPECT_EQ(DateToDayNumber(1881, 1, 30), kLunarBaseDay);
    EXPECT_EQ(DateToDayNumber(2009, 2, 29), DateToDayNumber(2009, 3, 1));  // no validation
    SolarDate expected{1, 1, 1};
    for (uint32_t n = 1; n < DateToDayNumber(2401, 1, 1); ++n) {
        SolarDate date;
        DayNumberToDate(n, date);
        ASSERT_EQ(date, expected) << n;
        ASSERT_EQ(DateToDayNumber(date), n);
        expected.day += 1;
        if (!IsValidSolarDate(expected.year, expected.month, expected.day)) {
            expected = expected.month == 12 ? SolarDate{expected.year + 1, 1, 1}
                                            : SolarDate{expected.year, expected.month + 1, 1};
        }
    }
    EXPECT_EQ(WeekdayOf({2009, 5, 29}), 6);  // Friday
    EXPECT_EQ(WeekdayOf({2023, 1, 22}), 1);  // Sunday
}

}  // namespace
