#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "platform/shell/TapAndHold.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "tests/views/week/WeekTestSupport.h"
#include "views/week/WeekView.h"

namespace {

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// The pen's path as one stroke: down at the first point, up at the last.
void Stroke(QWidget& widget, std::initializer_list<QPoint> path) {
    const QPoint* point = path.begin();
    SendMouse(widget, QEvent::MouseButtonPress, *point, Qt::LeftButton, Qt::LeftButton);
    for (++point; point != path.end(); ++point)
        SendMouse(widget, QEvent::MouseMove, *point, Qt::NoButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, *(path.end() - 1), Qt::LeftButton, Qt::NoButton);
}

void Tap(QWidget& widget, QPoint at) { Stroke(widget, {at}); }

void Key(QWidget& widget, int key, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&widget, &event);
}

class WeekViewTest : public ViewTestBase {
protected:
    void Make(QSize size = {480, 640}) {
        host.SetCurrentDate(At(2009, 3, 11, 10));
        view = std::make_unique<CWeekView>(host, nullptr,
                                           [this](QWidget*, const MenuDesc& menu, QPoint, PopupCorner) {
                                               menus.push_back(menu);
                                               return menuAnswer;
                                           });
        view->resize(size);
        view->show();
        view->Reload(1);
        view->RenderOffscreen();
    }
    // Wednesday: an appointment and a task; Friday: a task; Monday: a long list.
    void AddItems() {
        WeekAppointment meeting;
        meeting.oid = 11;
        meeting.subject = "주간 회의";
        meeting.location = "3층";
        meeting.start = Ole(2009, 3, 11, 9);
        meeting.end = Ole(2009, 3, 11, 10);
        host.source.appointments.push_back(meeting);
        for (int i = 0; i < 30; ++i) {
            WeekAppointment busy = meeting;
            busy.oid = 100 + i;
            busy.start = Ole(2009, 3, 9, 8);
            busy.end = Ole(2009, 3, 9, 9);
            host.source.appointments.push_back(busy);
        }
        WeekTask report;
        report.oid = 21;
        report.subject = "보고서";
        report.startDate = kNoDate;
        report.dueDate = Ole(2009, 3, 13);
        report.completedDate = kNoDate;
        host.source.tasks.push_back(report);
    }
    // The middle of an entry line of a cell (first visible line at the top).
    QPoint EntryPoint(int cell, int index) {
        CDayCellPart& part = view->Cell(cell);
        int y = part.Rect().y();
        for (int i = part.FirstVisible(); i < index; ++i) y += part.RowHeight(i);
        return {part.Rect().x() + part.Width() / 3, y + part.RowHeight(index) / 2};
    }
    CEOID SelectedOid() const { return view->GetSelection().oid; }

    DensityScope density{192, 192};
    ClockScope clock{"2009-03-11T10:00:00"};
    FakeWeekHost host;
    std::unique_ptr<CWeekView> view;
    std::vector<MenuDesc> menus;
    int menuAnswer = 0;
};

TEST_F(WeekViewTest, ShowsTheWeekWithTodaySelected) {
    AddItems();
    Make();
    EXPECT_TRUE(host.editButtons);
    EXPECT_TRUE(host.title.isEmpty());
    EXPECT_EQ(view->SelectedCell(), 2);
    EXPECT_EQ(SelectedOid(), 11u);
    EXPECT_EQ(view->GetSelection().kind, 1);
    ASSERT_EQ(view->CellEntries(2).size(), 2u);  // the task is due Friday: two days left
    EXPECT_EQ(view->CellEntries(2)[1].bodyText, "보고서(2d)");
    ASSERT_EQ(view->CellEntries(6).size(), 1u);
    EXPECT_EQ(view->CellEntries(6)[0].leadText, "(NULL)");
    // Only the selected cell shows its selection.
    EXPECT_TRUE(view->Cell(2).HasFocusFlag());
    EXPECT_FALSE(view->Cell(4).HasFocusFlag());

    const QImage& image = view->OffscreenImage();
    const QRect today = view->Cell(2).Rect();
    EXPECT_EQ(image.pixelColor(today.center().x(), today.bottom() - 40), QColor(0xFF, 0xFF, 0xC8));
    const QRect other = view->Cell(5).Rect();
    EXPECT_EQ(image.pixelColor(other.center().x(), other.bottom() - 40), QColor(Qt::white));
    const QRect strip = view->ScreenLayout().detailStrip;
    EXPECT_EQ(image.pixelColor(strip.right() - 2, strip.bottom() - 1), QColor(0xE6, 0xE6, 0xE6));
    // The busy Monday asks for more room than the empty days.
    EXPECT_GT(view->Cell(0).Height(), view->Cell(1).Height());
}

