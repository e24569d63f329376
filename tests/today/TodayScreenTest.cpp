// The Today screen with the real item libraries, while other processes
// (dayvane-cli) change the store, the anniversaries and the settings.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/device/DeviceDirectory.h"
#include "platform/store/PoomApplication.h"
#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/platform/shell/QtTestApp.h"
#include "today/host/TodayScreenWnd.h"
#include "today/listing/TodaySettings.h"

using ::testing::HasSubstr;

namespace {

class TodayScreenTest : public ::testing::Test {
protected:
    void SetUp() override { TestApp(); }

    // Registers the two items, with "APP_PATH" the device's program folder.
    void Start(const char* now)
    {
        m_now = now;
        setenv("DAYVANE_NOW", now, 1);
        setenv("DAYVANE_HOME", device.Dir().c_str(), 1);
        PoomApplication store;
        ASSERT_TRUE(store.Logon(StoreFile()));
        store.Logoff();
        ASSERT_TRUE(RegisterTodayItems(DAYVANE_TODAY_ITEMS, ProgramFolder()));
        screen = std::make_unique<CTodayScreenWnd>(96, 96);
        screen->resize(240, 320);
        screen->LoadItems(ReadTodayItems());
        ASSERT_EQ(screen->Items().size(), 2u) << screen->Refusals().join("\n").toStdString();
        Query();
    }

    void TearDown() override
    {
        screen.reset();
        unsetenv("DAYVANE_NOW");
        unsetenv("DAYVANE_HOME");
    }

    // dayvane-cli on the same device, at the fixed instant of the test's clock.
    void Cli(const QStringList& args)
    {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DAYVANE_NOW", QString::fromLatin1(m_now).remove('~'));
        cli.setProcessEnvironment(env);
        cli.start(DAYVANE_CLI, QStringList{"--device", QString::fromStdString(device.Dir().string())} + args);
        ASSERT_TRUE(cli.waitForFinished(30000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    }

    // A query after a paint, so that the heights count real lines.
    void Query()
    {
        screen->QueryItems();
        screen->grab();
        screen->QueryItems();
    }
    int Height(size_t item) const { return screen->Items()[item]->cyp; }
    int32_t Flag(const char* name) const { return CRegistry().GetInt(kSettingsRoot, kSettingsKey, name, -1); }

    // Queries until the item's height differs from `before`.
    bool HeightChanges(size_t item, int before)
    {
        return QTest::qWaitFor([&] { return Query(), Height(item) != before; }, 10000);
    }

    TempDevice device;
    std::unique_ptr<CTodayScreenWnd> screen;
    const char* m_now = "";
};

TEST_F(TodayScreenTest, ReloadsOnStoreChangesFlagsAndOptions)
{
    Start("2026-12-23T09:00:00");
    const int emptyCalendar = Height(0), emptyTasks = Height(1);
    EXPECT_EQ(emptyCalendar, 20);

    Cli({"add", "appt", "--subject", "회의", "--start", "2026-12-23 10:00", "--end", "2026-12-23 11:00"});
    ASSERT_TRUE(HeightChanges(0, emptyCalendar));  // the store's notification
    const int oneAppointment = Height(0);

    Cli({"anniv", "add", "--name", "기념", "--date", "2000-12-23"});
    EXPECT_EQ(Flag(SettingName::kTodayEventChanged), 1);
    Query();
    EXPECT_GT(Height(0), oneAppointment);
    EXPECT_EQ(Flag(SettingName::kTodayEventChanged), 0);

    // One line is within the least height: two tasks show.
    Cli({"add", "task", "--subject", "보고서"});
    Cli({"add", "task", "--subject", "발표"});
    ASSERT_TRUE(HeightChanges(1, emptyTasks));
    Cli({"complete", "3"});
    ASSERT_TRUE(HeightChanges(1, Height(1)));
    EXPECT_EQ(Height(1), emptyTasks);

    // Options saved elsewhere: both flags, both items reload and reset them.
    Cli({"add", "task", "--subject", "정리"});
    Cli({"reg", "set", "TodayTaskItemCount", "0", "--type", "dword"});
    Cli({"reg", "set", "TodayEventPeriod", "0", "--type", "dword"});
    Cli({"reg", "set", "TodayEventChanged", "1", "--type", "dword"});
    Cli({"reg", "set", "TodayTaskChanged", "1", "--type", "dword"});
    Query();
    EXPECT_EQ(Height(0), emptyCalendar);
    EXPECT_EQ(Height(1), emptyTasks);
    EXPECT_EQ(Flag(SettingName::kTodayEventChanged), 0);
    EXPECT_EQ(Flag(SettingName::kTodayTaskChanged), 0);
}

TEST_F(TodayScreenTest, MidnightReloadsBothItems)
{
    Start("2026-12-23T23:59:58~");
    Cli({"add", "task", "--subject", "내일부터", "--start", "2026-12-24"});
    Cli({"add", "task", "--subject", "내일도", "--start", "2026-12-24"});
    Cli({"add", "appt", "--subject", "오늘만", "--start", "2026-12-23", "--end", "2026-12-23", "--all-day"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Query(), Height(0) > 20; }, 10000));
    const int tasksBefore = Height(1);
    // The new day brings the task in and lets today's all-day event go.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Query(), Height(1) > tasksBefore && Height(0) == 20; }, 15000));
}

TEST_F(TodayScreenTest, ATapStartsTheApplication)
{
    Start("2026-12-23T09:00:00");
    const std::filesystem::path launcher = ProgramFolder() / "Dayvane";
    const std::filesystem::path started = device.Root() / "started";
    std::ofstream(launcher) << "#!/bin/sh\ntouch '" << started.string() << "'\n";
    std::filesystem::permissions(launcher, std::filesystem::perms::owner_all);
    QTest::mouseClick(screen->Items()[0]->hwndCustom, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(started); }, 10000));
}

