#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <vector>

#include "editors/AnniversaryDateDlg.h"
#include "editors/AnniversaryDayDlg.h"
#include "editors/ColorButton.h"
#include "editors/MaskedDateEdit.h"
#include "platform/shell/MessageBox.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "tests/platform/shell/QtTestApp.h"

namespace {

struct Write {
    int index;
    Anniversary record;
};

class AnniversaryEditorTest : public ::testing::Test {
protected:
    AnniversaryEditorTest()
    {
        TestApp();
        MessageBoxScript::Begin();
    }
    ~AnniversaryEditorTest() override { MessageBoxScript::End(); }

    AnniversaryWriter Writer()
    {
        return [this](int index, const Anniversary& record, std::string* error) {
            if (!writeSucceeds && error != nullptr) *error = "disk full";
            writes.push_back({index, record});
            return writeSucceeds;
        };
    }

    template <typename T>
    static T* Control(QWidget& dialog, int id)
    {
        return dialog.findChild<T*>(ControlName(id));
    }

    static void Type(QWidget& dialog, const QString& name)
    {
        auto* edit = dialog.findChild<QLineEdit*>(ControlName(IDC_ANNIV_NAME));
        edit->setText(name);
    }

    static QString LastMessage() { return MessageBoxScript::Shown().empty() ? QString() : MessageBoxScript::Shown().back().text; }

    Settings settings;
    std::vector<Write> writes;
    bool writeSucceeds = true;
};

}  // namespace

TEST_F(AnniversaryEditorTest, RefusalsKeepTheDialogOpenAndWriteNothing)
{
    CAnniversaryDateDlg dialog(nullptr, settings, SolarDate{2009, 5, 5}, Writer());
    dialog.show();
    dialog.Command(IDOK);
    EXPECT_EQ(LastMessage(), LoadString(IDS_APPT_TITLE_MISSING));
    EXPECT_EQ(MessageBoxScript::Shown().back().icon, MB_ICONEXCLAMATION);

    // Lunar 2023/1/30 does not exist (the first lunar month of 2023 has 29 days)...
    Type(dialog, QStringLiteral("제사"));
    Control<QCheckBox>(dialog, IDC_ANNIV_LUNAR)->click();
    Control<CMaskedDateEdit>(dialog, IDC_ANNIV_DATE)->SetDate(2023, 1, 30);
    dialog.Command(IDOK);
    EXPECT_EQ(LastMessage(), LoadString(IDS_LUNAR_DATE_INVALID));
    // ... nor does a leap first month: 2023 has its leap month after the second.
    Control<CMaskedDateEdit>(dialog, IDC_ANNIV_DATE)->SetDate(2023, 1, 1);
    Control<QCheckBox>(dialog, IDC_ANNIV_LEAP_MONTH)->setChecked(true);
    dialog.Command(IDOK);
    EXPECT_EQ(LastMessage(), LoadString(IDS_LUNAR_DATE_INVALID));
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(dialog.result(), 0);

    // Without the year any lunar 30th is taken.
    Control<QCheckBox>(dialog, IDC_ANNIV_LEAP_MONTH)->setChecked(false);
    Control<CMaskedDateEdit>(dialog, IDC_ANNIV_DATE)->SetDate(2023, 1, 30);
    Control<QCheckBox>(dialog, IDC_ANNIV_NO_YEAR)->click();
    dialog.Command(IDOK);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].index, -1);
    EXPECT_EQ(writes[0].record.year, 0);
    EXPECT_EQ(writes[0].record.month, 1);
    EXPECT_EQ(writes[0].record.day, 30);
    EXPECT_EQ(writes[0].record.lunar, 1);
    EXPECT_EQ(dialog.result(), kDialogResultSaved);
}

TEST_F(AnniversaryEditorTest, YearOmittedSwitchesTheMaskAndTheDependentControls)
{
    CAnniversaryDateDlg dialog(nullptr, settings, SolarDate{2009, 5, 5}, Writer());
    auto* field = Control<CMaskedDateEdit>(dialog, IDC_ANNIV_DATE);
    auto* noYear = Control<QCheckBox>(dialog, IDC_ANNIV_NO_YEAR);
    auto* birthday = Control<QCheckBox>(dialog, IDC_ANNIV_BIRTHDAY);
    auto* leap = Control<QCheckBox>(dialog, IDC_ANNIV_LEAP_MONTH);
    EXPECT_EQ(field->text(), "2009-05-05");
    EXPECT_FALSE(leap->isEnabled());
    Control<QCheckBox>(dialog, IDC_ANNIV_LUNAR)->click();
    EXPECT_TRUE(leap->isEnabled());
    field->SetDate(2009, 8, 15);
    noYear->click();
    EXPECT_EQ(field->text(), "08-15");
    EXPECT_FALSE(birthday->isEnabled());
    EXPECT_FALSE(leap->isEnabled());
    noYear->click();
    EXPECT_EQ(field->text(), "2009-08-15");
    EXPECT_TRUE(birthday->isEnabled());
}

