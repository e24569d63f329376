#include <QTest>

#include "platform/shell/Density.h"
#include "platform/time/PosixTzRule.h"
#include "resources/CommandIds.h"
#include "tests/views/FakeFrameHost.h"
#include "tests/views/ViewTestSupport.h"
#include "views/ColorRef.h"
#include "views/month/MonthViewLunar.h"
#include "agenda/WeekDates.h"

namespace {

TimeValue At(int year, int month, int day, int hour = 0) { return TimeFromFields(year, month, day, hour, 0, 0); }

class MonthViewLunarTest : public ViewTestBase {
protected:
    MonthViewLunarTest() : m_density(192, 192) {
        setenv("DAYVANE_NOW", "2026-12-09T10:10:00", 1);
        m_host.currentDate = At(2026, 12, 9, 10);
    }
    ~MonthViewLunarTest() override { unsetenv("DAYVANE_NOW"); }

    CMonthViewLunar& Show(QSize size = {480, 596}) {
        m_view = std::make_unique<CMonthViewLunar>(m_host);
        m_view->resize(size);
        m_view->show();
        return *m_view;
    }
    SolarDate Current() const { return DateOfTime(m_host.currentDate); }
    QColor PixelIn(const MonthCell& cell) const {
        // Inside the cell, right of the day number and above the lunar label.
        return m_view->OffscreenImage().pixelColor(cell.right - 4, cell.top + (cell.bottom - cell.top) / 2);
    }
    int CountColour(const MonthCell& cell, ColorRef colour) const {
        int count = 0;
        const QImage& image = m_view->OffscreenImage();
        for (int y = std::max(0, cell.top); y < cell.bottom; ++y)
            for (int x = std::max(0, cell.left); x < std::min(image.width(), cell.right); ++x)
                count += image.pixelColor(x, y) == ColorFromRef(colour) ? 1 : 0;
        return count;
    }

    DensityScope m_density;
    FakeFrameHost m_host;
    std::unique_ptr<CMonthViewLunar> m_view;
};

}  // namespace

TEST_F(MonthViewLunarTest, KeysMoveTheDateAndSendCommands) {
    CMonthViewLunar& view = Show();
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(Current(), (SolarDate{2026, 12, 10}));
    QTest::keyClick(&view, Qt::Key_C);
    EXPECT_EQ(Current(), (SolarDate{2026, 12, 17}));
    QTest::keyClick(&view, Qt::Key_R);
    QTest::keyClick(&view, Qt::Key_D);
    EXPECT_EQ(Current(), (SolarDate{2026, 12, 9}));
    // The time of day stays with a move by days.
    EXPECT_EQ(m_host.currentDate, At(2026, 12, 9, 10));

    // H and S go to the 1st of the next or previous month across the year.
    QTest::keyClick(&view, Qt::Key_H);
    EXPECT_EQ(Current(), (SolarDate{2027, 1, 1}));
    EXPECT_EQ(view.Cells()[0].date, (SolarDate{2026, 12, 28}));
    QTest::keyClick(&view, Qt::Key_S);
    QTest::keyClick(&view, Qt::Key_S);
    EXPECT_EQ(Current(), (SolarDate{2026, 11, 1}));
    EXPECT_EQ(view.Cells()[6].date, (SolarDate{2026, 11, 1}));

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_O, Qt::Key_N, Qt::Key_W, Qt::Key_M})
        QTest::keyClick(&view, key);
    EXPECT_EQ(m_host.commands, (std::vector<int>{ID_VIEW_WEEK, ID_GO_TODAY, ID_VIEW_ANNIVERSARIES,
                                                 ID_VIEW_WEEK, ID_VIEW_MONTH_WEATHER}));
}

