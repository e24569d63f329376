#include <sys/stat.h>

#include <gtest/gtest.h>

#include <map>

#include "tests/platform/device/TempDevice.h"

namespace fs = std::filesystem;

namespace {

EnvironmentLookup Environment(std::map<std::string, std::string> values)
{
    return [values = std::move(values)](const char* name) -> const char* {
        auto it = values.find(name);
        return it == values.end() ? nullptr : it->second.c_str();
    };
}

} // namespace

TEST(DeviceDirectory, ResolvesOptionThenEnvironmentThenDataHome)
{
    const auto all = Environment({{"DAYVANE_HOME", "/d/home"}, {"XDG_DATA_HOME", "/x/data"}, {"HOME", "/h"}});
    EXPECT_EQ(ResolveDeviceDirectory("/opt/dev", all), fs::path("/opt/dev"));
    EXPECT_EQ(ResolveDeviceDirectory("", all), fs::path("/d/home"));
    EXPECT_EQ(ResolveDeviceDirectory("", Environment({{"XDG_DATA_HOME", "/x/data/"}, {"HOME", "/h"}})),
              fs::path("/x/data/dayvane"));
    EXPECT_EQ(ResolveDeviceDirectory("", Environment({{"HOME", "/h"}})), fs::path("/h/.local/share/dayvane"));

    // Empty values count as unset; a relative XDG value is invalid.
    EXPECT_EQ(ResolveDeviceDirectory("", Environment({{"DAYVANE_HOME", ""}, {"XDG_DATA_HOME", "rel"}, {"HOME", "/h"}})),
              fs::path("/h/.local/share/dayvane"));
    EXPECT_TRUE(ResolveDeviceDirectory("", Environment({})).empty());

    // Relative choices are pinned to the working directory now, not at each use.
    EXPECT_EQ(ResolveDeviceDirectory("dev", all), fs::current_path() / "dev");
    EXPECT_EQ(ResolveDeviceDirectory("", Environment({{"DAYVANE_HOME", "dh"}})), fs::current_path() / "dh");
}

TEST(DeviceDirectory, EnsureCreatesPrivateDeviceWithProgramFolder)
{
    TempDevice device(false);
    SetDeviceDirectory(device.Root() / "deep" / "device");
    EXPECT_EQ(EnsureDeviceDirectory(), "");
    EXPECT_TRUE(fs::is_directory(ProgramFolder()));
    EXPECT_EQ(ProgramFolder(), device.Root() / "deep" / "device" / "Dayvane");
    EXPECT_EQ(RegistryFile(), device.Root() / "deep" / "device" / "registry.db");
    EXPECT_EQ(StoreFile(), device.Root() / "deep" / "device" / "pim.vol");

    struct stat info {};
    ASSERT_EQ(stat(DeviceDirectory().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(EnsureDeviceDirectory(), "");  // a second start finds it in place
}

TEST(DeviceDirectory, EnsureExplainsWhatIsInTheWay)
{
    TempDevice device(false);
    WriteWholeFile(device.Dir(), "not a folder");
    std::string error = EnsureDeviceDirectory();
    EXPECT_NE(error.find(device.Dir().string()), std::string::npos) << error;
    EXPECT_EQ(ReadWholeFile(device.Dir()), "not a folder");
}

TEST(DeviceDirectory, LauncherLinkIsReplacedButNeverAFile)
{
    TempDevice device;
    const fs::path link = ProgramFolder() / "Dayvane";
    EXPECT_EQ(LinkLauncher("/usr/bin/dayvane-old"), "");
    EXPECT_EQ(fs::read_symlink(link), fs::path("/usr/bin/dayvane-old"));
    EXPECT_EQ(LinkLauncher("/usr/bin/dayvane"), "");
    EXPECT_EQ(fs::read_symlink(link), fs::path("/usr/bin/dayvane"));

    fs::remove(link);
    WriteWholeFile(link, "user's own file");
    EXPECT_NE(LinkLauncher("/usr/bin/dayvane"), "");
    EXPECT_EQ(ReadWholeFile(link), "user's own file");
    EXPECT_EQ(std::distance(fs::directory_iterator(ProgramFolder()), fs::directory_iterator()), 1);
}
