#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <SQLiteCpp/SQLiteCpp.h>

#include "platform/ink/InkStream.h"
#include "platform/itemeditor/ItemEditorDates.h"
#include "platform/itemeditor/ItemEditorDialog.h"
#include "platform/shell/MessageBox.h"
#include "platform/store/PoomApplication.h"
#include "platform/text/NotesText.h"
#include "tests/platform/shell/QtTestApp.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

struct WithApp {
    WithApp() { TestApp(); }
};

class ItemEditorTest : public ::testing::Test, WithApp {
protected:
    void SetUp() override
    {
        setenv("DAYVANE_NOW", "2024-03-20T12:00:00", 1);
        ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
        MessageBoxScript::Begin();
    }
    void TearDown() override
    {
        MessageBoxScript::End();
        unsetenv("DAYVANE_NOW");
    }

    CEOID AddAppointment(const Bytes& notes = NotesFromText("메모"))
    {
        auto item = app.CreateItem(olAppointmentItem);
        PoomAppointment* appointment = item->AsAppointment();
        appointment->SetSubject("치과");
        appointment->SetLocation("강남");
        appointment->SetStart(Ole(2024, 3, 30, 9, 0));
        appointment->SetEnd(Ole(2024, 3, 30, 10, 0));
        appointment->SetBodyInk(notes);
        EXPECT_TRUE(item->Save()) << item->LastError();
        return item->Oid();
    }

    // Every stored row, value by value, for byte-for-byte comparisons.
    std::string StoreContents()
    {
        SQLite::Database db(store.File().string(), SQLite::OPEN_READONLY);
        std::string contents;
        for (const char* table : {"items", "exceptions", "named_props", "item_props", "journal"}) {
            SQLite::Statement rows(db, std::string("SELECT * FROM ") + table + " ORDER BY 1, 2");
            while (rows.executeStep())
                for (int i = 0; i < rows.getColumnCount(); ++i)
                    contents += std::to_string(rows.getColumn(i).getType()) + ":" + rows.getColumn(i).getString() + "|";
            contents += "\n";
        }
        return contents;
    }

