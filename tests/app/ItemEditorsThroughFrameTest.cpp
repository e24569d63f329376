// The item editors run by the frame's commands, strokes and keys, with their
// dialogs answered by scripted taps while they run modally; results are read
// from the week view's entries and the store.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/EditorDialogs.h"
#include "app/MainFrame.h"
#include "editors/AnniversaryDlg.h"
#include "editors/BitmapButtonEx.h"
#include "editors/ColorPicker.h"
#include "editors/item/ApptDlg.h"
#include "editors/item/RecurrenceChoice.h"
#include "editors/item/TaskDlg.h"
#include "editors/notes/NotesDlg.h"
#include "editors/recurrence/RecurrenceDlg.h"
#include "platform/ink/InkControl.h"
#include "platform/ink/InkSurface.h"
#include "platform/shell/MessageBox.h"
#include "resources/CommandIds.h"
#include "resources/Strings.h"
#include "tests/app/AppTestSupport.h"
#include "tests/platform/store/StoredRows.h"
#include "views/week/WeekView.h"

namespace {

constexpr int kWednesdayCell = 2;  // 9 December 2026 in a Monday-start week
constexpr uint32_t kTeal = 0x00808000;

// Acts on the modal dialog of type Dialog as soon as it runs. A dialog of
// another type is cancelled so that a failing test never waits on a user.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> act, bool* reached = nullptr)
{
    QTimer::singleShot(0, [act = std::move(act), reached] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "expected another dialog than " << (modal ? modal->metaObject()->className() : "none");
            if (auto* other = qobject_cast<QDialog*>(modal))
                other->reject();
            return;
        }
        if (reached != nullptr)
            *reached = true;
        act(*dialog);
    });
}

