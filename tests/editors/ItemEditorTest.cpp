#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>

#include "editors/BitmapButtonEx.h"
#include "editors/EditEx.h"
#include "editors/item/ApptDlg.h"
#include "editors/item/RecurrenceChoice.h"
#include "editors/item/TaskDlg.h"
#include "pim/session/PimSession.h"
#include "platform/shell/MessageBox.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "platform/text/NotesText.h"
#include "resources/CommandIds.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "tests/platform/shell/QtTestApp.h"
#include "tests/platform/store/StoreTestSupport.h"
#include "tests/platform/store/StoredRows.h"

namespace {

template <typename Widget>
Widget* Control(QWidget& dialog, int id)
{
    return dialog.findChild<Widget*>(QString::number(id));
}

class ItemEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        setenv("DAYVANE_NOW", "2024-03-06T10:40:00", 1);  // a Wednesday
        ASSERT_TRUE(session.OpenPoom(nullptr)) << session.LastError();
        ASSERT_TRUE(session.OpenPimDatabases(&window)) << session.LastError();
        settings.m_24hour = 1;
        MessageBoxScript::Begin();
    }
    void TearDown() override
    {
        MessageBoxScript::End();
        unsetenv("DAYVANE_NOW");
    }

    ItemEditorContext Context() { return {settings, session, TimeFromFields(2024, 3, 8, 0, 0, 0), services}; }

    CEOID SavedAppointment(double start, double end)
    {
        auto item = session.CreateItem(olAppointmentItem);
        item->SetSubject("회의");
        item->AsAppointment()->SetStart(start);
        item->AsAppointment()->SetEnd(end);
        EXPECT_TRUE(item->Save());
        return item->Oid();
    }

    std::vector<QString> ShownTexts()
    {
        std::vector<QString> texts;
        for (const ShownMessageBox& box : MessageBoxScript::Shown())
            texts.push_back(box.text);
        return texts;
    }

    TempStore store;
    NoticeWindow window;
    PimSession session{store.File()};
    Settings settings;
    ItemEditorServices services;
};

TEST_F(ItemEditorTest, NewWeeklyAppointmentIsStoredAndReopensAsWeekly)
{
    int wizardChoice = kRecurrenceWeekly;
    services.runRecurrence = [&](QWidget*, PoomItem&, int& choice) {
        choice = wizardChoice;
        return true;
    };
    auto item = session.CreateItem(olAppointmentItem);
    item->AsAppointment()->SetStart(Ole(2024, 3, 6, 11, 0));
    item->AsAppointment()->SetEnd(Ole(2024, 3, 6, 12, 0));
    {
        CApptDlg dialog(nullptr, Context(), *item->AsAppointment(), {true, false});
        EXPECT_TRUE(dialog.findChild<CEditEx*>("1000")->hasFocus() || !dialog.isVisible());
        Control<QAbstractButton>(dialog, IDC_ITEM_RECURRENCE)->click();
        dialog.Command(ID_DIALOG_OK);  // no title yet
        EXPECT_EQ(ShownTexts(), std::vector<QString>{LoadString(IDS_APPT_TITLE_MISSING)});
        Control<QLineEdit>(dialog, IDC_ITEM_TITLE)->setText("주간 회의");
        dialog.Command(ID_DIALOG_OK);
        EXPECT_EQ(dialog.result(), kDialogResultSaved);
    }
    auto stored = session.GetItemFromOid(item->Oid());
    ASSERT_TRUE(stored);
    PoomRecurrencePattern* pattern = stored->GetRecurrencePattern();
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(pattern->RecurrenceType(), 1);
    EXPECT_EQ(pattern->DayOfWeekMask(), 8);
    EXPECT_TRUE(pattern->NoEndDate());
    EXPECT_EQ(DeriveRecurrenceChoice(*stored, stored->AsAppointment()->Start()), kRecurrenceWeekly);
    pattern->SetInterval(2);
    EXPECT_EQ(DeriveRecurrenceChoice(*stored, stored->AsAppointment()->Start()), kRecurrenceCustom);
}

TEST_F(ItemEditorTest, DatesFollowTheEditingRules)
{
    auto item = session.GetItemFromOid(SavedAppointment(Ole(2024, 3, 6, 10, 0), Ole(2024, 3, 6, 11, 30)));
    CApptDlg dialog(nullptr, Context(), *item->AsAppointment(), {});
    auto* startDate = Control<QDateEdit>(dialog, IDC_APPT_START_DATE);
    auto* endDate = Control<QDateEdit>(dialog, IDC_APPT_END_DATE);
    EXPECT_EQ(Control<QPushButton>(dialog, IDC_APPT_START_TIME)->text(), "10:00");
    startDate->setDate(QDate(2024, 3, 7));
    EXPECT_EQ(dialog.End(), TimeFromFields(2024, 3, 7, 11, 30, 0));
    endDate->setDate(QDate(2024, 3, 5));
    EXPECT_EQ(dialog.Start(), TimeFromFields(2024, 3, 5, 10, 0, 0));
    EXPECT_EQ(dialog.End(), TimeFromFields(2024, 3, 5, 11, 0, 0));
    EXPECT_EQ(startDate->date(), QDate(2024, 3, 5));

    endDate->setDate(QDate(2024, 4, 6));  // more than 31 days
    dialog.Command(ID_DIALOG_OK);
    EXPECT_EQ(ShownTexts(), std::vector<QString>{LoadString(IDS_INVALID_DATE)});
    Control<QCheckBox>(dialog, IDC_APPT_ALL_DAY)->click();
    EXPECT_FALSE(Control<QPushButton>(dialog, IDC_APPT_START_TIME)->isVisibleTo(&dialog));
    endDate->setDate(QDate(2024, 3, 5));
    dialog.Command(ID_DIALOG_OK);
    auto stored = session.GetItemFromOid(item->Oid());
    EXPECT_DOUBLE_EQ(stored->AsAppointment()->Start(), Ole(2024, 3, 5));
    EXPECT_DOUBLE_EQ(stored->AsAppointment()->End(), Ole(2024, 3, 6));
    CApptDlg again(nullptr, Context(), *stored->AsAppointment(), {});
    EXPECT_EQ(Control<QDateEdit>(again, IDC_APPT_END_DATE)->date(), QDate(2024, 3, 5));
}