    template <typename W>
    static W* Field(QWidget& dialog, const char* name)
    {
        W* widget = dialog.findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Key presses carrying the characters, Hangul included.
    static void Type(QWidget* widget, const QString& text)
    {
        for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    static void Retype(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        Type(edit, text);
    }

    static void Click(QWidget& dialog, const char* button)
    {
        QTest::mouseClick(Field<QPushButton>(dialog, button), Qt::LeftButton);
    }

    TempStore store;
    PoomApplication app;
};

}  // namespace

TEST_F(ItemEditorTest, SavesAnAppointmentThroughTheStore)
{
    const CEOID oid = AddAppointment();
    auto item = app.GetItemFromOid(oid);
    ItemEditorDialog dialog(*item);
    Retype(Field<QLineEdit>(dialog, "subject"), "치과 검진");
    Retype(Field<QLineEdit>(dialog, "location"), "역삼");
    Field<QDateTimeEdit>(dialog, "end")->setDateTime(QDateTime(QDate(2024, 3, 30), QTime(11, 30), Qt::UTC));
    Field<QCheckBox>(dialog, "reminderSet")->setChecked(true);
    Field<QSpinBox>(dialog, "reminderMinutes")->setValue(30);
    auto* notes = Field<QPlainTextEdit>(dialog, "notes");
    EXPECT_EQ(notes->toPlainText(), QString("메모"));
    notes->moveCursor(QTextCursor::End);
    Type(notes, " 추가");
    Click(dialog, "save");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    PoomApplication reader;
    ASSERT_TRUE(reader.Logon(store.File()));
    auto stored = reader.GetItemFromOid(oid);
    PoomAppointment* appointment = stored->AsAppointment();
    EXPECT_EQ(appointment->Subject(), "치과 검진");
    EXPECT_EQ(appointment->Location(), "역삼");
    EXPECT_DOUBLE_EQ(appointment->Start(), Ole(2024, 3, 30, 9, 0));
    EXPECT_DOUBLE_EQ(appointment->End(), Ole(2024, 3, 30, 11, 30));
    EXPECT_TRUE(appointment->ReminderSet());
    EXPECT_EQ(appointment->ReminderMinutesBeforeStart(), 30);
    EXPECT_EQ(stored->BodyInk(), NotesFromText("메모 추가"));
}

TEST_F(ItemEditorTest, AllDayAppointmentsEndAtTheMidnightAfterTheirLastDay)
{
    const std::string zone = getenv("TZ") ? getenv("TZ") : "UTC";
    setenv("TZ", "Europe/London", 1);  // the last day is the change to summer time
    const CEOID oid = AddAppointment();
    {
        auto item = app.GetItemFromOid(oid);
        ItemEditorDialog dialog(*item);
        Field<QCheckBox>(dialog, "allDay")->setChecked(true);
        Field<QDateTimeEdit>(dialog, "end")->setDate(QDate(2024, 3, 31));
        Click(dialog, "save");
    }
    auto stored = app.GetItemFromOid(oid);
    EXPECT_TRUE(stored->AsAppointment()->AllDayEvent());
    EXPECT_DOUBLE_EQ(stored->AsAppointment()->Start(), Ole(2024, 3, 30));
    EXPECT_DOUBLE_EQ(stored->AsAppointment()->End(), Ole(2024, 4, 1));

    ItemEditorDialog again(*stored);
    EXPECT_EQ(Field<QDateTimeEdit>(again, "end")->date(), QDate(2024, 3, 31));
    EXPECT_EQ(AllDayLastDay(Ole(2024, 3, 30), Ole(2024, 3, 30)), QDate(2024, 3, 30));
    setenv("TZ", zone.c_str(), 1);
}

TEST_F(ItemEditorTest, SavesATaskAndRefusesADueDateBeforeItsStart)
{
    auto created = app.CreateItem(olTaskItem);
    created->SetSubject("보고서");
    created->AsTask()->SetDueDate(Ole(2024, 3, 22));
    ASSERT_TRUE(created->Save());
    const CEOID oid = created->Oid();
    const std::string before = StoreContents();

    auto item = app.GetItemFromOid(oid);
    ItemEditorDialog dialog(*item);
    EXPECT_FALSE(Field<QCheckBox>(dialog, "has_startDate")->isChecked());
    Field<QCheckBox>(dialog, "has_startDate")->setChecked(true);
    Field<QDateTimeEdit>(dialog, "startDate")->setDate(QDate(2024, 3, 25));
    Click(dialog, "save");
    ASSERT_EQ(MessageBoxScript::Shown().size(), 1u);
    EXPECT_EQ(MessageBoxScript::Shown()[0].icon, MB_ICONEXCLAMATION);
    EXPECT_EQ(StoreContents(), before);

    Field<QDateTimeEdit>(dialog, "startDate")->setDate(QDate(2024, 3, 18));
    Field<QComboBox>(dialog, "importance")->setCurrentIndex(2);
    Field<QCheckBox>(dialog, "has_reminderTime")->setChecked(true);
    Field<QDateTimeEdit>(dialog, "reminderTime")->setDateTime(QDateTime(QDate(2024, 3, 21), QTime(8, 15), Qt::UTC));
    Field<QCheckBox>(dialog, "complete")->setChecked(true);
    Click(dialog, "save");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    auto stored = app.GetItemFromOid(oid);
    PoomTask* task = stored->AsTask();
    EXPECT_DOUBLE_EQ(task->StartDate(), Ole(2024, 3, 18));
    EXPECT_DOUBLE_EQ(task->DueDate(), Ole(2024, 3, 22));
    EXPECT_EQ(task->Importance(), 2);
    EXPECT_TRUE(task->ReminderSet());
    EXPECT_DOUBLE_EQ(task->ReminderTime(), Ole(2024, 3, 21, 8, 15));
    EXPECT_TRUE(task->Complete());
    EXPECT_DOUBLE_EQ(task->DateCompleted(), Ole(2024, 3, 20));
}

TEST_F(ItemEditorTest, CancelAndForeignNotesLeaveTheStoreAsItWas)
{
    const Bytes foreign = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05};
    const CEOID oid = AddAppointment(foreign);
    const std::string before = StoreContents();
    {
        auto item = app.GetItemFromOid(oid);
        ItemEditorDialog dialog(*item);
        Retype(Field<QLineEdit>(dialog, "subject"), "바뀐 제목");
        Field<QCheckBox>(dialog, "allDay")->setChecked(true);
        Click(dialog, "cancel");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(StoreContents(), before);

    // Notes this editor cannot read stay as they were through a save.
    auto item = app.GetItemFromOid(oid);
    ItemEditorDialog dialog(*item);
    EXPECT_TRUE(Field<QPlainTextEdit>(dialog, "notes")->isReadOnly());
    Retype(Field<QLineEdit>(dialog, "subject"), "바뀐 제목");
    Click(dialog, "save");
    auto stored = app.GetItemFromOid(oid);
    EXPECT_EQ(stored->Subject(), "바뀐 제목");
    EXPECT_EQ(stored->BodyInk(), foreign);
}

TEST_F(ItemEditorTest, DisplayOpensTheEditorAndKeepsStrokes)
{
    const InkContent drawn{"약도", {InkStroke{0, 2, {{1, 1}, {5, 9}}}}};
    const CEOID oid = AddAppointment(WriteInkStream(drawn));
    InstallItemEditor(app, nullptr);

    auto item = app.GetItemFromOid(oid);
    bool edited = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ItemEditorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* notes = Field<QPlainTextEdit>(*dialog, "notes");
        notes->moveCursor(QTextCursor::End);
        Type(notes, " 참고");
        Click(*dialog, "save");
        edited = true;
    });
    EXPECT_TRUE(item->Display());
    EXPECT_TRUE(edited);

    auto stored = app.GetItemFromOid(oid);
    const Bytes& blob = stored->BodyInk();
    EXPECT_EQ(ReadInkStream(blob.data(), blob.size()), (InkContent{"약도 참고", drawn.strokes}));
}