template <typename Widget>
Widget* Control(QWidget& dialog, int id)
{
    return dialog.findChild<Widget*>(ControlName(id));
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

class ItemEditorsThroughFrameTest : public DeviceTest {
protected:
    CMainFrame& Start()
    {
        m_frame = std::make_unique<CMainFrame>(QSize(480, 640));
        auto dialogs = std::make_unique<EditorDialogs>(m_frame->GetSettings());
        CMainFrame* frame = m_frame.get();
        dialogs->SetItemContext([frame] { return frame->Session(); }, [frame] { return frame->GetCurrentDate(); });
        m_frame->SetDialogs(std::move(dialogs));
        EXPECT_TRUE(m_frame->Create()) << m_frame->StartupError().toStdString();
        m_frame->show();
        return *m_frame;
    }

    // Runs a frame command whose editor `answer` fills in and closes.
    template <typename Dialog>
    void RunEditor(int commandId, std::function<void(Dialog&)> answer)
    {
        bool reached = false;
        WhenShown<Dialog>(std::move(answer), &reached);
        m_frame->OnCommand(commandId);
        EXPECT_TRUE(reached);
    }

    const ItemEntry* Entry(int cell, const std::string& body) const
    {
        for (const ItemEntry& entry : m_frame->WeekView()->CellEntries(cell)) {
            if (entry.bodyText == body)
                return &entry;
        }
        return nullptr;
    }
    int IndexOf(int cell, const std::string& body) const
    {
        const std::vector<ItemEntry>& entries = m_frame->WeekView()->CellEntries(cell);
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].bodyText == body)
                return static_cast<int>(i);
        }
        ADD_FAILURE() << body << " not in cell " << cell;
        return 0;
    }
    // The entry once the store's notification has refreshed the view.
    const ItemEntry* WaitForEntry(int cell, const std::string& body, std::function<bool(const ItemEntry&)> ready = {})
    {
        const ItemEntry* found = nullptr;
        (void)QTest::qWaitFor(
            [&] {
                found = Entry(cell, body);
                return found != nullptr && (!ready || ready(*found));
            },
            2000);
        return found;
    }
    void ShowWeekOf(int year, int month, int day)
    {
        m_frame->SetCurrentDate(TimeFromFields(year, month, day, 8, 0, 0));
        m_frame->RefreshActiveView();
    }
    // A sideways flick across the entry's row.
    void FlickRight(int cell, int index)
    {
        CWeekView& view = *m_frame->WeekView();
        CDayCellPart& part = view.Cell(cell);
        int y = part.Rect().y();
        for (int i = part.FirstVisible(); i < index; ++i)
            y += part.RowHeight(i);
        const QPoint start(part.Rect().x() + part.Width() / 4, y + part.RowHeight(index) / 2);
        SendMouse(view, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        SendMouse(view, QEvent::MouseMove, start + QPoint(part.Width() / 2, 0), Qt::NoButton, Qt::LeftButton);
        SendMouse(view, QEvent::MouseButtonRelease, start + QPoint(part.Width() / 2, 0), Qt::LeftButton,
                  Qt::NoButton);
    }

    // In the editor: the notes dialog, where a stroke is drawn and saved.
    static void DrawNotes(CItemDlg& editor, int closeWith)
    {
        WhenShown<CNotesDlg>([closeWith](CNotesDlg& notes) {
            QWidget* paper = notes.Ink()->InnerWindow()->viewport();
            QTest::mousePress(paper, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
            QTest::mouseMove(paper, QPoint(60, 30));
            QTest::mouseRelease(paper, Qt::LeftButton, Qt::NoModifier, QPoint(90, 25));
            notes.Command(closeWith);
        });
        editor.Command(ID_NOTES_EDIT);
    }
    static void ChooseRecurrence(CItemDlg& editor, int choice)
    {
        WhenShown<CRecurrenceDlg>([choice](CRecurrenceDlg& recurrence) {
            recurrence.ChoiceList()->setCurrentIndex(choice);
            recurrence.Command(ID_DIALOG_OK);
        });
        Control<QAbstractButton>(editor, IDC_ITEM_RECURRENCE)->click();
    }

    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(ItemEditorsThroughFrameTest, NewWeeklyColouredAppointmentShowsOnTheFollowingWednesdays)
{
    Start();
    RunEditor<CApptDlg>(ID_NEW_APPOINTMENT, [](CApptDlg& editor) {
        EXPECT_EQ(editor.Start(), TimeFromFields(2026, 12, 9, 10, 30, 0));
        Control<QLineEdit>(editor, IDC_ITEM_TITLE)->setText("주간 회의");
        WhenShown<CColorPicker>([](CColorPicker& picker) {
            picker.SetSelectedColor(kTeal);
            picker.Command(ID_DIALOG_OK);
        });
        Control<QAbstractButton>(editor, IDC_ITEM_COLOR)->click();
        ChooseRecurrence(editor, kRecurrenceWeekly);
        editor.Command(ID_DIALOG_OK);
        EXPECT_EQ(editor.result(), kDialogResultSaved);
    });
    const ItemEntry* entry = WaitForEntry(kWednesdayCell, "주간 회의");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->color, kTeal);
    EXPECT_TRUE(entry->marks & kMarkRecurring);
    EXPECT_FALSE(entry->marks & kMarkNotes);

    for (int day : {16, 23, 30}) {
        ShowWeekOf(2026, 12, day);
        ASSERT_NE(Entry(kWednesdayCell, "주간 회의"), nullptr) << day;
        EXPECT_EQ(Entry(kWednesdayCell + 1, "주간 회의"), nullptr) << day;
    }
    ShowWeekOf(2026, 12, 2);  // not before its first Wednesday
    EXPECT_EQ(Entry(kWednesdayCell, "주간 회의"), nullptr);
}

TEST_F(ItemEditorsThroughFrameTest, NotesFromTheEditorsShowTheMarkAndAStrokeCompletesTheTask)
{
    auto store = OpenStore();
    AddAppointment(*store, "점심", Ole(2026, 12, 9, 12), Ole(2026, 12, 9, 13));
    CMainFrame& frame = Start();
    ASSERT_EQ(frame.WeekView()->GetSelection().bodyText, "점심");
    ASSERT_FALSE(Entry(kWednesdayCell, "점심")->marks & kMarkNotes);
    RunEditor<CApptDlg>(ID_EDIT_ITEM, [](CApptDlg& editor) {
        DrawNotes(editor, ID_DIALOG_OK);
        editor.Command(ID_DIALOG_OK);
    });
    ASSERT_NE(WaitForEntry(kWednesdayCell, "점심", [](const ItemEntry& e) { return (e.marks & kMarkNotes) != 0; }),
              nullptr);

    RunEditor<CTaskDlg>(ID_NEW_TASK, [](CTaskDlg& editor) {
        Control<QLineEdit>(editor, IDC_ITEM_TITLE)->setText("보고서");
        DrawNotes(editor, ID_DIALOG_OK);
        EXPECT_FALSE(editor.NotesBlob().empty());
        editor.Command(ID_DIALOG_OK);
    });
    const ItemEntry* task = WaitForEntry(kWednesdayCell, "보고서");
    ASSERT_NE(task, nullptr);
    EXPECT_TRUE(task->marks & kMarkNotes);
    EXPECT_FALSE(task->style & kStyleCompleted);

    FlickRight(kWednesdayCell, IndexOf(kWednesdayCell, "보고서"));
    task = WaitForEntry(kWednesdayCell, "보고서", [](const ItemEntry& e) { return (e.style & kStyleCompleted) != 0; });
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->color, kCompletedTaskColor);
}

