#include <gtest/gtest.h>

#include "settings/CRegistry.h"
#include "settings/ChangeFlags.h"
#include "settings/SettingsKeys.h"
#include "tests/platform/device/TempDevice.h"

namespace {

const char* const kKey = kSettingsKey;

std::vector<BYTE> StoredBytes(const char* name, DWORD& type)
{
    HKEY key = nullptr;
    std::vector<BYTE> data(64);
    DWORD size = static_cast<DWORD>(data.size());
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, 0, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueEx(key, name, nullptr, &type, data.data(), &size), ERROR_SUCCESS);
    RegCloseKey(key);
    data.resize(size);
    return data;
}

void SetRaw(const char* name, DWORD type, std::vector<BYTE> data)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())), ERROR_SUCCESS);
    RegCloseKey(key);
}

} // namespace

TEST(CRegistry, IntsAreDwordsAndAValueOfAnotherSizeGivesTheDefault)
{
    TempDevice device;
    const CRegistry reg;
    EXPECT_EQ(reg.GetInt(HKEY_LOCAL_MACHINE, kKey, "n", 42), 42);
    // Reads open with create semantics: the key now exists.
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, 0, &key), ERROR_SUCCESS);
    RegCloseKey(key);

    EXPECT_TRUE(reg.SetInt(HKEY_LOCAL_MACHINE, kKey, "n", -2));
    EXPECT_EQ(reg.GetInt(HKEY_LOCAL_MACHINE, kKey, "n", 0), -2);
    DWORD type = 0;
    EXPECT_EQ(StoredBytes("n", type), (std::vector<BYTE>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(type, REG_DWORD);

    EXPECT_TRUE(reg.SetString(HKEY_LOCAL_MACHINE, kKey, "s", "12"));
    EXPECT_EQ(reg.GetInt(HKEY_LOCAL_MACHINE, kKey, "s", 7), 7);
    SetRaw("wide", REG_BINARY, {0x05, 0, 0, 0, 0x01, 0, 0, 0});
    EXPECT_EQ(reg.GetInt(HKEY_LOCAL_MACHINE, kKey, "wide", 7), 7);
    SetRaw("short", REG_BINARY, {0x34, 0x12});
    EXPECT_EQ(reg.GetInt(HKEY_LOCAL_MACHINE, kKey, "short", 7), 7);
    SetRaw("empty", REG_DWORD, {});
    EXPECT_EQ(reg.GetInt(HKEY_LOCAL_MACHINE, kKey, "empty", 7), 7);
    // The type is not looked at: four bytes of any type are a number.
    SetRaw("four", REG_BINARY, {0x34, 0x12, 0, 0});
    EXPECT_EQ(reg.GetInt(HKEY_LOCAL_MACHINE, kKey, "four", 0), 0x1234);
}

TEST(CRegistry, StringsAreUtf16AndANullTextDeletes)
{
    TempDevice device;
    const CRegistry reg;
    EXPECT_EQ(reg.GetString(HKEY_LOCAL_MACHINE, kKey, "s", "seoul"), "seoul");
    EXPECT_EQ(reg.GetString(HKEY_LOCAL_MACHINE, kKey, "s", nullptr), "");

    EXPECT_TRUE(reg.SetString(HKEY_LOCAL_MACHINE, kKey, "s", "나눔고딕 A"));
    EXPECT_EQ(reg.GetString(HKEY_LOCAL_MACHINE, kKey, "s", ""), "나눔고딕 A");
    DWORD type = 0;
    EXPECT_EQ(StoredBytes("s", type).size(), (6u + 1u) * 2u);
    EXPECT_EQ(type, REG_SZ);

    EXPECT_TRUE(reg.SetString(HKEY_LOCAL_MACHINE, kKey, "s", nullptr));
    EXPECT_EQ(reg.GetString(HKEY_LOCAL_MACHINE, kKey, "s", "gone"), "gone");
    EXPECT_FALSE(reg.SetString(HKEY_LOCAL_MACHINE, kKey, "s", nullptr));  // nothing left to delete

    // Nothing is stored for text that is not UTF-8, and a number is not text.
    EXPECT_FALSE(reg.SetString(HKEY_LOCAL_MACHINE, kKey, "bad", "\xC0\x80"));
    EXPECT_EQ(reg.GetString(HKEY_LOCAL_MACHINE, kKey, "bad", "none"), "none");
    reg.SetInt(HKEY_LOCAL_MACHINE, kKey, "n", 0x41);
    EXPECT_EQ(reg.GetString(HKEY_LOCAL_MACHINE, kKey, "n", "dflt"), "dflt");

    // Text another writer left without a terminator still reads.
    SetRaw("raw", REG_SZ, {'o', 0, 'k', 0});
    EXPECT_EQ(reg.GetString(HKEY_LOCAL_MACHINE, kKey, "raw", ""), "ok");
}

TEST(RegistrySnapshot, ReadsEachValueAsCRegistryDoes)
{
    TempDevice device;
    const CRegistry reg;
    reg.SetInt(HKEY_LOCAL_MACHINE, kKey, "Interval", 15);
    reg.SetString(HKEY_LOCAL_MACHINE, kKey, "Url", "https://달력.example/kim/");
    SetRaw("Wide", REG_BINARY, {0x05, 0, 0, 0, 0x01, 0, 0, 0});
    SetRaw("Raw", REG_SZ, {'o', 0, 'k', 0});

    const RegistrySnapshot snapshot(HKEY_LOCAL_MACHINE, kKey);
    reg.SetInt(HKEY_LOCAL_MACHINE, kKey, "Interval", 30);  // later writes are not seen
    EXPECT_EQ(snapshot.GetInt("interval", 0), 15);        // names ignore case, as the registry's do
    EXPECT_EQ(snapshot.GetString("Url", ""), "https://달력.example/kim/");
    EXPECT_EQ(snapshot.GetString("Raw", ""), "ok");
    EXPECT_EQ(snapshot.GetInt("Wide", 7), 7);
    EXPECT_EQ(snapshot.GetInt("Url", 7), 7);
    EXPECT_EQ(snapshot.GetString("Interval", "text"), "text");
    EXPECT_EQ(snapshot.GetString("Missing", nullptr), "");
    EXPECT_EQ(RegistrySnapshot(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nobody").GetInt("Interval", -1), -1);
}

TEST(ChangeFlags, RaisedByTheApplicationTakenOnceByTheTodayItem)
{
    TempDevice device;
    EXPECT_FALSE(TakeChangeFlag(SettingName::kTodayEventChanged));
    RaiseChangeFlag(SettingName::kTodayEventChanged);
    EXPECT_FALSE(TakeChangeFlag(SettingName::kTodayTaskChanged));
    EXPECT_TRUE(TakeChangeFlag(SettingName::kTodayEventChanged));
    EXPECT_FALSE(TakeChangeFlag(SettingName::kTodayEventChanged));
    EXPECT_EQ(CRegistry().GetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayEventChanged, -1), 0);
}
