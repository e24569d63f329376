#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "editors/AnniversaryDlg.h"
#include "editors/OptionDlg.h"
#include "editors/OptionPages.h"
#include "editors/OptionWeatherDlg.h"
#include "resources/CommandIds.h"
#include "settings/CRegistry.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/platform/shell/QtTestApp.h"

namespace {

int32_t Stored(const char* name) { return CRegistry().GetInt(kSettingsRoot, kSettingsKey, name, -12345); }
std::string StoredText(const char* name) { return CRegistry().GetString(kSettingsRoot, kSettingsKey, name, "?"); }

class OptionDlgTest : public ::testing::Test {
protected:
    OptionDlgTest() { TestApp(); }

    // Shows the sheet's page, as tapping its tab does.
    static void ShowPage(COptionDlg& sheet, int index)
    {
        sheet.show();
        sheet.Sheet()->setCurrentIndex(index);
    }
    template <typename T>
    static T* Control(QWidget& dialog, int id)
    {
        return dialog.findChild<T*>(ControlName(id));
    }

    TempDevice device;
    Settings settings;
};

TEST_F(OptionDlgTest, SavingAtOnceRewritesEverythingAndRaisesBothFlags)
{
    CRegistry().SetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayEventChanged, 0);
    CRegistry().SetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayTaskChanged, 0);
    settings.m_TodayEventPeriod = 14;
    settings.m_TodayEventItemCount = 42;  // in no table, but the page is never shown
    settings.m_WeekFontName = "NoSuchFace";
    settings.m_WeekFontSize = 30;
    COptionDlg sheet(nullptr, settings);
    sheet.Command(ID_DIALOG_OK);
    EXPECT_EQ(sheet.result(), kDialogResultSaved);
    EXPECT_EQ(Stored(SettingName::kTodayEventChanged), 1);
    EXPECT_EQ(Stored(SettingName::kTodayTaskChanged), 1);
    EXPECT_EQ(Stored(SettingName::kTodayEventPeriod), 14);
    EXPECT_EQ(Stored(SettingName::kTodayEventItemCount), 42);
    EXPECT_EQ(Stored(SettingName::kTodayTaskItemCount), 9999);
    EXPECT_EQ(StoredText(SettingName::kWeekFontName), "NoSuchFace");
    EXPECT_EQ(Stored(SettingName::kWeekFontSize), 30);
    EXPECT_EQ(Stored(SettingName::kShowHolidays), 1);
    EXPECT_EQ(Stored(SettingName::kAgeCount), 0);
}

TEST_F(OptionDlgTest, TodayListsSelectByValueAndStoreMinusOneWithoutSelection)
{
    settings.m_TodayEventItemCount = 9999;
    settings.m_TodayEventPeriod = 10;  // in no table
    COptionDlg sheet(nullptr, settings);
    ShowPage(sheet, 1);
    auto* count = Control<QComboBox>(sheet, IDC_OPT_TODAY_EVENT_COUNT);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->currentText(), QString("전체 일정 표시"));
    EXPECT_EQ(count->count(), 9);
    auto* period = Control<QComboBox>(sheet, IDC_OPT_TODAY_EVENT_PERIOD);
    EXPECT_EQ(period->currentIndex(), -1);
    EXPECT_EQ(period->itemText(4), QString("최근 1주일중"));
    count->setCurrentIndex(0);  // the nearest day only

    ShowPage(sheet, 2);
    auto* tasks = Control<QComboBox>(sheet, IDC_OPT_TODAY_TASK_COUNT);
    EXPECT_EQ(tasks->count(), 11);
    EXPECT_EQ(tasks->itemText(9), QString("10개의 할일 표시"));
    tasks->setCurrentIndex(2);
    sheet.Command(ID_DIALOG_OK);

    EXPECT_EQ(Stored(SettingName::kTodayEventPeriod), -1);
    EXPECT_EQ(Stored(SettingName::kTodayEventItemCount), 0);
    EXPECT_EQ(Stored(SettingName::kTodayTaskItemCount), 3);
    EXPECT_EQ(settings.m_TodayTaskItemCount, 3);
}

