#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <deque>
#include <functional>
#include <utility>

#include "editors/DateTimeCtrlEx.h"
#include "editors/recurrence/RecurrenceDlg.h"
#include "editors/recurrence/RecurrenceValues.h"
#include "platform/shell/MessageBox.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/PoomItem.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "resources/CommandIds.h"
#include "settings/Settings.h"
#include "tests/platform/shell/QtTestApp.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

RecurrenceFields PatternFrom(int year, int month, int day)
{
    RecurrenceFields pattern;
    pattern.patternStart = Ole(year, month, day);
    return pattern;
}

TEST(RecurrenceValuesTest, PagesStartFromThePatternOrItsStartDay)
{
    // Not recurring yet: no end, ten occurrences, the next calendar day as the
    // end even across the change to summer time.
    setenv("TZ", "Europe/London", 1);
    tzset();
    RecurrenceWizardValues fresh = InitialWizardValues(PatternFrom(2026, 3, 28));
    EXPECT_EQ(fresh.kind, kRecurDaily);
    EXPECT_EQ(fresh.rangeOption, kRangeNoEnd);
    EXPECT_EQ(fresh.occurrences, 10);
    EXPECT_EQ(fresh.rangeEnd, (SolarDate{2026, 3, 29}));
    // The start (a Saturday) fills what the pattern leaves unset.
    EXPECT_EQ(fresh.weekdays, (std::array<bool, 7>{false, false, false, false, false, false, true}));
    EXPECT_EQ(fresh.monthlyDay, 28);
    EXPECT_EQ(fresh.yearlyDayMonthIndex, 2);
    EXPECT_EQ(fresh.monthlyInstanceIndex, 3);
    unsetenv("TZ");
    tzset();

    RecurrenceFields daily = PatternFrom(2026, 1, 5);
    daily.type = olRecursDaily;
    daily.interval = 150;
    daily.range = RecurrenceRange::Count;
    daily.occurrences = 7;
    const RecurrenceWizardValues dailyValues = InitialWizardValues(daily);
    EXPECT_EQ(dailyValues.dailyInterval, 1);
    EXPECT_EQ(dailyValues.rangeOption, kRangeCount);
    EXPECT_EQ(dailyValues.occurrences, 7);

    // 30 January 2026 is the fifth Friday: "마지막" and "금요일".
    RecurrenceFields monthly = PatternFrom(2026, 1, 30);
    monthly.type = olRecursMonthNth;
    const RecurrenceWizardValues monthlyValues = InitialWizardValues(monthly);
    EXPECT_EQ(monthlyValues.kind, kRecurMonthly);
    EXPECT_EQ(monthlyValues.monthlyMode, 1);
    EXPECT_EQ(monthlyValues.monthlyInstanceIndex, 4);
    EXPECT_EQ(monthlyValues.monthlyWeekday, 6);

    RecurrenceFields yearly = PatternFrom(2026, 1, 30);
    yearly.type = olRecursYearNth;
    yearly.instance = 2;
    yearly.dayOfWeekMask = 2;  // Monday
    yearly.monthOfYear = 5;
    yearly.range = RecurrenceRange::Until;
    yearly.patternEnd = Ole(2030, 5, 13);
    const RecurrenceWizardValues yearlyValues = InitialWizardValues(yearly);
    EXPECT_EQ(yearlyValues.yearlyMode, 1);
    EXPECT_EQ(yearlyValues.yearlyInstanceIndex, 1);
    EXPECT_EQ(yearlyValues.yearlyWeekday, 2);
    EXPECT_EQ(yearlyValues.yearlyWeekdayMonthIndex, 4);
    // A series ending on a day keeps that end when the wizard finishes.
    EXPECT_EQ(yearlyValues.rangeOption, kRangeEndDate);
    EXPECT_EQ(yearlyValues.rangeEnd, (SolarDate{2030, 5, 13}));
}

TEST(RecurrenceValuesTest, NumbersAcceptOnlyWholeIntegersInRange)
{
    EXPECT_EQ(ParseIntegerInRange("7", 1, 999), 7);
    EXPECT_EQ(ParseIntegerInRange(" 999 ", 1, 999), 999);
    EXPECT_EQ(ParseIntegerInRange("+5", 1, 999), 5);
    for (const char* bad : {"", " ", "0", "1000", "-1", "abc", "12a", "1 2", "3.5", "99999999999999999999",
                            "\xEF\xBC\x95", "--1", "+-1"})
        EXPECT_FALSE(ParseIntegerInRange(bad, 1, 999)) << bad;
}