TEST_F(WeekViewTest, TapSelectsTheDayAndTheEntryUnderThePen) {
    AddItems();
    Make();
    Tap(*view, EntryPoint(4, 0));
    EXPECT_EQ(view->SelectedCell(), 4);
    EXPECT_EQ(host.currentDate, At(2009, 3, 13));
    EXPECT_EQ(SelectedOid(), 21u);
    EXPECT_TRUE(view->Cell(4).HasFocusFlag());
    EXPECT_FALSE(view->Cell(2).HasFocusFlag());

    Tap(*view, EntryPoint(0, 3));
    EXPECT_EQ(view->SelectedCell(), 0);
    EXPECT_EQ(view->Cell(0).GetSelectedIndex(), 3);
    EXPECT_EQ(SelectedOid(), 103u);
    EXPECT_TRUE(host.commands.empty());
}

TEST_F(WeekViewTest, ArrowKeysMoveAcrossDaysAndWeeks) {
    AddItems();
    Make();
    Key(*view, Qt::Key_Down);
    EXPECT_EQ(SelectedOid(), 21u);
    Key(*view, 'C', "c");  // past Wednesday's last entry
    EXPECT_EQ(view->SelectedCell(), 3);
    EXPECT_EQ(host.currentDate, At(2009, 3, 12, 10));  // the time of day stays
    Key(*view, Qt::Key_Up);
    EXPECT_EQ(view->SelectedCell(), 2);
    EXPECT_EQ(SelectedOid(), 21u);  // back on Wednesday's last entry

    Tap(*view, EntryPoint(0, 0));
    Key(*view, 'R', "r");  // above Monday's first entry: Sunday of the week before
    EXPECT_EQ(host.weekStart, At(2009, 3, 2));
    EXPECT_EQ(view->SelectedCell(), 6);
    EXPECT_EQ(host.currentDate, At(2009, 3, 8));

    Key(*view, Qt::Key_Down);  // below Sunday's last entry: the next week again
    EXPECT_EQ(host.weekStart, At(2009, 3, 9));
    EXPECT_EQ(view->SelectedCell(), 0);
    EXPECT_EQ(view->Cell(0).GetSelectedIndex(), 0);

    Key(*view, Qt::Key_Right);
    EXPECT_EQ(host.currentDate, At(2009, 3, 16));
    EXPECT_EQ(host.weekStart, At(2009, 3, 16));
    Key(*view, 'D', "d");
    Key(*view, 'D', "d");
    EXPECT_EQ(host.weekStart, At(2009, 3, 2));
    EXPECT_EQ(view->SelectedCell(), 0);
}

TEST_F(WeekViewTest, LetterKeysAndEnterPostFrameCommands) {
    Make();
    Key(*view, Qt::Key_Return);
    Key(*view, 'O', "o");
    Key(*view, 'A', "A");
    Key(*view, 'T', "t");
    Key(*view, 'N', "n");
    Key(*view, 'M', "M");
    Key(*view, 'X', "x");
    EXPECT_EQ(host.commands, (std::vector<int>{ID_EDIT_ITEM, ID_GO_TODAY, ID_NEW_APPOINTMENT,
                                               ID_NEW_TASK, ID_VIEW_ANNIVERSARIES,
                                               ID_VIEW_MONTH_LUNAR}));
}

TEST_F(WeekViewTest, StrokesActOnTheEntryThePenSelected) {
    AddItems();
    Make();
    const QPoint task = EntryPoint(4, 0);
    Stroke(*view, {task, task + QPoint(30, 0)});
    ASSERT_EQ(host.source.toggles.size(), 1u);
    EXPECT_EQ(host.source.toggles[0].oid, 21u);
    EXPECT_EQ(host.source.toggles[0].day, At(2009, 3, 13));

    // On an appointment or an empty day the flick does nothing.
    Stroke(*view, {EntryPoint(2, 0), EntryPoint(2, 0) + QPoint(30, 0)});
    Stroke(*view, {EntryPoint(6, 0), EntryPoint(6, 0) + QPoint(30, 0)});
    EXPECT_EQ(host.source.toggles.size(), 1u);

    const QPoint p = EntryPoint(2, 0);
    Stroke(*view, {p, p + QPoint(30, 0), p, p + QPoint(30, 0)});  // 646
    Stroke(*view, {p, p + QPoint(30, 0), p + QPoint(30, 30)});    // 62
    Stroke(*view, {p, p - QPoint(30, 0), p + QPoint(-30, 30)});   // 42
    Stroke(*view, {p, p - QPoint(30, 0), p - QPoint(30, 30)});    // 48
    Stroke(*view, {p, p + QPoint(0, 30), p + QPoint(30, 30)});    // 26: nothing
    Stroke(*view, {p, p - QPoint(30, 0), p, p - QPoint(30, 0)});  // 464: nothing
    EXPECT_EQ(host.commands, (std::vector<int>{ID_DELETE_ITEM, ID_EDIT_ITEM, ID_NEW_APPOINTMENT,
                                               ID_NEW_TASK}));
    EXPECT_EQ(SelectedOid(), 11u);
    EXPECT_TRUE(view->StrokeDigits().isEmpty());
}

