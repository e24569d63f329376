#include <QTest>

#include "platform/shell/Density.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "tests/calendar/TestRecords.h"
#include "tests/views/FakeFrameHost.h"
#include "tests/views/ViewTestSupport.h"
#include "views/anniversary/AnniversaryView.h"

namespace {

class AnniversaryViewTest : public ViewTestBase {
protected:
    AnniversaryViewTest() : m_density(192, 192) {
        setenv("DAYVANE_NOW", "2026-12-09T10:10:00", 1);
        m_host.currentDate = TimeFromFields(2026, 12, 9, 10, 0, 0);
        m_host.settings.m_ShowHolidays = 0;  // the records alone; the holiday row has a test of its own
    }
    ~AnniversaryViewTest() override { unsetenv("DAYVANE_NOW"); }

    void Add(const Anniversary& record) { AddAnniversary(m_host.anniversaries, record); }
    CAnniversaryView& Show(QSize size = {480, 596}) {
        m_view = std::make_unique<CAnniversaryView>(m_host, nullptr, MenuAnswer());
        m_view->resize(size);
        m_view->show();
        return *m_view;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < m_view->List().Count(); ++i) names.push_back(m_view->List().Row(i).name);
        return names;
    }
    // Drags the pen through the points, starting on the first.
    void Stroke(std::initializer_list<QPoint> points) {
        auto it = points.begin();
        QTest::mousePress(m_view.get(), Qt::LeftButton, {}, *it);
        for (++it; it != points.end(); ++it) QTest::mouseMove(m_view.get(), *it);
        QTest::mouseRelease(m_view.get(), Qt::LeftButton, {}, *(points.end() - 1));
    }

    DensityScope m_density;
    FakeFrameHost m_host;
    // Answers the tap-and-hold menu in place of a user.
    PopupMenuRunner MenuAnswer() {
        return [this](QWidget*, const MenuDesc& menu, QPoint, PopupCorner) { return m_menu ? m_menu(menu) : 0; };
    }
    std::function<int(const MenuDesc&)> m_menu;
    std::unique_ptr<CAnniversaryView> m_view;
};

}  // namespace

TEST_F(AnniversaryViewTest, RowsShowNameCountDateAndDaysLeft) {
    Add(MakeRecord(kAnniversaryByDate, 0, 12, 19, "열흘"));
    Add(MakeRecord(kAnniversaryByDate, 2008, 12, 9, "오늘것"));
    Add(MakeRecord(kAnniversaryBirthday, 1980, 12, 10, "생일"));
    Add(MakeRecord(kAnniversaryByDate, 0, 11, 20, "음력", 1));
    CAnniversaryView& view = Show();
    ASSERT_EQ(view.List().Count(), 4);
    EXPECT_EQ(Names()[0], "오늘것");
    EXPECT_EQ(Names()[1], "생일");

    const AnniversaryOccurrence& today = view.List().Row(0);
    EXPECT_EQ(CAnniversaryListPart::NameText(today), QStringLiteral("오늘것(18주년)"));
    EXPECT_EQ(CAnniversaryListPart::DateText(today), QStringLiteral("2026.12.9"));
    EXPECT_EQ(CAnniversaryListPart::DaysText(today), QStringLiteral("오늘"));
    EXPECT_EQ(CAnniversaryListPart::NameText(view.List().Row(1)), QStringLiteral("생일(47세)"));
    EXPECT_EQ(CAnniversaryListPart::DaysText(view.List().Row(1)), QStringLiteral("내일"));
    for (int i = 0; i < 4; ++i) {
        const AnniversaryOccurrence& row = view.List().Row(i);
        if (row.name == "열흘") {
            EXPECT_EQ(CAnniversaryListPart::NameText(row), QStringLiteral("열흘"));  // no year, no count
            EXPECT_EQ(CAnniversaryListPart::DaysText(row), QStringLiteral("10"));
        }
        if (row.name == "음력") {
            EXPECT_TRUE(CAnniversaryListPart::DateText(row).startsWith(QStringLiteral("음 20")));
        }
    }
    EXPECT_TRUE(m_host.editButtons);
    EXPECT_EQ(m_host.title, QString());
}

