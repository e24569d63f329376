#include <gtest/gtest.h>

#include "settings/CRegistry.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "tests/platform/device/TempDevice.h"

namespace {

std::vector<RegistryValue> StoredValues()
{
    std::vector<RegistryValue> values;
    EXPECT_EQ(CRegistry().ListValues(kSettingsRoot, kSettingsKey, values), ERROR_SUCCESS);
    return values;
}

std::vector<std::string> StoredNames()
{
    std::vector<std::string> names;
    for (const RegistryValue& value : StoredValues()) names.push_back(value.name);
    return names;
}

void ExpectFactoryValues(const Settings& s)
{
    EXPECT_EQ(s.m_24hour, 0);
    EXPECT_EQ(s.m_Multiline, 0);
    EXPECT_EQ(s.m_SundayAsStart, 0);
    EXPECT_EQ(s.m_NotesPenDefault, 1);
    EXPECT_EQ(s.m_UseSoftKey, 0);
    EXPECT_EQ(s.m_TodayEventPeriod, 7);
    EXPECT_EQ(s.m_TodayEventItemCount, 0);
    EXPECT_EQ(s.m_ShowCompleteTask, 1);
    EXPECT_EQ(s.m_HideAllTask, 0);
    EXPECT_EQ(s.m_TodayTaskItemCount, 9999);
    EXPECT_EQ(s.m_AnnvFontName, "Tahoma");
    EXPECT_EQ(s.m_ClearType, 0);
    EXPECT_EQ(s.m_WeatherVendor, 2);
    EXPECT_EQ(s.m_WeatherLocation, "서울");
    EXPECT_EQ(s.m_OpenMeteoHost, "https://api.open-meteo.com");
    EXPECT_EQ(s.m_ShowHolidays, 1);
}

} // namespace

TEST(Settings, FreshDeviceDefaultsFollowDensityAndOrientation)
{
    TempDevice device;
    Settings low = LoadSettings({96, 240, 320});
    ExpectFactoryValues(low);
    EXPECT_EQ(low.m_WeekFontName, "cellvic");
    EXPECT_EQ(low.m_WeekFontSize, 10);
    EXPECT_EQ(low.m_AnnvFontSize, 13);
    EXPECT_EQ(low.m_ShowCalendar, 1);

    Settings mid = LoadSettings({131, 320, 240});
    EXPECT_EQ(mid.m_WeekFontName, "Tahoma");
    EXPECT_EQ(mid.m_WeekFontSize, 12);
    EXPECT_EQ(mid.m_AnnvFontSize, 13);
    EXPECT_EQ(mid.m_ShowCalendar, 0);  // landscape

    Settings high = LoadSettings({192, 480, 480});
    ExpectFactoryValues(high);
    EXPECT_EQ(high.m_WeekFontName, "Tahoma");
    EXPECT_EQ(high.m_WeekFontSize, 18);
    EXPECT_EQ(high.m_AnnvFontSize, 18);
    EXPECT_EQ(high.m_ShowCalendar, 1);  // square counts as portrait

    EXPECT_EQ(FontDefaultsForDpi(127).weekFontSize, 10);
    EXPECT_EQ(FontDefaultsForDpi(128).weekFontSize, 12);
    EXPECT_EQ(FontDefaultsForDpi(191).weekFontSize, 12);
    EXPECT_EQ(FontDefaultsForDpi(192).weekFontSize, 18);

    EXPECT_TRUE(StoredNames().empty());  // reading wrote nothing
}

TEST(Settings, MissingOrDamagedRegistryGivesDefaultsAndIsLeftAlone)
{
    {
        // No device directory: no error escapes, nothing is made anywhere.
        TempDevice device(false);
        ExpectFactoryValues(LoadSettings({}));
        SaveOptions(Settings{}, 1);
        EXPECT_FALSE(std::filesystem::exists(device.Dir()));
        std::vector<RegistryValue> values;
        EXPECT_EQ(CRegistry().ListValues(kSettingsRoot, kSettingsKey, values), ERROR_FILE_NOT_FOUND);
    }
    {
        TempDevice device;
        const std::string damaged = "SQLite format 3" + std::string(200, '\x01');
        WriteWholeFile(RegistryFile(), damaged);
        Settings s = LoadSettings({96, 240, 320});
        ExpectFactoryValues(s);
        EXPECT_EQ(s.m_WeekFontName, "cellvic");
        SaveOptions(s, 1);
        SaveWeatherServer(1, "busan");
        EXPECT_EQ(ReadWholeFile(RegistryFile()), damaged);
    }
}

TEST(Settings, SaveOptionsWritesInTheOrderTheTodayItemsExpect)
{
    TempDevice device;
    Settings s;
    s.m_UseSoftKey = 0;
    s.m_WeekFontName = "나눔고딕";
    s.m_WeekFontSize = 11;
    SaveOptions(s, 1);

    const std::vector<std::string> order = {
        "24hour", "Multiline", "ClearType", "SundayAsStart", "NotesPenDefault", "UseSoftKey", "ShowCalendar",
        "BoldAllDayEvent", "TodayEventPeriod", "TodayEventItemCount", "TodayEventChanged", "BoldImportantTask",
        "ShowTaskStart", "ShowCompleteTask", "HideUndatedTask", "TodayTaskItemCount", "TodayHideUndatedTask",
        "TodayTaskChanged", "AnnvFontName", "AnnvFontSize", "WeekFontName", "WeekFontSize",
        "ShowHolidays", "AgeCount"};  // the two beyond the handheld come last
    EXPECT_EQ(StoredNames(), order);

    const CRegistry reg;
    EXPECT_EQ(reg.GetInt(kSettingsRoot, kSettingsKey, "UseSoftKey", -1), 1);  // the page's, not the member
    EXPECT_EQ(reg.GetInt(kSettingsRoot, kSettingsKey, "TodayTaskChanged", -1), 1);

    // Saved values win over the density defaults.
    Settings back = LoadSettings({96, 240, 320});
    EXPECT_EQ(back.m_WeekFontName, "나눔고딕");
    EXPECT_EQ(back.m_WeekFontSize, 11);
    EXPECT_EQ(back.m_AnnvFontSize, 18);

    SaveWeatherServer(1, "busan");
    back = LoadSettings({});
    EXPECT_EQ(back.m_WeatherVendor, 1);
    EXPECT_EQ(back.m_WeatherLocation, "busan");

    // No control writes "ShowHolidays"; a stored 0 turns the holidays off.
    CRegistry().SetInt(kSettingsRoot, kSettingsKey, "ShowHolidays", 0);
    EXPECT_EQ(LoadSettings({}).m_ShowHolidays, 0);
}

TEST(Settings, EmptiedFontNamesLeaveTheStoredNames)
{
    TempDevice device;
    Settings s;
    s.m_AnnvFontName = "Gulim";
    s.m_WeekFontName = "Dotum";
    SaveOptions(s, 0);

    // Clear the flags so the second save must write them again.
    CRegistry().SetInt(kSettingsRoot, kSettingsKey, "TodayEventChanged", 0);
    s.m_AnnvFontName.clear();
    s.m_WeekFontName.clear();
    s.m_AnnvFontSize = 9;
    SaveOptions(s, 0);

    Settings back = LoadSettings({});
    EXPECT_EQ(back.m_AnnvFontName, "Gulim");
    EXPECT_EQ(back.m_WeekFontName, "Dotum");
    EXPECT_EQ(back.m_AnnvFontSize, 9);
    EXPECT_EQ(CRegistry().GetInt(kSettingsRoot, kSettingsKey, "TodayEventChanged", -1), 1);
}