TEST_F(ItemEditorTest, CancelLeavesTheStoreByteForByte)
{
    services.runRecurrence = [](QWidget*, PoomItem&, int& choice) {
        choice = kRecurrenceDaily;
        return true;
    };
    const CEOID oid = SavedAppointment(Ole(2024, 3, 6, 10, 0), Ole(2024, 3, 6, 11, 0));
    // The week view has read colours long before: the property's name is known.
    session.GetItemColor(*session.GetItemFromOid(oid));
    session.ClosePim();
    const std::string before = StoredRows(store.File());
    ASSERT_TRUE(session.OpenPoom(nullptr));
    ASSERT_TRUE(session.OpenPimDatabases(&window));
    {
        auto item = session.GetItemFromOid(oid);
        CApptDlg dialog(nullptr, Context(), *item->AsAppointment(), {});
        Control<QLineEdit>(dialog, IDC_ITEM_TITLE)->setText("바뀜");
        Control<QAbstractButton>(dialog, IDC_ITEM_RECURRENCE)->click();
        Control<QDateEdit>(dialog, IDC_APPT_START_DATE)->setDate(QDate(2024, 3, 9));
        dialog.Command(ID_DIALOG_CANCEL);
        EXPECT_EQ(dialog.result(), kDialogResultCancelled);
    }
    session.ClosePim();
    EXPECT_EQ(StoredRows(store.File()), before);
}

TEST_F(ItemEditorTest, ColourNotesAndOccurrenceMode)
{
    services.chooseColor = [](QWidget*, uint32_t) { return std::optional<uint32_t>(0x00336699); };
    const CEOID oid = SavedAppointment(Ole(2024, 3, 6, 10, 0), Ole(2024, 3, 6, 11, 0));
    auto item = session.GetItemFromOid(oid);
    const Bytes foreign{0x01, 0x02, 0x03, 0x04};
    item->SetBodyInk(foreign);
    ASSERT_TRUE(item->Save());
    {
        CApptDlg dialog(nullptr, Context(), *item->AsAppointment(), {});
        Control<QAbstractButton>(dialog, IDC_ITEM_COLOR)->click();
        EXPECT_FALSE(Control<CBitmapButtonEx>(dialog, IDC_ITEM_RECURRENCE)->isEnabled());  // no wizard given
        dialog.Command(ID_DIALOG_OK);
    }
    auto stored = session.GetItemFromOid(oid);
    EXPECT_EQ(session.GetItemColor(*stored), 0x00336699u);
    EXPECT_EQ(stored->BodyInk(), foreign);  // untouched notes stay as they were

    services.runRecurrence = [](QWidget*, PoomItem&, int&) { return true; };
    CApptDlg occurrence(nullptr, Context(), *stored->AsAppointment(), {false, true});
    EXPECT_FALSE(Control<CBitmapButtonEx>(occurrence, IDC_ITEM_RECURRENCE)->isEnabled());
}

TEST_F(ItemEditorTest, TaskBoxesSpanAndCompletion)
{
    auto item = session.CreateItem(olTaskItem);
    PoomTask& task = *item->AsTask();
    task.SetSubject("보고서");
    task.SetStartDate(kNoDate);
    task.SetDueDate(kNoDate);
    ASSERT_TRUE(task.Save());
    {
        CTaskDlg dialog(nullptr, Context(), task, {});
        auto* startOn = Control<QCheckBox>(dialog, IDC_TASK_START_ON);
        auto* dueOn = Control<QCheckBox>(dialog, IDC_TASK_DUE_ON);
        startOn->click();
        EXPECT_TRUE(dueOn->isChecked());
        dueOn->click();
        EXPECT_FALSE(startOn->isChecked());
        startOn->click();
        Control<QDateEdit>(dialog, IDC_TASK_DUE_DATE)->setDate(QDate(2024, 3, 9));
        Control<QDateEdit>(dialog, IDC_TASK_START_DATE)->setDate(QDate(2024, 3, 10));
        EXPECT_EQ(dialog.Due(), TimeFromFields(2024, 3, 13, 0, 0, 0));
        Control<QCheckBox>(dialog, IDC_TASK_COMPLETE)->click();
        Control<QAbstractButton>(dialog, IDC_TASK_HIGH)->click();
        dialog.Command(ID_DIALOG_OK);
        EXPECT_EQ(dialog.result(), kDialogResultSaved);
    }
    auto stored = session.GetItemFromOid(item->Oid());
    EXPECT_DOUBLE_EQ(stored->AsTask()->StartDate(), Ole(2024, 3, 10));
    EXPECT_DOUBLE_EQ(stored->AsTask()->DueDate(), Ole(2024, 3, 13));
    EXPECT_TRUE(stored->AsTask()->Complete());
    EXPECT_EQ(stored->AsTask()->Importance(), 2);
    EXPECT_DOUBLE_EQ(OleDateOnly(stored->AsTask()->DateCompleted()), Ole(2024, 3, 8));
}

}  // namespace