TEST_F(MonthViewLunarTest, TapsSelectADayAndAnotherMonthRefills) {
    CMonthViewLunar& view = Show();
    const MonthCell thursday = view.Cells()[10];  // Monday-first: 10 December
    QTest::mouseClick(&view, Qt::LeftButton, {}, thursday.Rect().center());
    EXPECT_EQ(Current(), (SolarDate{2026, 12, 10}));
    EXPECT_EQ(view.Cells()[0].date, (SolarDate{2026, 11, 30}));

    const MonthCell nextMonth = view.Cells()[41];
    QTest::mouseClick(&view, Qt::LeftButton, {}, nextMonth.Rect().center());
    EXPECT_EQ(Current(), nextMonth.date);
    EXPECT_EQ(view.Cells()[4].date, (SolarDate{2027, 1, 1}));
}

TEST_F(MonthViewLunarTest, PaintsSelectionOverTodayAndHolidayNumbers) {
    CMonthViewLunar& view = Show();
    view.RenderOffscreen();
    const MonthCell today = view.Cells()[9];
    ASSERT_EQ(today.date, (SolarDate{2026, 12, 9}));
    EXPECT_EQ(PixelIn(today), QColor(0xBE, 0xA5, 0xFA));  // selected wins over today
    QTest::keyClick(&view, Qt::Key_Right);
    view.RenderOffscreen();
    EXPECT_EQ(PixelIn(today), QColor(0xFF, 0xFF, 0xCD));
    EXPECT_EQ(PixelIn(view.Cells()[0]), QColor(0xEB, 0xEB, 0xEB));

    // A weekday holiday's number is in the Sunday colour unless "ShowHolidays" is off.
    const MonthCell christmas = view.Cells()[25];
    ASSERT_EQ(christmas.date, (SolarDate{2026, 12, 25}));
    EXPECT_GT(CountColour(christmas, kSundayTextColour), 0);
    EXPECT_EQ(CountColour(view.Cells()[24], kSundayTextColour), 0);
    m_host.settings.m_ShowHolidays = 0;
    view.RenderOffscreen();
    EXPECT_EQ(CountColour(christmas, kSundayTextColour), 0);
}

TEST_F(MonthViewLunarTest, TitleGoesToTheCaptionOnlyInLandscape) {
    Show({640, 436});
    EXPECT_EQ(m_host.title, QStringLiteral("2026/12"));
    QTest::keyClick(m_view.get(), Qt::Key_H);
    EXPECT_EQ(m_host.title, QStringLiteral("2027/01"));
    m_view->resize(480, 596);
    EXPECT_EQ(m_host.title, QString());
}

TEST_F(MonthViewLunarTest, EveryDensityAndOrientationStaysInsideItsCells) {
    for (int dpi : {96, 131, 192}) {
        DensityScope density(dpi, dpi);
        for (QSize size : {QSize(240, 298), QSize(320, 218), QSize(480, 596), QSize(640, 436), QSize(99, 300)}) {
            m_view = std::make_unique<CMonthViewLunar>(m_host);
            m_view->resize(size);
            m_view->RenderOffscreen();
            const QImage& image = m_view->OffscreenImage();
            ASSERT_EQ(image.size(), size);
            if (!m_view->Geometry().laidOut) {
                EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::white));
                continue;
            }
            // The last row ends on the screen, above the empty footer in portrait.
            const MonthCell& last = m_view->Cells()[41];
            EXPECT_LE(last.bottom - 1, size.height()) << dpi;
            EXPECT_LE(last.right - 1, size.width()) << dpi;
            if (m_view->Geometry().portrait) {
                EXPECT_EQ(image.pixelColor(size.width() / 2, size.height() - 2), QColor(Qt::white));
            }
        }
    }
}

TEST_F(MonthViewLunarTest, MovesByCalendarDaysAcrossADaylightChange) {
    TIME_ZONE_INFORMATION zone;
    ASSERT_TRUE(ZoneFromPosixRule("EST5EDT,M3.2.0,M11.1.0", zone));
    SetZoneForTesting(&zone);
    struct Restore {
        ~Restore() { SetZoneForTesting(nullptr); }
    } restore;
    m_host.currentDate = At(2026, 3, 7, 23);  // the night before clocks go forward
    CMonthViewLunar& view = Show();
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(m_host.currentDate, At(2026, 3, 8, 23));
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(m_host.currentDate, At(2026, 3, 7, 23));
}
