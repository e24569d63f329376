#include <gtest/gtest.h>

#include "views/PenStroke.h"
#include "views/week/WeekLayout.h"

namespace {

constexpr ScreenDpi kDpi192{192, 192};
constexpr ScreenDpi kDpi96{96, 96};

TEST(WeekScreenLayout, PortraitStripsScaleWithDensity) {
    const WeekScreenLayout at192 = ComputeScreenLayout({480, 640}, kDpi192);
    EXPECT_TRUE(at192.portrait);
    EXPECT_EQ(at192.dayArea, QRect(0, 35, 480, 573));  // S(16) + 3, 640 - 32 - 30 - 5
    EXPECT_EQ(at192.headerLineY, 33);
    EXPECT_EQ(at192.detailStrip.top(), 609);  // 640 - S(15) - 1
    EXPECT_EQ(at192.detailStrip.bottom(), 639);
    EXPECT_EQ(at192.monthBox, QRect(10, 4, 110, 28));
    EXPECT_EQ(at192.monthHitBox, QRect(QPoint(10, 4), QPoint(119, 31)));

    const WeekScreenLayout at96 = ComputeScreenLayout({240, 320}, kDpi96);
    EXPECT_EQ(at96.dayArea, QRect(0, 19, 240, 284));
    EXPECT_EQ(at96.detailStrip.top(), 304);

    const WeekScreenLayout landscape = ComputeScreenLayout({640, 480}, kDpi192);
    EXPECT_FALSE(landscape.portrait);
    EXPECT_EQ(landscape.dayArea, QRect(0, 0, 640, 480));
    EXPECT_TRUE(landscape.headerStrip.isEmpty());
    EXPECT_TRUE(landscape.detailStrip.isEmpty());
    // A square client counts as landscape.
    EXPECT_FALSE(ComputeScreenLayout({300, 300}, kDpi96).portrait);
}

TEST(WeekCellLayout, TwoColumnsWithoutCalendar) {
    const QRect area(0, 35, 480, 573);
    const WeekCellLayout layout = LayoutCells(area, {}, false, kDpi192);
    ASSERT_TRUE(layout.laidOut);
    EXPECT_TRUE(layout.calendar.isEmpty());
    // Left: three cells of equal weight, the last down to the area's bottom.
    EXPECT_EQ(layout.cells[0], QRect(0, 35, 240, 191));
    EXPECT_EQ(layout.cells[1], QRect(0, 227, 240, 191));
    EXPECT_EQ(layout.cells[2], QRect(0, 419, 240, 189));
    // Right: four cells from W / 2 + 1, ending at the area's edge.
    EXPECT_EQ(layout.cells[3], QRect(241, 35, 239, 143));
    EXPECT_EQ(layout.cells[6].bottom(), area.bottom());
    EXPECT_EQ(layout.cells[6].right(), area.right());
}

TEST(WeekCellLayout, CalendarTakesTheTopOfTheRightColumn) {
    const QRect area(0, 35, 480, 573);
    const WeekCellLayout layout = LayoutCells(area, {}, true, kDpi192);
    EXPECT_EQ(layout.calendar, QRect(241, 35, 239, 116));
    EXPECT_EQ(layout.cells[3].x(), 0);  // four cells on the left
    EXPECT_EQ(layout.cells[4].x(), 241);
    EXPECT_EQ(layout.cells[4].y(), 35 + 117);
    EXPECT_EQ(layout.cells[6].bottom(), area.bottom());
}

TEST(WeekCellLayout, BusyDaysGetMoreRoomUpToHalfTheArea) {
    const QRect area(0, 0, 400, 400);
    EXPECT_EQ(CellWeight(50, 400), 80);
    EXPECT_EQ(CellWeight(5000, 400), 230);
    const WeekCellLayout layout = LayoutCells(area, {500, 0, 0, 0, 0, 0, 0}, false, kDpi96);
    // Weights 230, 30, 30 share 400 pixels.
    EXPECT_EQ(layout.cells[0].height(), 317);
    EXPECT_EQ(layout.cells[1].height(), 41);
    for (const QRect& cell : layout.cells) EXPECT_GE(cell.height(), 0);

    EXPECT_FALSE(LayoutCells(QRect(0, 0, 99, 400), {}, false, kDpi96).laidOut);
    EXPECT_FALSE(LayoutCells(QRect(0, 0, 400, 99), {}, true, kDpi96).laidOut);
}

TEST(WeekCellHeader, TextsAndColoursByDay) {
    const DayCellHeader monday = CellHeaderFor({2009, 3, 9}, true);
    EXPECT_EQ(monday.dateText, "3/9");
    EXPECT_EQ(monday.weekdayText, "Mo");
    EXPECT_EQ(monday.edge, 0x787878u);
    EXPECT_EQ(CellHeaderFor({2009, 3, 10}, false).dateText, "10");
    EXPECT_EQ(CellHeaderFor({2009, 4, 1}, false).dateText, "4/1");

    const DayCellHeader sunday = CellHeaderFor({2009, 3, 15}, false);
    EXPECT_EQ(sunday.weekdayText, "Su");
    EXPECT_EQ(sunday.edge, 0x6746E9u);
    EXPECT_EQ(sunday.upper, 0xBBA0FAu);
    EXPECT_EQ(sunday.lower, 0x8965FCu);

    EXPECT_EQ(CellBackgroundFor({2009, 3, 11}, {2009, 3, 11}), 0xC8FFFFu);
    EXPECT_EQ(CellBackgroundFor({2009, 3, 12}, {2009, 3, 11}), 0xFFFFFFu);
}

TEST(WeekTexts, TitleNamesTheYearTwiceOnlyAcrossAYearEnd) {
    EXPECT_EQ(WeekRangeTitle({2009, 3, 9}, {2009, 3, 15}), "2009/03/09 ~ 03/15");
    EXPECT_EQ(WeekRangeTitle({2009, 12, 28}, {2010, 1, 3}), "2009/12/28 ~ 2010/01/03");
}

TEST(PenStroke, AngleRuleBoundaries) {
    EXPECT_EQ(StrokeDigitForAngle(0), '6');
    EXPECT_EQ(StrokeDigitForAngle(45), '6');
    EXPECT_EQ(StrokeDigitForAngle(45.5), '8');
    EXPECT_EQ(StrokeDigitForAngle(135), '8');
    EXPECT_EQ(StrokeDigitForAngle(135.5), '4');
    EXPECT_EQ(StrokeDigitForAngle(-135), '4');
    EXPECT_EQ(StrokeDigitForAngle(-134.5), '2');
    EXPECT_EQ(StrokeDigitForAngle(-45), '2');
    EXPECT_EQ(StrokeDigitForAngle(-44.5), '6');
}

TEST(PenStroke, DigitsPerChangeOfDirection) {
    PenStroke stroke;
    stroke.Begin({100, 100});
    // 10.77 pixels truncate to 10: not yet a step.
    EXPECT_FALSE(stroke.Move({110, 104}));
    EXPECT_TRUE(stroke.Digits().isEmpty());
    // Screen y grows downwards: this is up and to the right, mostly right.
    EXPECT_TRUE(stroke.Move({112, 95}));
    EXPECT_EQ(stroke.Digits(), "6");
    EXPECT_TRUE(stroke.Move({130, 95}));  // still right: no new digit
    EXPECT_FALSE(stroke.Move({100, 95}));
    EXPECT_FALSE(stroke.Move({130, 96}));
    EXPECT_EQ(stroke.Digits(), "646");

    stroke.Begin({50, 50});
    stroke.Move({50, 80});  // down
    EXPECT_EQ(stroke.Digits(), "2");
    stroke.Move({80, 80});
    EXPECT_EQ(stroke.Digits(), "26");
    stroke.Begin({50, 50});
    EXPECT_TRUE(stroke.Move({20, 50}));  // a plain left stroke stops the list drag too
    EXPECT_EQ(stroke.Digits(), "4");
}

TEST(PenStroke, CommandsByStroke) {
    EXPECT_EQ(CommandForStroke("6"), StrokeCommand::ToggleCompletion);
    EXPECT_EQ(CommandForStroke("646"), StrokeCommand::Delete);
    EXPECT_EQ(CommandForStroke("42"), StrokeCommand::NewAppointment);
    EXPECT_EQ(CommandForStroke("48"), StrokeCommand::NewTask);
    EXPECT_EQ(CommandForStroke("62"), StrokeCommand::Edit);
    for (const char* other : {"", "4", "464", "26", "6464", "2", "8"})
        EXPECT_EQ(CommandForStroke(other), StrokeCommand::None) << other;
}

}  // namespace