TEST_F(AnniversaryViewTest, RefreshKeepsTheSelectedPosition) {
    for (int day = 10; day < 20; ++day) Add(MakeRecord(kAnniversaryByDate, 0, 12, day, std::to_string(day)));
    CAnniversaryView& view = Show();
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_C);
    EXPECT_EQ(view.GetSelectedAnniversary()->name, "12");
    RemoveAnniversary(m_host.anniversaries, 0);  // the row "10" goes
    view.RefreshAnniversaryView(1);
    EXPECT_EQ(view.List().GetSelectedIndex(), 2);
    EXPECT_EQ(view.GetSelectedAnniversary()->name, "13");
    EXPECT_EQ(view.GetSelectedAnniversary()->index, 2);

    m_host.anniversaries.Clear();
    view.RefreshAnniversaryView(1);
    EXPECT_FALSE(view.GetSelectedAnniversary().has_value());
}

TEST_F(AnniversaryViewTest, KeysStrokesAndTheHeldPenSendCommands) {
    for (int day = 10; day < 20; ++day) Add(MakeRecord(kAnniversaryByDate, 0, 12, day, std::to_string(day)));
    CAnniversaryView& view = Show();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_W, Qt::Key_M}) QTest::keyClick(&view, key);
    EXPECT_EQ(m_host.commands, (std::vector<int>{ID_EDIT_ITEM, ID_VIEW_WEEK, ID_VIEW_MONTH_LUNAR}));
    QTest::keyClick(&view, Qt::Key_G);
    EXPECT_GT(view.List().GetSelectedIndex(), 0);
    QTest::keyClick(&view, Qt::Key_D);
    EXPECT_EQ(view.List().GetSelectedIndex(), 0);

    m_host.commands.clear();
    const QPoint start(200, 200);
    Stroke({start, start + QPoint(-40, 0), start + QPoint(0, 0), start + QPoint(-40, 0)});  // "464"
    EXPECT_TRUE(m_host.commands.empty());
    Stroke({start, start + QPoint(40, 0), start, start + QPoint(40, 0)});  // "646"
    Stroke({start, start + QPoint(-40, 0), start + QPoint(-40, 40)});  // "42"
    Stroke({start, start + QPoint(40, 0), start + QPoint(40, 40)});    // "62"
    EXPECT_EQ(m_host.commands, (std::vector<int>{ID_DELETE_ITEM, ID_NEW_ANNIVERSARY_DATE, ID_EDIT_ITEM}));
    EXPECT_TRUE(view.StrokeDigits().isEmpty());

    m_host.commands.clear();
    MenuDesc shown;
    m_menu = [&shown](const MenuDesc& menu) {
        shown = menu;
        return ID_NEW_ANNIVERSARY_DAY;
    };
    QTest::mouseClick(&view, Qt::RightButton, {}, start);
    EXPECT_EQ(CommandIdsOf(shown), (std::vector<int>{ID_NEW_ANNIVERSARY_DATE, ID_NEW_ANNIVERSARY_DAY,
                                                     ID_EDIT_ITEM, ID_DELETE_ITEM}));
    EXPECT_EQ(m_host.commands, (std::vector<int>{ID_NEW_ANNIVERSARY_DAY}));
}

TEST_F(AnniversaryViewTest, LongNamesStayInTheirColumnAtEveryDensity) {
    Anniversary longName = MakeRecord(kAnniversaryByDate, 0, 12, 9, std::string(40, 'W'));
    longName.color = 0x0000FF;  // red
    for (int dpi : {96, 131, 192}) {
        DensityScope density(dpi, dpi);
        for (QSize size : {QSize(240, 298), QSize(320, 218), QSize(480, 596), QSize(640, 436)}) {
            for (int count : {0, 1000}) {
                m_host.anniversaries.Clear();
                for (int i = 0; i < count; ++i) {
                    Anniversary record = longName;
                    record.day = 1 + i % 28;
                    AddAnniversary(m_host.anniversaries, record);
                }
                m_view = std::make_unique<CAnniversaryView>(m_host, nullptr, MenuAnswer());
                m_view->resize(size);
                m_view->RenderOffscreen();
                const CAnniversaryListPart& list = m_view->List();
                ASSERT_EQ(list.Count(), count);
                if (count == 0) continue;
                EXPECT_TRUE(list.HasScrollBar());
                // No red right of the name column.
                const QImage& image = m_view->OffscreenImage();
                const int dateLeft = list.Width() - ScaleForDpi(10, dpi) - list.DaysColumnWidth() -
                                     list.DateColumnWidth();
                int red = 0;
                for (int y = list.Rect().top(); y < image.height(); ++y)
                    for (int x = std::max(0, dateLeft); x < image.width(); ++x)
                        red += image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 80 ? 1 : 0;
                EXPECT_EQ(red, 0) << dpi << " " << size.width() << "x" << size.height();
            }
        }
    }
}