TEST_F(AnniversaryEditorTest, EditingKeepsTheIndexAndTheColourAndCancelWritesNothing)
{
    Anniversary birthday;
    birthday.kind = kAnniversaryBirthday;
    birthday.year = 0;
    birthday.month = 3;
    birthday.day = 8;
    birthday.lunar = 1;
    birthday.dayBefore = 1;
    birthday.name = "어머니";
    birthday.color = 0x0000FF;
    {
        CAnniversaryDateDlg cancelled(nullptr, settings, SolarDate{2009, 5, 5}, Writer());
        cancelled.LoadAnniversary(birthday, 4);
        cancelled.Command(IDCANCEL);
        EXPECT_EQ(cancelled.result(), kDialogResultCancelled);
    }
    EXPECT_TRUE(writes.empty());

    CAnniversaryDateDlg dialog(nullptr, settings, SolarDate{2009, 5, 5}, Writer());
    dialog.SetColorChooser([](QWidget*, uint32_t color) -> std::optional<uint32_t> { return color | 0x00FF00; });
    dialog.LoadAnniversary(birthday, 4);
    EXPECT_EQ(Control<CMaskedDateEdit>(dialog, IDC_ANNIV_DATE)->text(), "03-08");
    Control<CColorButton>(dialog, IDC_ANNIV_COLOR)->click();
    dialog.Command(IDOK);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].index, 4);
    birthday.color = 0x00FFFF;
    EXPECT_TRUE(SameAnniversary(writes[0].record, birthday));
}

TEST_F(AnniversaryEditorTest, AFailedWriteIsReportedAndTheDialogStaysOpen)
{
    writeSucceeds = false;
    CAnniversaryDateDlg dialog(nullptr, settings, SolarDate{2009, 5, 5}, Writer());
    Type(dialog, QStringLiteral("개교기념일"));
    dialog.Command(IDOK);
    EXPECT_EQ(writes.size(), 1u);
    EXPECT_EQ(LastMessage(), FormatString(IDS_ANNIVERSARY_SAVE_FAILED, {QStringLiteral("disk full")}));
    EXPECT_EQ(dialog.result(), 0);
}

TEST_F(AnniversaryEditorTest, ByWeekdayPreselectsTheCurrentDateAndStoresTheMonthField)
{
    // 29 May 2009 is the fifth Friday of May: "마지막" "금요일".
    CAnniversaryDayDlg dialog(nullptr, settings, SolarDate{2009, 5, 29}, Writer());
    EXPECT_EQ(Control<QComboBox>(dialog, IDC_ANNIV_ORDINAL)->currentText(), "마지막");
    EXPECT_EQ(Control<QComboBox>(dialog, IDC_ANNIV_WEEKDAY)->currentText(), "금요일");
    EXPECT_EQ(Control<CMaskedDateEdit>(dialog, IDC_ANNIV_DATE)->text(), "2009-05");
    Control<CMaskedDateEdit>(dialog, IDC_ANNIV_DATE)->SetDate(2009, 3, 1);
    Control<QCheckBox>(dialog, IDC_ANNIV_NO_YEAR)->click();
    EXPECT_EQ(Control<CMaskedDateEdit>(dialog, IDC_ANNIV_DATE)->text(), "03");
    Control<QPushButton>(dialog, IDC_ANNIV_DAY_AFTER)->click();
    Type(dialog, QStringLiteral("가족의 날"));
    dialog.Command(IDOK);
    ASSERT_EQ(writes.size(), 1u);
    const Anniversary& saved = writes[0].record;
    EXPECT_EQ(saved.kind, kAnniversaryByWeekday);
    EXPECT_EQ(saved.year, 0);
    EXPECT_EQ(saved.month, 35);
    EXPECT_EQ(saved.day, 6);
    EXPECT_EQ(saved.dayAfter, 1);
}
