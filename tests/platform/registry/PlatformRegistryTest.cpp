#include <gtest/gtest.h>

#include "platform/registry/PlatformRegistry.h"
#include "platform/registry/RegistryText.h"
#include "tests/platform/device/TempDevice.h"

namespace {

HKEY CreateKey(HKEY root, const char* path, DWORD* disposition = nullptr)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, disposition), ERROR_SUCCESS);
    return key;
}

LONG SetDword(HKEY key, const char* name, DWORD value)
{
    return RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

} // namespace

TEST(PlatformRegistry, KeysAreCreatedOnTheWayAndFoundWithoutRegardToCase)
{
    TempDevice device;
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dayvane", 0, 0, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);

    DWORD disposition = 0;
    key = CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dayvane", &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_EQ(SetDword(key, "24hour", 1), ERROR_SUCCESS);
    RegCloseKey(key);

    key = CreateKey(HKEY_LOCAL_MACHINE, "software\\DAYVANE", &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    DWORD value = 0, size = sizeof value, type = 0;
    EXPECT_EQ(RegQueryValueEx(key, "24HOUR", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(value, 1u);
    RegCloseKey(key);

    // The same path under another root is another key.
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "SOFTWARE\\Dayvane", 0, 0, &key), ERROR_FILE_NOT_FOUND);

    for (const char* bad : {"\\SOFTWARE", "SOFTWARE\\\\Dayvane", "SOFTWARE\\", "bad\xff"})
        EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, bad, 0, nullptr, 0, 0, nullptr, &key, nullptr),
                  ERROR_BAD_PATHNAME) << bad;
    EXPECT_EQ(RegCreateKeyEx(nullptr, "a", 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_INVALID_HANDLE);
}

TEST(PlatformRegistry, QueryReportsSizeAndRefusesShortBuffers)
{
    TempDevice device;
    HKEY key = CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dayvane");
    const std::vector<BYTE> text = *EncodeRegSz("주간");
    ASSERT_EQ(RegSetValueEx(key, "WeekFontName", 0, REG_SZ, text.data(), static_cast<DWORD>(text.size())), ERROR_SUCCESS);

    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "WeekFontName", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 6u);  // two syllables and the terminator, UTF-16

    std::vector<BYTE> buffer(size - 1, 0xEE);
    DWORD small = size - 1;
    EXPECT_EQ(RegQueryValueEx(key, "WeekFontName", nullptr, nullptr, buffer.data(), &small), ERROR_MORE_DATA);
    EXPECT_EQ(small, size);

    buffer.assign(16, 0xEE);
    DWORD large = 16;
    EXPECT_EQ(RegQueryValueEx(key, "WeekFontName", nullptr, nullptr, buffer.data(), &large), ERROR_SUCCESS);
    EXPECT_EQ(large, size);
    EXPECT_EQ(DecodeRegSz(buffer.data(), large), "주간");

    EXPECT_EQ(RegQueryValueEx(key, "Missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueEx(key, "WeekFontName", nullptr, nullptr, buffer.data(), nullptr), ERROR_INVALID_PARAMETER);

    // Rewriting under another case keeps the first spelling and takes the new type.
    EXPECT_EQ(SetDword(key, "WEEKFONTNAME", 7), ERROR_SUCCESS);
    std::vector<RegistryValue> values;
    EXPECT_EQ(RegListValues(key, values), ERROR_SUCCESS);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "WeekFontName");
    EXPECT_EQ(values[0].type, REG_DWORD);
    EXPECT_EQ(FormatRegistryData(values[0].type, values[0].data), "7");
    RegCloseKey(key);
}

TEST(PlatformRegistry, EnumerationFollowsCreationOrder)
{
    TempDevice device;
    HKEY key = CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Today\\Items");
    for (const char* item : {"Vanecal", "Vanetask", "Clock"}) RegCloseKey(CreateKey(key, item));
    for (const char* name : {"zeta", "alpha", "mid"}) SetDword(key, name, 1);
    SetDword(key, "zeta", 2);  // an update does not move it

    std::vector<std::string> keys;
    EXPECT_EQ(RegListSubKeys(key, keys), ERROR_SUCCESS);
    EXPECT_EQ(keys, (std::vector<std::string>{"Vanecal", "Vanetask", "Clock"}));
    char name[16];
    DWORD length = sizeof name, value = 0, size = sizeof value;
    EXPECT_EQ(RegEnumValue(key, 1, name, &length, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
    EXPECT_EQ(std::string(name, length), "alpha");
    length = 3;
    EXPECT_EQ(RegEnumValue(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    EXPECT_EQ(length, 5u);
    length = sizeof name;
    EXPECT_EQ(RegEnumValue(key, 3, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(RegEnumKeyEx(key, 3, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    RegCloseKey(key);
}

TEST(PlatformRegistry, DeletingValuesAndKeyTrees)
{
    TempDevice device;
    HKEY items = CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Today\\Items");
    HKEY vanecal = CreateKey(items, "Vanecal\\Options");
    SetDword(vanecal, "Flags", 3);
    SetDword(items, "Keep", 1);

    EXPECT_EQ(RegDeleteValue(items, "keep"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(items, "keep"), ERROR_FILE_NOT_FOUND);

    EXPECT_EQ(RegDeleteKey(items, "VANECAL"), ERROR_SUCCESS);
    HKEY gone = nullptr;
    EXPECT_EQ(RegOpenKeyEx(items, "Vanecal\\Options", 0, 0, &gone), ERROR_FILE_NOT_FOUND);
    // A handle still open on a deleted key fails instead of writing into nowhere.
    EXPECT_EQ(SetDword(vanecal, "Flags", 4), ERROR_KEY_DELETED);
    HKEY below = nullptr;
    EXPECT_EQ(RegCreateKeyEx(vanecal, "Child", 0, nullptr, 0, 0, nullptr, &below, nullptr), ERROR_KEY_DELETED);

    // Recreated, the key starts empty.
    HKEY again = CreateKey(items, "Vanecal\\Options");
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(again, "Flags", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, ""), ERROR_ACCESS_DENIED);
    for (HKEY key : {again, vanecal, items}) RegCloseKey(key);
}
