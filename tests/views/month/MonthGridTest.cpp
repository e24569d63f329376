#include <gtest/gtest.h>

#include "views/ColorRef.h"
#include "views/month/MonthGrid.h"

namespace {

SolarDate Day(int year, int month, int day) { return {year, month, day}; }

}  // namespace

TEST(MonthGridTest, FirstOfTheMonthStartsInTheWeekStartsColumn) {
    // 1 March 2009 is a Sunday.
    const MonthCells sundayFirst = FillMonthGrid(Day(2009, 3, 18), true);
    EXPECT_EQ(sundayFirst[0].date, Day(2009, 3, 1));
    const MonthCells mondayFirst = FillMonthGrid(Day(2009, 3, 18), false);
    EXPECT_EQ(mondayFirst[6].date, Day(2009, 3, 1));
    EXPECT_EQ(mondayFirst[0].date, Day(2009, 2, 23));

    // February 2009 begins on a Sunday and fills four rows; the last two are March.
    const MonthCells february = FillMonthGrid(Day(2009, 2, 10), true);
    EXPECT_EQ(february[0].date, Day(2009, 2, 1));
    EXPECT_EQ(february[28].date, Day(2009, 3, 1));
    EXPECT_EQ(february[41].date, Day(2009, 3, 14));

    // Across a year's end every cell is the next calendar day.
    const MonthCells january = FillMonthGrid(Day(2027, 1, 1), false);
    EXPECT_EQ(january[0].date, Day(2026, 12, 28));
    for (size_t i = 1; i < january.size(); ++i)
        EXPECT_EQ(january[i].date, AddDays(january[i - 1].date, 1)) << i;
}

TEST(MonthGridTest, LunarLabelsUseTheLongFormWhereAMonthIsNamed) {
    const MonthCells cells = FillMonthGrid(Day(2023, 3, 1), true);
    // 22 March 2023 is the first day of the leap second month.
    const MonthCell& leapFirst = cells[0 + 3 * 7 + 3];
    ASSERT_EQ(leapFirst.date, Day(2023, 3, 22));
    ASSERT_TRUE(leapFirst.hasLunar);
    EXPECT_TRUE(UsesLongLunarLabel(24, leapFirst.lunar, false, false));
    EXPECT_EQ(LunarLabel(leapFirst.lunar, true), QStringLiteral("L-2/1"));
    const MonthCell& next = cells[3 * 7 + 4];
    EXPECT_FALSE(UsesLongLunarLabel(25, next.lunar, false, false));
    EXPECT_EQ(LunarLabel(next.lunar, false), QStringLiteral("L-2"));

    // Cell 0, today and the selected day always name their month.
    EXPECT_TRUE(UsesLongLunarLabel(0, next.lunar, false, false));
    EXPECT_TRUE(UsesLongLunarLabel(25, next.lunar, true, false));
    EXPECT_TRUE(UsesLongLunarLabel(25, next.lunar, false, true));
    const LunarDate ordinary{2023, 1, 15, 0};
    EXPECT_EQ(LunarLabel(ordinary, true), QStringLiteral("L1/15"));

    // Beyond the lunar tables a cell has no lunar date.
    const MonthCells late = FillMonthGrid(Day(2051, 3, 1), true);
    EXPECT_FALSE(late[20].hasLunar);
}

TEST(MonthGridTest, LastColumnAndRowAbsorbTheRemainders) {
    MonthCells cells = FillMonthGrid(Day(2026, 12, 9), false);
    LayOutMonthCells(cells, QRect(0, 35, 239, 200));
    // cw = 34, rh = 33; neighbours overlap by two pixels.
    EXPECT_EQ(cells[0].left, -1);
    EXPECT_EQ(cells[0].right, 35);
    EXPECT_EQ(cells[1].left, 33);
    EXPECT_EQ(cells[6].left, 203);
    EXPECT_EQ(cells[6].right, 240);
    EXPECT_EQ(cells[0].top, 34);
    EXPECT_EQ(cells[0].bottom, 35 + 33 + 1);
    EXPECT_EQ(cells[41].bottom, 35 + 200 + 1);
    EXPECT_EQ(MonthCellAt(cells, QPoint(34, 40)), 0);  // overlap: the first cell wins
    EXPECT_EQ(MonthCellAt(cells, QPoint(238, 234)), 41);
}

TEST(MonthGridTest, GeometryByOrientationAndMinimumSize) {
    const ScreenDpi dpi{192, 192};
    const MonthGeometry portrait = ComputeMonthGeometry(QSize(480, 596), dpi);
    ASSERT_TRUE(portrait.laidOut);
    EXPECT_TRUE(portrait.portrait);
    EXPECT_EQ(portrait.grid, QRect(0, 35, 480, 596 - 32 - 110 - 4));
    EXPECT_EQ(portrait.footerTop, 596 - 110);
    const MonthGeometry landscape = ComputeMonthGeometry(QSize(640, 436), dpi);
    EXPECT_FALSE(landscape.portrait);
    EXPECT_EQ(landscape.grid, QRect(0, 0, 640, 436));
    EXPECT_FALSE(ComputeMonthGeometry(QSize(99, 400), dpi).laidOut);
    EXPECT_FALSE(ComputeMonthGeometry(QSize(400, 99), dpi).laidOut);
}

TEST(MonthGridTest, CellColours) {
    const SolarDate today = Day(2026, 12, 9);
    // The selected day wins over today; days of other months are grey.
    EXPECT_EQ(MonthCellBackground(today, 12, today, today), 0xFAA5BEu);
    EXPECT_EQ(MonthCellBackground(today, 12, Day(2026, 12, 10), today), 0xCDFFFFu);
    EXPECT_EQ(MonthCellBackground(Day(2026, 12, 11), 12, Day(2026, 12, 10), today), 0xFFFFFFu);
    EXPECT_EQ(MonthCellBackground(Day(2026, 11, 30), 12, Day(2026, 11, 30), today), 0xEBEBEBu);

    EXPECT_EQ(DayNumberColour(Day(2026, 12, 13), false), kSundayTextColour);
    EXPECT_EQ(DayNumberColour(Day(2026, 12, 12), false), kSaturdayTextColour);
    EXPECT_EQ(DayNumberColour(Day(2026, 12, 9), false), kBlack);
    EXPECT_EQ(DayNumberColour(Day(2026, 12, 25), true), kSundayTextColour);
    EXPECT_EQ(MonthTitle(Day(2026, 3, 9)), QStringLiteral("2026/03"));
}