TEST_F(TodayScreenTest, RefusedLibrariesAreNamedAndTheOthersShown)
{
    setenv("DAYVANE_HOME", device.Dir().c_str(), 1);
    const std::filesystem::path folder = device.Root() / "items";
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    std::ofstream(folder / "text.so") << "not a library";
    std::filesystem::copy_file(DAYVANE_NO_EXPORTS, folder / "noexports.so");
    std::filesystem::copy_file(std::string(DAYVANE_TODAY_ITEMS) + "/libVanetask.so", folder / "open.so");
    chmod((folder / "open.so").c_str(), 0666);
    const std::vector<TodayItemRegistration> items{
        {"\"Relative\"", "today/libVanecal.so", 0, true},
        {"\"Missing\"", (folder / "missing.so").string(), 1, true},
        {"\"Text\"", (folder / "text.so").string(), 2, true},
        {"\"NoExports\"", (folder / "noexports.so").string(), 3, true},
        {"\"Writable\"", (folder / "open.so").string(), 4, true},
        {"\"Vanecal\"", std::string(DAYVANE_TODAY_ITEMS) + "/libVanecal.so", 5, true},
        {"\"Disabled\"", (folder / "missing.so").string(), 6, false},
    };
    CTodayScreenWnd screen(96, 96);
    screen.LoadItems(items);
    EXPECT_EQ(screen.Items().size(), 1u);
    const QStringList refusals = screen.Refusals();
    ASSERT_EQ(refusals.size(), 5);
    EXPECT_THAT(refusals[0].toStdString(), HasSubstr("절대 경로가 아닙니다"));
    EXPECT_THAT(refusals[1].toStdString(), HasSubstr("파일이 없습니다"));
    EXPECT_THAT(refusals[2].toStdString(), HasSubstr("오늘 화면 항목이 아닙니다"));
    EXPECT_THAT(refusals[3].toStdString(), HasSubstr("InitializeCustomItem 함수가 없습니다"));
    EXPECT_THAT(refusals[4].toStdString(), HasSubstr("다른 사용자가 바꿀 수 있는"));
    unsetenv("DAYVANE_HOME");
}

} // namespace