TEST_F(WeekViewTest, SidewaysFlickDoesNotScrollButADragDoes) {
    AddItems();
    Make();
    CDayCellPart& monday = view->Cell(0);
    ASSERT_TRUE(monday.HasScrollBar());
    const QPoint start = EntryPoint(0, 5);
    const int row = monday.RowHeight(0);
    Stroke(*view, {start, start + QPoint(40, 0), start + QPoint(40, -3 * row)});
    EXPECT_EQ(monday.FirstVisible(), 0);
    Stroke(*view, {start, start - QPoint(0, row + 2), start - QPoint(0, 2 * row + 4)});
    EXPECT_GT(monday.FirstVisible(), 0);
}

TEST_F(WeekViewTest, HoldMenuOffersOnlyAddCommandsInTheCellCorner) {
    AddItems();
    Make();
    menuAnswer = ID_DELETE_ITEM;
    const QRect friday = view->Cell(4).Rect();
    SendMouse(*view, QEvent::MouseButtonPress, EntryPoint(4, 0), Qt::RightButton, Qt::RightButton);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(CommandIdsOf(menus[0]), CommandIdsOf(WeekViewHoldMenu(false)));
    EXPECT_EQ(SelectedOid(), 21u);  // the menu acts on the entry under the pen
    EXPECT_EQ(host.commands, std::vector<int>{ID_DELETE_ITEM});

    menuAnswer = 0;
    SendMouse(*view, QEvent::MouseButtonPress, friday.bottomRight() - QPoint(3, 3), Qt::RightButton,
              Qt::RightButton);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(CommandIdsOf(menus[1]),
              (std::vector<int>{ID_NEW_APPOINTMENT, ID_NEW_TASK, ID_NEW_ANNIVERSARY_DATE,
                                ID_NEW_ANNIVERSARY_DAY}));
    EXPECT_EQ(host.commands.size(), 1u);

    // The pen held still opens the same menu; its release then ends no stroke.
    TapAndHold* hold = view->findChild<TapAndHold*>();
    ASSERT_NE(hold, nullptr);
    hold->SetHoldDelay(30);
    hold->SetIndicatorEnabled(false);
    SendMouse(*view, QEvent::MouseButtonPress, EntryPoint(2, 0), Qt::LeftButton, Qt::LeftButton);
    QTRY_COMPARE(menus.size(), 3u);
    SendMouse(*view, QEvent::MouseButtonRelease, EntryPoint(2, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.source.toggles.size(), 0u);
}

TEST_F(WeekViewTest, CalendarTapInTheWeekMovesTheSelectionElseReloads) {
    Make();
    const CMonthCalendarPart& calendar = view->Calendar();
    auto tapDay = [&](int month, int day) {
        for (const CalendarHitRecord& record : calendar.HitRecords())
            if (record.month == month && record.day == day) {
                const QPoint centre((record.left + record.right) / 2, (record.top + record.bottom) / 2);
                Tap(*view, calendar.Rect().topLeft() + centre);
                view->RenderOffscreen();
                return true;
            }
        return false;
    };
    ASSERT_TRUE(tapDay(3, 13));
    EXPECT_EQ(host.weekStart, At(2009, 3, 9));
    EXPECT_EQ(view->SelectedCell(), 4);
    ASSERT_TRUE(tapDay(3, 25));
    EXPECT_EQ(host.weekStart, At(2009, 3, 23));
    EXPECT_EQ(view->SelectedCell(), 2);
    ASSERT_TRUE(tapDay(4, 1));  // the rest of the last row stands for the next month
    EXPECT_EQ(host.currentDate, At(2009, 4, 1));
    EXPECT_EQ(host.weekStart, At(2009, 3, 30));
}

TEST_F(WeekViewTest, MonthBoxOpensTheDatePickerInPortraitOnly) {
    Make();
    const QPoint box = view->ScreenLayout().monthBox.center();
    Tap(*view, box);
    EXPECT_EQ(host.pickCount, 1);
    EXPECT_EQ(host.weekStart, At(2009, 3, 9));  // cancelled

    host.pickedDate = At(2009, 5, 5);
    Tap(*view, box);
    EXPECT_EQ(host.weekStart, At(2009, 5, 4));
    EXPECT_EQ(view->SelectedCell(), 1);

    view->resize(640, 480);
    Tap(*view, box);
    EXPECT_EQ(host.pickCount, 2);
}

TEST_F(WeekViewTest, LandscapePutsTheWeekIntoTheTitle) {
    Make({640, 480});
    EXPECT_EQ(host.title, "2009/03/09 ~ 03/15");
    EXPECT_FALSE(view->ScreenLayout().portrait);
    EXPECT_EQ(view->Cell(0).Rect().y(), 0);
    view->resize(480, 640);
    EXPECT_TRUE(host.title.isEmpty());
    EXPECT_GT(view->Cell(0).Rect().y(), 0);
}

TEST_F(WeekViewTest, RedrawKeepsTheSelectedEntryAndReloadResetsIt) {
    AddItems();
    Make();
    Tap(*view, EntryPoint(0, 4));
    view->Redraw();
    EXPECT_EQ(view->Cell(0).GetSelectedIndex(), 4);
    view->Reload(1);
    EXPECT_EQ(view->Cell(0).GetSelectedIndex(), 0);
    EXPECT_EQ(view->SelectedCell(), 0);
}

TEST_F(WeekViewTest, TaskColoursAreReadOnlyForTasksThatShow) {
    AddItems();
    WeekTask later = host.source.tasks[0];
    later.oid = 22;
    later.dueDate = Ole(2009, 4, 20);
    later.startDate = Ole(2009, 4, 1);  // not begun: no entry this week
    host.source.tasks.push_back(later);
    host.source.tasks[0].color = 0x0000FF;  // this one came with its colour
    WeekTask uncoloured = host.source.tasks[0];
    uncoloured.oid = 23;
    uncoloured.color.reset();
    host.source.tasks.push_back(uncoloured);
    host.source.tasks[1].color.reset();
    Make();
    EXPECT_EQ(host.source.colourAsked, std::vector<CEOID>{23});
    EXPECT_EQ(view->CellEntries(4)[0].color, 0x0000FFu);
    EXPECT_EQ(view->CellEntries(4)[1].color, 0x00FF00u);
}

// Every density and orientation, an empty week: keys, taps and strokes on the
// first and last cells never crash and never reach an item.
class WeekViewDensityTest : public ::testing::TestWithParam<std::tuple<int, bool>> {
protected:
    WeekViewDensityTest() { EnsureTestApplication(); }
};

TEST_P(WeekViewDensityTest, EmptyWeekTakesEveryInput) {
    const auto [dpi, portrait] = GetParam();
    DensityScope density(dpi, dpi);
    ClockScope clock("2009-03-11T10:00:00");
    FakeWeekHost host;
    host.SetCurrentDate(At(2009, 3, 11, 10));
    const QSize size = QSize(dpi * 5 / 2, dpi * 10 / 3);
    CWeekView view(host, nullptr, [](QWidget*, const MenuDesc&, QPoint, PopupCorner) { return ID_DELETE_ITEM; });
    view.resize(portrait ? size : size.transposed());
    view.show();
    view.Reload(1);
    view.RenderOffscreen();
    ASSERT_TRUE(view.CellLayout().laidOut);

    for (int cell : {0, 6}) {
        const QRect r = view.Cell(cell).Rect();
        for (QPoint p : {r.topLeft(), r.bottomRight(), r.center()}) {
            Tap(view, p);
            Stroke(view, {p, p + QPoint(20, 0)});
            Stroke(view, {p, p + QPoint(20, 0), p, p + QPoint(20, 0)});
            SendMouse(view, QEvent::MouseButtonPress, p, Qt::RightButton, Qt::RightButton);
            for (int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Down})
                Key(view, key);
            EXPECT_EQ(view.GetSelection().oid, kNoItem);
        }
    }
    EXPECT_TRUE(host.source.toggles.empty());
    view.RenderOffscreen();
    EXPECT_FALSE(view.OffscreenImage().isNull());

    view.resize(90, 90);  // too small to lay out
    view.RenderOffscreen();
    Tap(view, {10, 10});
    Key(view, Qt::Key_Down);
    EXPECT_FALSE(view.CellLayout().laidOut);
}

INSTANTIATE_TEST_SUITE_P(Densities, WeekViewDensityTest,
                         ::testing::Combine(::testing::Values(96, 131, 192), ::testing::Bool()));

}  // namespace
