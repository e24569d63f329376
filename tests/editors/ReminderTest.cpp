#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimeEdit>

#include <climits>

#include "editors/DateTimeCtrlEx.h"
#include "editors/reminder/ReminderAppDlg.h"
#include "editors/reminder/ReminderTaskDlg.h"
#include "editors/reminder/ReminderValues.h"
#include "platform/shell/MessageBox.h"
#include "platform/store/OleTime.h"
#include "resources/CommandIds.h"
#include "settings/Settings.h"
#include "tests/platform/shell/QtTestApp.h"

namespace {

TEST(ReminderValuesTest, MinutesShowInTheLargestExactUnit)
{
    EXPECT_EQ(LargestExactUnit(0), (ReminderCount{0, kReminderMinutes}));
    EXPECT_EQ(LargestExactUnit(2880), (ReminderCount{2, kReminderDays}));
    EXPECT_EQ(LargestExactUnit(90), (ReminderCount{90, kReminderMinutes}));
    EXPECT_EQ(LargestExactUnit(10080), (ReminderCount{1, kReminderWeeks}));
    EXPECT_EQ(LargestExactUnit(120), (ReminderCount{2, kReminderHours}));
    EXPECT_EQ(LargestExactUnit(INT32_MIN), (ReminderCount{INT32_MIN, kReminderMinutes}));
}

TEST(ReminderValuesTest, AnyCountTextGivesMinutes)
{
    EXPECT_EQ(ReminderMinutesFromText("30", kReminderHours), 1800);
    EXPECT_EQ(ReminderMinutesFromText(" 12abc", kReminderMinutes), 12);
    EXPECT_EQ(ReminderMinutesFromText("-2", kReminderDays), -2880);
    for (const char* bad : {"", "abc", "-", "+", "\xED\x95\x9C", ".5"})
        EXPECT_EQ(ReminderMinutesFromText(bad, kReminderWeeks), 0) << bad;
    // Beyond the 32-bit range the count stops at its ends instead of wrapping.
    EXPECT_EQ(ReminderMinutesFromText("99999999999999999999", kReminderMinutes), INT32_MAX);
    EXPECT_EQ(ReminderMinutesFromText("300000", kReminderWeeks), INT32_MAX);
    EXPECT_EQ(ReminderMinutesFromText("-300000", kReminderWeeks), INT32_MIN);
}

class ReminderDialogTest : public ::testing::Test {
protected:
    ReminderDialogTest()
    {
        TestApp();
        MessageBoxScript::Begin();
    }
    ~ReminderDialogTest() override { MessageBoxScript::End(); }

    Settings settings;
};

TEST_F(ReminderDialogTest, AppointmentCountAndUnitGiveTheMinutes)
{
    CReminderAppDlg dialog(nullptr, settings);
    dialog.SetReminderOn(true);
    dialog.SetMinutes(2880);
    EXPECT_EQ(dialog.CountBox()->currentText(), QStringLiteral("2"));
    EXPECT_EQ(dialog.UnitList()->currentIndex(), kReminderDays);

    // Unticking disables both boxes at once; saving still computes the minutes.
    dialog.OnCheck()->click();
    EXPECT_FALSE(dialog.CountBox()->isEnabled());
    EXPECT_FALSE(dialog.UnitList()->isEnabled());
    dialog.OnCheck()->click();
    EXPECT_TRUE(dialog.CountBox()->isEnabled());

    dialog.CountBox()->setCurrentIndex(dialog.CountBox()->findText(QStringLiteral("30")));
    dialog.UnitList()->setCurrentIndex(kReminderHours);
    dialog.OnCheck()->click();
    dialog.Command(ID_DIALOG_OK);
    EXPECT_EQ(dialog.result(), kDialogResultSaved);
    EXPECT_FALSE(dialog.ReminderOn());
    EXPECT_EQ(dialog.Minutes(), 1800);
}

TEST_F(ReminderDialogTest, TypedGarbageGivesZeroAndCancelKeepsTheMinutes)
{
    CReminderAppDlg typed(nullptr, settings);
    typed.SetReminderOn(true);
    typed.SetMinutes(45);
    typed.CountBox()->lineEdit()->setText(QStringLiteral("열다섯"));
    typed.Command(ID_DIALOG_OK);
    EXPECT_EQ(typed.Minutes(), 0);
    EXPECT_TRUE(MessageBoxScript::Shown().empty());

    CReminderAppDlg cancelled(nullptr, settings);
    cancelled.SetMinutes(45);
    cancelled.CountBox()->lineEdit()->setText(QStringLiteral("5"));
    cancelled.Command(ID_DIALOG_CANCEL);
    EXPECT_EQ(cancelled.result(), kDialogResultCancelled);
    EXPECT_EQ(cancelled.Minutes(), 45);
}

TEST_F(ReminderDialogTest, TaskReminderTakesThePickedDayAndTime)
{
    CReminderTaskDlg dialog(nullptr, settings);
    dialog.SetReminderOn(false);
    dialog.SetReminderTime(OleFromFields(2026, 2, 20, 8, 0).value());
    EXPECT_FALSE(dialog.DatePicker()->isEnabled());
    EXPECT_EQ(dialog.TimePicker()->text(), QStringLiteral("오전 08:00"));
    dialog.OnCheck()->click();
    EXPECT_TRUE(dialog.TimePicker()->isEnabled());

    dialog.DatePicker()->setDate(QDate(2026, 3, 5));
    dialog.TimePicker()->setTime(QTime(7, 45));
    dialog.Command(ID_DIALOG_OK);
    EXPECT_EQ(dialog.result(), kDialogResultSaved);
    EXPECT_TRUE(dialog.ReminderOn());
    EXPECT_EQ(dialog.ReminderTime(), OleFromFields(2026, 3, 5, 7, 45).value());
}

}  // namespace
