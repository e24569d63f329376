#include "tests/pim/time/ZoneFixture.h"

using CalendarMath = ZoneTest;

TEST_F(CalendarMath, MonthsAndWeekdays)
{
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2009, 4), 30);
    EXPECT_EQ(DaysInMonth(2009, 13), 0);
    EXPECT_EQ(NthWeekdayOfMonth(2009, 2, 5, 1), 22);  // February 2009 has four Sundays
    EXPECT_EQ(NthWeekdayOfMonth(2009, 2, 1, 1), 1);   // and begins on one
    EXPECT_EQ(NthWeekdayOfMonth(2009, 3, 5, 3), 31);
    EXPECT_EQ(NthWeekdayOfMonth(2009, 3, 1, 8), 0);
    EXPECT_EQ(WeekdayOccurrence(2009, 3, 17), 3);
    EXPECT_EQ(WeekdayOccurrence(2009, 3, 8), 2);
    EXPECT_EQ(WeekdayColumn(1, true), 1);
    EXPECT_EQ(WeekdayColumn(1, false), 7);
    EXPECT_EQ(WeekdayColumn(2, false), 1);

    UseZone("KST-9");
    EXPECT_EQ(WeekdayBit(TimeFromFields(2009, 3, 15, 0, 0, 0)), 1u);  // Sunday, Saturday in UTC
    EXPECT_EQ(WeekdayBit(TimeFromFields(2009, 3, 21, 8, 0, 0)), 64u);
    // 31 March 2024 lasts 23 hours in central Europe; the month still has 31 days.
    UseZone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(DaysInMonth(2024, 3), 31);
}

TEST_F(CalendarMath, WeekOfYear)
{
    EXPECT_EQ(WeekOfYear(2009, 12, 31, false), 53);
    EXPECT_EQ(WeekOfYear(2010, 1, 3, false), 53);
    EXPECT_EQ(WeekOfYear(2010, 1, 4, false), 1);
    EXPECT_EQ(WeekOfYear(2008, 12, 29, false), 1);  // Monday of 2009's first week
    EXPECT_EQ(WeekOfYear(2009, 2, 30, false), 0);

    EXPECT_EQ(WeekOfYear(2009, 1, 3, true), 1);  // 1 January 2009 was a Thursday
    EXPECT_EQ(WeekOfYear(2009, 1, 4, true), 2);
    EXPECT_EQ(WeekOfYear(2009, 12, 26, true), 52);
    EXPECT_EQ(WeekOfYear(2009, 12, 27, true), 1);  // the week holding 1 January 2010
}

TEST(TimeText, WeekViewAndEditorTimes)
{
    EXPECT_EQ(FormatTimeShort(Record(0, 0, 0, 0, 5), false), "12:05a");
    EXPECT_EQ(FormatTimeShort(Record(0, 0, 0, 12, 30), false), "12:30p");
    EXPECT_EQ(FormatTimeShort(Record(0, 0, 0, 13, 7), false), "1:07p");
    EXPECT_EQ(FormatTimeShort(Record(0, 0, 0, 0, 5), true), "0:05");
    EXPECT_EQ(FormatTime(0, 5, false), "0:05 AM");
    EXPECT_EQ(FormatTime(12, 30, false), "12:30 PM");
    EXPECT_EQ(FormatTime(13, 7, false), "1:07 PM");
    EXPECT_EQ(FormatTime(23, 59, true), "23:59");
}
