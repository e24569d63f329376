#include "calendar/AnniversaryValidation.h"

#include <gtest/gtest.h>

#include "tests/calendar/TestRecords.h"

namespace {

Anniversary Record(int32_t kind, int32_t year, int32_t month, int32_t day, int32_t lunar = 0,
                   int32_t leap = 0) {
    return MakeRecord(kind, year, month, day, "이름", lunar, leap);
}

std::string Check(Anniversary a) {
    return CheckAnniversary(a);
}

TEST(CheckAnniversary, RefusesWhatTheEditorsRefuse) {
    Anniversary untitled = Record(kAnniversaryByDate, 2009, 5, 5);
    untitled.name = "  ";
    EXPECT_EQ(Check(untitled), kAnniversaryTitleMissing);

    // Lunar 2023 month 1 has 29 days; without a year some year has day 30.
    EXPECT_EQ(Check(Record(kAnniversaryByDate, 2023, 1, 30, 1)), kAnniversaryLunarDateInvalid);
    EXPECT_EQ(Check(Record(kAnniversaryByDate, 0, 1, 30, 1)), "");
    EXPECT_EQ(Check(Record(kAnniversaryBirthday, 2023, 3, 1, 1, 1)), kAnniversaryLunarDateInvalid);
    EXPECT_EQ(Check(Record(kAnniversaryBirthday, 2023, 2, 1, 1, 1)), "");
    EXPECT_EQ(Check(Record(kAnniversaryByDate, 0, 1, 31, 1)), kAnniversaryLunarDateInvalid);

    EXPECT_EQ(Check(Record(kAnniversaryByDate, 2009, 2, 29)), kAnniversaryDateInvalid);
    EXPECT_EQ(Check(Record(kAnniversaryByDate, 2008, 2, 29)), "");
    EXPECT_EQ(Check(Record(kAnniversaryBirthday, 0, 2, 29)), "");
    EXPECT_EQ(Check(Record(kAnniversaryByDate, 0, 13, 1)), kAnniversaryDateInvalid);
    EXPECT_EQ(Check(Record(kAnniversaryByDate, 1880, 1, 1)), kAnniversaryDateInvalid);
    EXPECT_EQ(Check(Record(0, 2009, 1, 1)), kAnniversaryDateInvalid);

    EXPECT_EQ(Check(Record(kAnniversaryByWeekday, 2009, 35, 6)), "");   // last Friday of March
    EXPECT_EQ(Check(Record(kAnniversaryByWeekday, 0, 125, 1)), "");     // last Sunday of December
    EXPECT_EQ(Check(Record(kAnniversaryByWeekday, 0, 36, 6)), kAnniversaryDateInvalid);
    EXPECT_EQ(Check(Record(kAnniversaryByWeekday, 0, 31, 8)), kAnniversaryDateInvalid);
    EXPECT_EQ(Check(Record(kAnniversaryByWeekday, 0, 131, 1)), kAnniversaryDateInvalid);
}

TEST(CheckAnniversary, NormalisesFlagsThatCannotApply) {
    Anniversary civil = Record(kAnniversaryByDate, 2009, 5, 5, 0, 1);
    EXPECT_EQ(CheckAnniversary(civil), "");
    EXPECT_EQ(civil.leapMonth, 0);
    Anniversary weekday = Record(kAnniversaryByWeekday, 2009, 52, 2, 1, 1);
    EXPECT_EQ(CheckAnniversary(weekday), "");
    EXPECT_EQ(weekday.lunar + weekday.leapMonth, 0);
}

}  // namespace
