#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "editors/ColorGrid.h"
#include "editors/ColorPicker.h"
#include "editors/ColorStatic.h"
#include "editors/EditEx.h"
#include "editors/TimeRange.h"
#include "editors/TimeRangeDlg.h"
#include "platform/shell/MessageBox.h"
#include "settings/Settings.h"
#include "tests/pim/time/ZoneFixture.h"
#include "tests/platform/shell/QtTestApp.h"

namespace {

TimeValue At(int year, int month, int day, int hour, int minute) { return TimeFromFields(year, month, day, hour, minute, 0); }

int HourOf(TimeValue t) { return PartsFromTime(t)->tm_hour; }
int MinuteOf(TimeValue t) { return PartsFromTime(t)->tm_min; }
int DayOf(TimeValue t) { return PartsFromTime(t)->tm_mday; }

class MessageScript {
public:
    MessageScript() { MessageBoxScript::Begin(); }
    ~MessageScript() { MessageBoxScript::End(); }
};

}  // namespace

TEST(ColorGrid, LaysOutTheCubeTheGreysAndTheFixedCells)
{
    const ColorGrid grid(QSize(240, 268), 0x030201);
    EXPECT_EQ(grid.CellSize(), 12);
    EXPECT_EQ(grid.Cell(0, 0).rect, QRect(12, 6, 12, 12));  // centred, half a cell down
    EXPECT_EQ(grid.Cell(0, 0).color, 0xFFFFFFu);
    EXPECT_EQ(grid.Cell(5, 5).color, 0xFF0000u);                 // block 0: blue full, red and green gone
    EXPECT_EQ(grid.Cell(17, 11).color, 0x000000u);               // block 5, last cell: black
    EXPECT_EQ(grid.Cell(6, 0).color, 0xCCFFFFu);                 // block 1: blue one step down
    EXPECT_EQ(grid.Cell(1, 12).color, 0x111111u);
    EXPECT_EQ(grid.Cell(15, 12).color, 0xFFFFFFu);
    EXPECT_EQ(grid.Cell(16, 12).color, kFixedGridColor);
    EXPECT_EQ(grid.Cell(17, 12).color, 0x030201u);
    // A colour outside the grid is found in the passed-in cell, white first in row order.
    EXPECT_EQ(grid.FindColor(0x030201), QPoint(17, 12));
    EXPECT_EQ(grid.FindColor(0xFFFFFF), QPoint(0, 0));
    EXPECT_EQ(grid.CellAt(QPoint(13, 7)), QPoint(0, 0));
    EXPECT_EQ(grid.CellAt(QPoint(0, 0)), QPoint(-1, -1));
    EXPECT_EQ(ColorGrid::Step({4, 0}, 0, -1), QPoint(4, 12));
    EXPECT_EQ(ColorGrid::Step({17, 12}, 1, 1), QPoint(0, 0));
    // A wide client takes the cell size from the height.
    EXPECT_EQ(ColorGrid(QSize(640, 140), 0).CellSize(), 10);
}

