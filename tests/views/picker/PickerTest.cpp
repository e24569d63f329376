#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "views/picker/PickerLayout.h"
#include "tests/platform/shell/QtTestApp.h"
#include "views/picker/PickerPainter.h"

TEST(PickerLayout, PortraitAndLandscapeGrids)
{
    const PickerLayout portrait = MakePickerLayout(QSize(240, 268), 96, true);
    EXPECT_EQ(portrait.columns, 3);
    EXPECT_EQ(portrait.rows, 4);
    EXPECT_EQ(portrait.cellWidth, 80);
    EXPECT_EQ(portrait.cellHeight, 67);
    EXPECT_EQ(portrait.titleHeight, 14);
    EXPECT_EQ(MonthCellRect(portrait, 5), QRect(80, 67, 80, 67));
    EXPECT_EQ(MakePickerLayout(QSize(320, 240), 131, true).titleHeight, 14);  // S(10) at 131 dpi
    const PickerLayout landscape = MakePickerLayout(QSize(320, 240), 96, false);
    EXPECT_EQ(landscape.columns, 4);
    EXPECT_EQ(MonthAt(landscape, QPoint(319, 239)), 12);
}

TEST(PickerLayout, AugustTwoThousandNineSharesItsFifthRow)
{
    const PickerLayout layout = MakePickerLayout(QSize(240, 268), 96, true);
    EXPECT_EQ(DaySlotOf(layout, 2009, 8, 23).row, 4);
    EXPECT_TRUE(SharesFifthRow(layout, 2009, 8, 23));
    EXPECT_TRUE(SharesFifthRow(layout, 2009, 8, 24));
    EXPECT_FALSE(SharesFifthRow(layout, 2009, 8, 25));
    EXPECT_EQ(DaySlotOf(layout, 2009, 8, 30).row, 5);
}

TEST(PickerLayout, KeysKeepTheirBounds)
{
    SolarDate date{1971, 1, 1};
    EXPECT_TRUE(PickerKey(Qt::Key_Left, date));
    EXPECT_EQ(date, (SolarDate{1970, 12, 31}));
    date = {1970, 1, 15};
    EXPECT_FALSE(PickerKey(Qt::Key_Left, date));
    date = {2009, 2, 28};
    PickerKey(Qt::Key_Down, date);
    EXPECT_EQ(date.day, 28);
    date = {2009, 3, 3};
    PickerKey(Qt::Key_Up, date);
    EXPECT_EQ(date.day, 1);
    date = {2009, 12, 20};
    PickerKey(Qt::Key_Right, date);
    EXPECT_EQ(date, (SolarDate{2010, 1, 1}));
    date = {2105, 12, 1};
    EXPECT_FALSE(PickerKey(Qt::Key_Right, date));  // beyond the time values
}

TEST(PickerLayout, TapsPickTitleDayOrLastDay)
{
    const PickerLayout layout = MakePickerLayout(QSize(240, 268), 96, true);
    SolarDate date{2009, 1, 10};
    ASSERT_TRUE(PickerTap(layout, 2009, QPoint(120, 70), date));  // May's title band
    EXPECT_EQ(date, (SolarDate{2009, 5, 1}));
    const QRect box = DayBox(layout, 2009, 8, 12);
    ASSERT_TRUE(PickerTap(layout, 2009, box.center(), date));
    EXPECT_EQ(date, (SolarDate{2009, 8, 12}));
    const QRect august = MonthCellRect(layout, 8);
    ASSERT_TRUE(PickerTap(layout, 2009, QPoint(august.left() + 1, august.bottom()), date));
    EXPECT_EQ(date.day, 31);
}

TEST(PickerPainter, DrawsTheSelectedMonthBandAndHolidaysInRed)
{
    TestApp();
    const PickerLayout layout = MakePickerLayout(QSize(240, 268), 96, true);
    QImage image(240, 268, QImage::Format_RGB32);
    PickerState state{SolarDate{2009, 8, 12}, SolarDate{2009, 8, 14}, {}};
    state.showHolidays = true;  // 15 August, Liberation Day
    {
        QPainter painter(&image);
        PickerPainter(layout).PaintAll(painter, state);
    }
    const QRect august = MonthCellRect(layout, 8);
    EXPECT_LT(image.pixelColor(august.left() + 3, august.top() + 3).lightness(), 0x50);
    EXPECT_EQ(image.pixelColor(MonthCellRect(layout, 1).topLeft() + QPoint(3, 3)), QColor(0xC0, 0xC0, 0xC0));
    // Today's box is black; the holiday's number is drawn in red.
    const QRect today = DayBox(layout, 2009, 8, 14);
    EXPECT_LT(image.pixelColor(today.left(), today.bottom()).lightness(), 0x20);
    const QRect holiday = DayBox(layout, 2009, 8, 15);
    bool red = false;
    for (int x = holiday.left(); x <= holiday.right() && !red; ++x)
        for (int y = holiday.top(); y <= holiday.bottom() && !red; ++y)
            red = image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 80;
    EXPECT_TRUE(red);
}