TEST_F(OptionDlgTest, CommonPageWritesSoftKeysForTheNextStartOnly)
{
    COptionDlg sheet(nullptr, settings);
    ShowPage(sheet, 0);
    Control<QCheckBox>(sheet, IDC_OPT_USE_SOFT_KEY)->setChecked(true);
    Control<QCheckBox>(sheet, IDC_OPT_SUNDAY_AS_START)->setChecked(true);
    Control<QCheckBox>(sheet, IDC_OPT_SHOW_HOLIDAYS)->setChecked(false);
    Control<QComboBox>(sheet, IDC_OPT_AGE_COUNT)->setCurrentIndex(1);
    sheet.Command(ID_DIALOG_OK);

    EXPECT_EQ(Stored(SettingName::kUseSoftKey), 1);
    EXPECT_EQ(settings.m_UseSoftKey, 0);
    EXPECT_EQ(settings.m_SundayAsStart, 1);
    EXPECT_EQ(Stored(SettingName::kSundayAsStart), 1);
    EXPECT_EQ(Stored(SettingName::kShowHolidays), 0);
    EXPECT_EQ(Stored(SettingName::kAgeCount), 1);
    EXPECT_EQ(LoadSettings({}).m_AgeCount, 1);
}

TEST_F(OptionDlgTest, FontListsKeepWhatTheyCannotShow)
{
    settings.m_AnnvFontName = "NoSuchFace";
    settings.m_AnnvFontSize = 9;
    COptionDlg sheet(nullptr, settings);
    ShowPage(sheet, 3);
    auto* names = Control<QComboBox>(sheet, IDC_OPT_WEEK_FONT_NAME);
    ASSERT_GT(names->count(), 0);
    EXPECT_EQ(Control<QComboBox>(sheet, IDC_OPT_ANNV_FONT_NAME)->currentIndex(), -1);
    auto* sizes = Control<QComboBox>(sheet, IDC_OPT_WEEK_FONT_SIZE);
    EXPECT_EQ(sizes->count(), 15);
    EXPECT_EQ(sizes->itemText(14), QString("24"));
    names->setCurrentIndex(0);
    sizes->setCurrentIndex(2);
    const std::string chosen = names->currentText().toStdString();
    sheet.Command(ID_DIALOG_OK);

    EXPECT_EQ(settings.m_WeekFontName, chosen);
    EXPECT_EQ(Stored(SettingName::kWeekFontSize), 12);
    EXPECT_EQ(settings.m_AnnvFontName, "NoSuchFace");
    EXPECT_EQ(Stored(SettingName::kAnnvFontSize), 9);
}

TEST_F(OptionDlgTest, CancelWritesNothing)
{
    COptionDlg sheet(nullptr, settings);
    ShowPage(sheet, 0);
    Control<QCheckBox>(sheet, IDC_OPT_24HOUR)->setChecked(true);
    sheet.Command(ID_DIALOG_CANCEL);
    EXPECT_EQ(sheet.result(), kDialogResultCancelled);
    EXPECT_EQ(settings.m_24hour, 0);
    EXPECT_EQ(Stored(SettingName::k24hour), -12345);
    EXPECT_EQ(Stored(SettingName::kTodayEventChanged), -12345);
}

TEST_F(OptionDlgTest, WeatherDialogStoresTheVendorNumberOrMinusOne)
{
    const std::vector<OptionChoice> vendors{{"Zeta", 2}, {"Alpha", 5}};
    settings.m_WeatherVendor = 2;
    COptionWeatherDlg weather(nullptr, settings, vendors);
    auto* list = Control<QComboBox>(weather, IDC_OPT_WEATHER_VENDOR);
    EXPECT_EQ(list->itemText(0), QString("Alpha"));
    EXPECT_EQ(list->currentText(), QString("Zeta"));
    list->setCurrentIndex(0);
    Control<QLineEdit>(weather, IDC_OPT_WEATHER_LOCATION)->setText("부산");
    weather.Command(ID_DIALOG_OK);
    EXPECT_EQ(Stored(SettingName::kWeatherVendor), 5);
    EXPECT_EQ(StoredText(SettingName::kWeatherLocation), "부산");

    settings.m_WeatherVendor = 7;
    COptionWeatherDlg unknown(nullptr, settings, vendors);
    EXPECT_EQ(Control<QComboBox>(unknown, IDC_OPT_WEATHER_VENDOR)->currentIndex(), -1);
    unknown.Command(ID_DIALOG_OK);
    EXPECT_EQ(Stored(SettingName::kWeatherVendor), -1);
}

}  // namespace