TEST(ColorPicker, TapsAndArrowsChooseAndCancelKeepsTheCaller)
{
    TestApp();
    Settings settings;
    CColorPicker picker(nullptr, settings);
    picker.resize(240, 268 + 26);
    picker.show();
    picker.SetSelectedColor(0x030201);
    EXPECT_EQ(picker.CurrentCell(), QPoint(17, 12));
    QTest::keyClick(picker.Client(), Qt::Key_Down);
    EXPECT_EQ(picker.CurrentCell(), QPoint(17, 0));
    QTest::keyClick(picker.Client(), Qt::Key_Right);
    EXPECT_EQ(picker.CurrentCell(), QPoint(0, 0));
    EXPECT_EQ(picker.SelectedColor(), 0xFFFFFFu);
    const QRect cell = picker.Grid().Cell(5, 5).rect;
    QTest::mouseClick(picker.Client(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(picker.SelectedColor(), 0xFF0000u);
    picker.Command(IDCANCEL);
    EXPECT_EQ(picker.result(), kDialogResultCancelled);
}

TEST(EditEx, KeepsTheArrowKeysAtItsEdges)
{
    TestApp();
    QWidget dialog;
    auto* plain = new QLineEdit(QStringLiteral("abc"), &dialog);
    plain->setObjectName(QStringLiteral("1000"));
    plain->setGeometry(5, 6, 70, 20);
    plain->setMaxLength(50);
    CEditEx* edit = CEditEx::Replace(plain);
    EXPECT_EQ(edit->objectName(), "1000");
    EXPECT_EQ(edit->geometry(), QRect(5, 6, 70, 20));
    EXPECT_EQ(edit->maxLength(), 50);
    EXPECT_EQ(dialog.findChildren<QLineEdit*>().size(), 1);
    edit->setCursorPosition(3);
    EXPECT_TRUE(edit->KeepsKey(Qt::Key_Right));
    EXPECT_FALSE(edit->KeepsKey(Qt::Key_Left));
    edit->setCursorPosition(1);
    EXPECT_FALSE(edit->KeepsKey(Qt::Key_Right));
    edit->setCursorPosition(0);
    EXPECT_TRUE(edit->KeepsKey(Qt::Key_Left));
}

TEST(ColorStatic, MinusOneRestoresTheSystemColours)
{
    TestApp();
    CColorStatic label;
    const QColor system = label.BackgroundColor();
    label.SetBackgroundColor(0x000000);
    label.SetTextColor(0xFFFFFF);
    EXPECT_EQ(label.BackgroundColor(), QColor(Qt::black));
    EXPECT_EQ(label.TextColor(), QColor(Qt::white));
    label.SetBackgroundColor(CColorStatic::kDefaultColor);
    EXPECT_EQ(label.BackgroundColor(), system);
}

class TimeRangeTest : public ZoneTest {};

TEST_F(TimeRangeTest, AStartCarriesTheDurationAndAnEndChangesIt)
{
    UseZone("UTC0");
    TimeRange range;
    range.SetStart(At(2009, 5, 5, 10, 0));
    range.SetEnd(At(2009, 5, 5, 11, 30));
    range.SetEdited(TimeRange::Edited::Start);
    range.ChooseHour(14);
    EXPECT_EQ(HourOf(range.Start()), 14);
    EXPECT_EQ(HourOf(range.End()), 15);
    EXPECT_EQ(MinuteOf(range.End()), 30);
    range.SetEdited(TimeRange::Edited::End);
    range.ChooseMinute(15);
    EXPECT_EQ(MinuteOf(range.End()), 15);
    EXPECT_EQ(range.Duration(), 75 * 60);
    range.SetStart(At(2009, 5, 5, 10, 7));
    EXPECT_EQ(range.MinuteIndex(), 1);
}

TEST_F(TimeRangeTest, TheNextDayIsACalendarDayAcrossDaylightSaving)
{
    UseZone("GMT0BST,M3.5.0/1,M10.5.0");
    TimeRange range;
    range.SetStart(At(2009, 3, 28, 22, 0));
    range.SetEnd(At(2009, 3, 28, 21, 0));
    EXPECT_TRUE(range.NeedsNextDay());
    range.MoveEndToNextDay();
    EXPECT_EQ(DayOf(range.End()), 29);
    EXPECT_EQ(HourOf(range.End()), 21);  // 23 hours later, the clocks went forward
    EXPECT_FALSE(range.NeedsNextDay());
}

TEST_F(TimeRangeTest, DialogAsksBeforeGoingOverTwoDaysAndWalksWithEnterAndBackspace)
{
    UseZone("UTC0");
    TestApp();
    MessageScript script;
    Settings settings;
    settings.m_24hour = 1;
    CTimeRangeDlg dialog(nullptr, settings);
    dialog.SetStart(At(2009, 5, 5, 22, 0));
    dialog.SetEnd(At(2009, 5, 5, 21, 0));
    dialog.show();
    EXPECT_EQ(dialog.HourList()->count(), 24);
    EXPECT_EQ(dialog.HourList()->item(0)->text(), " 12A");
    EXPECT_EQ(dialog.HourList()->item(13)->text(), " 01");
    EXPECT_EQ(dialog.MinuteList()->item(6)->text(), " 30<");
    EXPECT_EQ(dialog.HourList()->currentRow(), 21);

    MessageBoxScript::QueueAnswer(IDNO);
    dialog.Command(IDOK);
    EXPECT_EQ(dialog.result(), 0);  // still open
    MessageBoxScript::QueueAnswer(IDYES);
    dialog.Command(IDOK);
    EXPECT_EQ(dialog.result(), kDialogResultSaved);
    EXPECT_EQ(DayOf(dialog.End()), 6);
    ASSERT_EQ(MessageBoxScript::Shown().size(), 2u);
    EXPECT_EQ(MessageBoxScript::Shown()[0].icon, MB_ICONQUESTION);

    CTimeRangeDlg walk(nullptr, settings);
    walk.SetStart(At(2009, 5, 5, 10, 0));
    walk.SetEnd(At(2009, 5, 5, 11, 0));
    walk.show();
    walk.HourList()->setFocus();
    QTest::keyClick(walk.HourList(), Qt::Key_Backspace);  // editing the end: back to the start
    EXPECT_EQ(walk.Range().Editing(), TimeRange::Edited::Start);
    QTest::keyClick(walk.MinuteList(), Qt::Key_Return);  // on to the end
    EXPECT_EQ(walk.Range().Editing(), TimeRange::Edited::End);
    QTest::keyClick(walk.HourList(), Qt::Key_Return);
    QTest::keyClick(walk.MinuteList(), Qt::Key_Return);  // "확인"
    EXPECT_EQ(walk.result(), kDialogResultSaved);
}