TEST_F(ItemEditorsThroughFrameTest, EditingOneOccurrenceLeavesTheSeries)
{
    auto store = OpenStore();
    AddAppointment(*store, "스탠드업", Ole(2026, 12, 7, 9), Ole(2026, 12, 7, 9, 15), true);
    CMainFrame& frame = Start();
    ASSERT_EQ(frame.WeekView()->GetSelection().bodyText, "스탠드업");

    MessageBoxScript::QueueAnswer(IDNO);
    RunEditor<CApptDlg>(ID_EDIT_ITEM, [](CApptDlg& editor) {
        EXPECT_FALSE(Control<CBitmapButtonEx>(editor, IDC_ITEM_RECURRENCE)->isEnabled());
        EXPECT_EQ(editor.Start(), TimeFromFields(2026, 12, 9, 9, 0, 0));
        Control<QLineEdit>(editor, IDC_ITEM_TITLE)->setText("긴 회의");
        editor.Command(ID_DIALOG_OK);
    });
    ASSERT_EQ(MessageBoxScript::Shown().size(), 1u);
    EXPECT_EQ(MessageBoxScript::Shown()[0].text, LoadString(IDS_EDIT_RECURRING));
    ASSERT_NE(WaitForEntry(kWednesdayCell, "긴 회의"), nullptr);
    EXPECT_EQ(Entry(kWednesdayCell, "스탠드업"), nullptr);
    for (int cell : {0, 1, 3, 4, 5, 6})
        EXPECT_NE(Entry(cell, "스탠드업"), nullptr) << cell;
}

TEST_F(ItemEditorsThroughFrameTest, CancelAfterChangesLeavesTheStoreByteForByte)
{
    auto store = OpenStore();
    AddAppointment(*store, "치과", Ole(2026, 12, 9, 14), Ole(2026, 12, 9, 15));
    store.reset();
    CMainFrame& frame = Start();
    ASSERT_EQ(frame.WeekView()->GetSelection().bodyText, "치과");
    const std::string before = StoredRows(StoreFile());

    RunEditor<CApptDlg>(ID_EDIT_ITEM, [](CApptDlg& editor) {
        Control<QLineEdit>(editor, IDC_ITEM_TITLE)->setText("바뀐 제목");
        Control<QLineEdit>(editor, IDC_APPT_PLACE)->setText("어딘가");
        ChooseRecurrence(editor, kRecurrenceDaily);
        DrawNotes(editor, ID_DIALOG_OK);
        editor.Command(ID_DIALOG_CANCEL);
        EXPECT_EQ(editor.result(), kDialogResultCancelled);
    });
    // A cancelled notes dialog inside a saved edit changes nothing either.
    RunEditor<CTaskDlg>(ID_NEW_TASK, [](CTaskDlg& editor) {
        Control<QLineEdit>(editor, IDC_ITEM_TITLE)->setText("취소될 작업");
        DrawNotes(editor, ID_DIALOG_CANCEL);
        EXPECT_TRUE(editor.NotesBlob().empty());
        editor.Command(ID_DIALOG_CANCEL);
    });
    EXPECT_EQ(StoredRows(StoreFile()), before);
    EXPECT_NE(Entry(kWednesdayCell, "치과"), nullptr);
}

}  // namespace