// Drives the wizard's pages: each page runs the next scripted step, which
// changes controls and presses a command.
class RecurrenceWizardTest : public ::testing::Test {
protected:
    using Step = std::function<void(CRecurrencePageDlg&)>;

    void SetUp() override
    {
        TestApp();
        MessageBoxScript::Begin();
        setenv("DAYVANE_NOW", "2026-01-10T12:00:00", 1);
        ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
        item = app.CreateItem(olAppointmentItem);
        // Friday 30 January 2026, the fifth Friday of its month.
        item->AsAppointment()->SetSubject("회의");
        item->AsAppointment()->SetStart(Ole(2026, 1, 30, 10));
        item->AsAppointment()->SetEnd(Ole(2026, 1, 30, 11));
    }
    void TearDown() override
    {
        unsetenv("DAYVANE_NOW");
        MessageBoxScript::End();
    }

    // Runs "<되풀이 편집>" with the steps; returns the dialog's result.
    int RunDetailed(std::deque<Step> steps)
    {
        CRecurrenceDlg dialog(nullptr, settings, *item, 0);
        dialog.SetPageRunner([&steps](CRecurrencePageDlg& page) {
            if (steps.empty()) {
                ADD_FAILURE() << "no step for " << page.objectName().toStdString();
                return kDialogResultCancelled;
            }
            Step step = std::move(steps.front());
            steps.pop_front();
            step(page);
            return page.result();
        });
        dialog.ChoiceList()->setCurrentIndex(kRecurrenceChoiceEdit);
        emit dialog.ChoiceList()->activated(kRecurrenceChoiceEdit);
        EXPECT_TRUE(steps.empty()) << steps.size() << " steps left";
        choice = dialog.Choice();
        return dialog.result();
    }

    static Step Press(int command, const char* expectedPage)
    {
        return [command, expectedPage](CRecurrencePageDlg& page) {
            EXPECT_EQ(page.objectName().toStdString(), expectedPage);
            page.Command(command);
        };
    }

