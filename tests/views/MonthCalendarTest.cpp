#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/views/ViewTestSupport.h"
#include "views/MonthCalendarPart.h"

namespace {

struct Ymd {
    int year, month, day;
    bool operator==(const Ymd&) const = default;
};

Ymd DateOf(TimeValue t) {
    const TimeParts parts = *PartsFromTime(t);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

Ymd DateOf(const CalendarHitRecord& record) { return {record.year, record.month, record.day}; }

QRect RectOf(const CalendarHitRecord& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

class MonthCalendarTest : public ViewTestBase {
protected:
    void SetUp() override {
        setenv("DAYVANE_NOW", "2009-03-18T10:00:00", 1);
        host.currentDate = TimeFromFields(2009, 3, 18, 9, 0, 0);
        view = std::make_unique<TestView>(host);
        calendar = std::make_unique<CMonthCalendarPart>(*view);
        calendar->SetRect(30, 40, 116, 58);
    }
    void TearDown() override { unsetenv("DAYVANE_NOW"); }
    const QImage& Paint() {
        PaintToImage(*calendar, QSize(200, 200));
        return calendar->OffscreenImage();
    }
    // The view's point over a record's centre.
    QPoint Centre(const CalendarHitRecord& r) const {
        return calendar->Rect().topLeft() + RectOf(r).center();
    }

    DensityScope density{96, 96};
    TestHost host;
    std::unique_ptr<TestView> view;
    std::unique_ptr<CMonthCalendarPart> calendar;
};

TEST_F(MonthCalendarTest, KeepsOneRecordPerDayAndTheNeighbouringMonths) {
    Paint();
    const auto& records = calendar->HitRecords();
    ASSERT_EQ(records.size(), 31u + 2u);
    // 1 March 2009 is a Sunday: the last column of a Monday week.
    EXPECT_EQ(RectOf(records[0]), QRect(QPoint(98, 2), QPoint(110, 12)));
    EXPECT_EQ(DateOf(records[0]), (Ymd{2009, 3, 1}));
    EXPECT_EQ(RectOf(records[1]), QRect(QPoint(20, 11), QPoint(32, 21)));
    EXPECT_EQ(RectOf(records[30]), QRect(QPoint(33, 47), QPoint(45, 57)));  // Tuesday the 31st
    // The rest of the last row stands for 1 April, the start of the first for 28 February.
    EXPECT_EQ(RectOf(records[31]), QRect(QPoint(46, 47), QPoint(110, 57)));
    EXPECT_EQ(DateOf(records[31]), (Ymd{2009, 4, 1}));
    EXPECT_EQ(RectOf(records[32]), QRect(QPoint(20, 2), QPoint(97, 12)));
    EXPECT_EQ(DateOf(records[32]), (Ymd{2009, 2, 28}));

    // Sunday first: the 1st opens the first row and nothing stands for February.
    host.settings.m_SundayAsStart = 1;
    Paint();
    EXPECT_EQ(calendar->HitRecords().size(), 31u + 1u);
    EXPECT_EQ(calendar->HitRecords()[0].left, 20);
    EXPECT_EQ(DateOf(calendar->HitRecords().back()), (Ymd{2009, 4, 1}));
}

TEST_F(MonthCalendarTest, TapMakesTheDayCurrent) {
    EXPECT_FALSE(calendar->HitTest(calendar->Rect().topLeft() + QPoint(100, 5)));  // not painted yet
    Paint();
    const auto records = calendar->HitRecords();
    EXPECT_TRUE(calendar->HitTest(Centre(records[0])));
    EXPECT_EQ(DateOf(host.currentDate), (Ymd{2009, 3, 1}));
    EXPECT_EQ(host.currentDate, TimeFromFields(2009, 3, 1, 0, 0, 0));
    EXPECT_TRUE(calendar->HitTest(Centre(records[32])));
    EXPECT_EQ(DateOf(host.currentDate), (Ymd{2009, 2, 28}));
    // Rows overlap by two pixels; the earlier day wins.
    EXPECT_TRUE(calendar->HitTest(calendar->Rect().topLeft() + QPoint(25, 12)));
    EXPECT_EQ(DateOf(host.currentDate), (Ymd{2009, 3, 2}));
    // The week-number column and the space below the month are no day.
    const int before = host.setCount;
    EXPECT_FALSE(calendar->HitTest(calendar->Rect().topLeft() + QPoint(5, 20)));
    EXPECT_FALSE(calendar->HitTest(calendar->Rect().topLeft() + QPoint(113, 20)));
    EXPECT_EQ(host.setCount, before);
}

TEST_F(MonthCalendarTest, NumbersWeeksByTheWeekStart) {
    Paint();
    // ISO weeks: the row ending Sunday 1 March is week 9, 16-22 March week 12.
    EXPECT_EQ(calendar->RowWeekNumbers(), (std::vector<int>{9, 10, 11, 12, 13, 14}));
    host.settings.m_SundayAsStart = 1;
    Paint();
    // Week 1 holds 1 January (Sunday 28 December to Saturday 3 January).
    EXPECT_EQ(calendar->RowWeekNumbers(), (std::vector<int>{10, 11, 12, 13, 14}));

    // December 2008: the last row already belongs to week 1 of 2009 either way.
    host.currentDate = TimeFromFields(2008, 12, 10, 0, 0, 0);
    Paint();
    EXPECT_EQ(calendar->RowWeekNumbers().back(), 1);
    host.settings.m_SundayAsStart = 0;
    Paint();
    EXPECT_EQ(calendar->RowWeekNumbers(), (std::vector<int>{49, 50, 51, 52, 1}));
}

TEST_F(MonthCalendarTest, HighlightsTheCurrentWeekAndBoxesToday) {
    host.currentDate = TimeFromFields(2009, 3, 25, 0, 0, 0);
    const QImage& image = Paint();
    const QColor highlight = ColorFromRef(0xE1D7CD);
    const QColor todayBox = ColorFromRef(0xC37D7D);
    // Rows at 4, 13, 22, 31, 40: the 25th is in the fifth row (23-29).
    EXPECT_EQ(image.pixelColor(3, 40), highlight);
    EXPECT_EQ(image.pixelColor(3, 39), highlight);   // the line above
    EXPECT_EQ(image.pixelColor(2, 39), QColor(Qt::white));  // rounded corner
    EXPECT_EQ(image.pixelColor(3, 31), QColor(Qt::white));
    // Today, Wednesday the 18th, in the fourth row, third column: x = 20 + 2 * 13.
    EXPECT_EQ(image.pixelColor(47, 31), todayBox);
    EXPECT_EQ(image.pixelColor(48, 30), todayBox);
    EXPECT_EQ(image.pixelColor(47, 30), QColor(Qt::white));

    // Too small to show: nothing drawn, nothing to tap.
    calendar->SetRect(30, 40, 99, 58);
    PaintToImage(*calendar, QSize(200, 200));
    EXPECT_TRUE(calendar->HitRecords().empty());
    EXPECT_FALSE(calendar->HitTest(calendar->Rect().topLeft() + QPoint(50, 20)));
}

TEST(MonthCalendarDensityTest, GridScalesAt192Dpi) {
    EnsureTestApplication();
    DensityScope density(192, 192);
    setenv("DAYVANE_NOW", "2009-03-18T10:00:00", 1);
    TestHost host;
    host.currentDate = TimeFromFields(2009, 3, 18, 0, 0, 0);
    TestView view(host);
    CMonthCalendarPart calendar(view);
    calendar.SetRect(0, 0, 232, 116);
    PaintToImage(calendar, QSize(232, 116));
    const auto& records = calendar.HitRecords();
    ASSERT_EQ(records.size(), 33u);
    // Week column S(20) = 40, day columns S(13) = 26, rows S(9) = 18 from y = 4.
    EXPECT_EQ(RectOf(records[0]), QRect(QPoint(196, 2), QPoint(221, 21)));
    EXPECT_EQ(RectOf(records[1]), QRect(QPoint(40, 20), QPoint(65, 39)));
    unsetenv("DAYVANE_NOW");
}

}  // namespace