    template <typename Control>
    static Control* Find(CRecurrencePageDlg& page, int id)
    {
        auto* control = page.findChild<Control*>(QString::number(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    TempStore store;
    PoomApplication app;
    std::unique_ptr<PoomItem> item;
    Settings settings;
    int choice = -1;
};

TEST_F(RecurrenceWizardTest, FinishingWritesThePatternOfTheChosenPages)
{
    const int result = RunDetailed({
        [](CRecurrencePageDlg& page) {
            Find<QRadioButton>(page, 1044)->setChecked(true);  // "매월"
            page.Command(ID_PAGE_NEXT);
        },
        [](CRecurrencePageDlg& page) {
            // Offered the fifth Friday as "마지막" "금요일"; take every two months.
            EXPECT_EQ(Find<QComboBox>(page, 1077)->currentIndex(), 4);
            EXPECT_EQ(Find<QComboBox>(page, 1012)->currentData().toInt(), 32);
            Find<QRadioButton>(page, 1048)->setChecked(true);
            Find<QLineEdit>(page, 1078)->setText(QStringLiteral("2"));
            page.Command(ID_PAGE_NEXT);
        },
        [](CRecurrencePageDlg& page) {
            EXPECT_TRUE(Find<QRadioButton>(page, 1051)->isChecked());
            EXPECT_EQ(Find<QLineEdit>(page, 1055)->text(), QStringLiteral("10"));
            Find<QRadioButton>(page, 1052)->setChecked(true);
            Find<QLineEdit>(page, 1055)->setText(QStringLiteral("6"));
            page.Command(ID_PAGE_FINISH);
        },
    });
    EXPECT_EQ(result, kDialogResultSaved);
    EXPECT_EQ(choice, kRecurrenceChoiceEdit);

    ASSERT_TRUE(item->Save()) << item->LastError();
    auto stored = app.GetItemFromOid(item->Oid());
    ASSERT_TRUE(stored && stored->IsRecurring());
    const RecurrenceFields written = std::as_const(*stored->GetRecurrencePattern()).Fields();
    EXPECT_EQ(written.type, olRecursMonthNth);
    EXPECT_EQ(written.instance, 5);
    EXPECT_EQ(written.dayOfWeekMask, 32);
    EXPECT_EQ(written.interval, 2);
    EXPECT_EQ(written.range, RecurrenceRange::Count);
    EXPECT_EQ(written.occurrences, 6);
    EXPECT_EQ(written.patternStart, Ole(2026, 1, 30));
}

TEST_F(RecurrenceWizardTest, PreviousGoesBackAndCancelWritesNothing)
{
    // "이전" on the range page comes back to the weekly page, values intact;
    // "취소" there ends the whole chain.
    int result = RunDetailed({
        [](CRecurrencePageDlg& page) {
            Find<QRadioButton>(page, 1043)->setChecked(true);
            page.Command(ID_PAGE_NEXT);
        },
        [](CRecurrencePageDlg& page) {
            Find<QLineEdit>(page, 1050)->setText(QStringLiteral("3"));
            Find<QCheckBox>(page, 1064)->setChecked(true);
            page.Command(ID_PAGE_NEXT);
            EXPECT_EQ(page.result(), 0);
            EXPECT_EQ(Find<QLineEdit>(page, 1050)->text(), QStringLiteral("3"));
            EXPECT_TRUE(Find<QCheckBox>(page, 1064)->isChecked());
            page.Command(ID_DIALOG_CANCEL);
        },
        Press(ID_PAGE_PREVIOUS, "recurrenceRange"),
    });
    EXPECT_EQ(result, kDialogResultCancelled);
    EXPECT_FALSE(item->IsRecurring());

    // "이전" on the first page closes the wizard as cancelled.
    result = RunDetailed({Press(ID_PAGE_PREVIOUS, "recurrencePattern")});
    EXPECT_EQ(result, kDialogResultCancelled);
    EXPECT_FALSE(item->IsRecurring());
}

TEST_F(RecurrenceWizardTest, OutOfRangeTextKeepsThePageWithTheMessage)
{
    const int result = RunDetailed({
        Press(ID_PAGE_NEXT, "recurrencePattern"),
        [](CRecurrencePageDlg& page) {
            QLineEdit* interval = Find<QLineEdit>(page, 1049);
            for (const char* text : {"", "0", "1000", "x7", "-3", "9999999999"}) {
                interval->setText(QString::fromUtf8(text));
                page.Command(ID_PAGE_NEXT);
                EXPECT_EQ(page.result(), 0) << text;
            }
            const auto& shown = MessageBoxScript::Shown();
            ASSERT_EQ(shown.size(), 6u);
            EXPECT_EQ(shown.back().text, QStringLiteral("Enter an integer between 1 and 999."));
            interval->setText(QStringLiteral("4"));
            page.Command(ID_PAGE_NEXT);
        },
        [](CRecurrencePageDlg& page) {
            // Occurrences below one would leave a series without occurrences.
            Find<QRadioButton>(page, 1052)->setChecked(true);
            Find<QLineEdit>(page, 1055)->setText(QStringLiteral("0"));
            page.Command(ID_PAGE_FINISH);
            EXPECT_EQ(page.result(), 0);
            Find<QRadioButton>(page, 1053)->setChecked(true);
            Find<CDateTimeCtrlEx>(page, 1054)->setDate(QDate(2026, 3, 1));
            page.Command(ID_PAGE_FINISH);
        },
    });
    EXPECT_EQ(result, kDialogResultSaved);
    const RecurrenceFields written = std::as_const(*item->GetRecurrencePattern()).Fields();
    EXPECT_EQ(written.type, olRecursDaily);
    EXPECT_EQ(written.interval, 4);
    EXPECT_EQ(written.range, RecurrenceRange::Until);
    EXPECT_EQ(written.patternEnd, Ole(2026, 3, 1));
}

TEST_F(RecurrenceWizardTest, SimpleChoiceWritesNothingUntilTheEditorSaves)
{
    CRecurrenceDlg dialog(nullptr, settings, *item, 0);
    dialog.ChoiceList()->setCurrentIndex(2);
    emit dialog.ChoiceList()->activated(2);
    dialog.Command(ID_DIALOG_OK);
    EXPECT_EQ(dialog.result(), kDialogResultSaved);
    EXPECT_EQ(dialog.Choice(), 2);
    EXPECT_FALSE(item->IsRecurring());
}

}  // namespace
