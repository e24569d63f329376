#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>

#include "platform/registry/PlatformRegistry.h"
#include "platform/registry/RegistryFile.h"
#include "tests/platform/device/TempDevice.h"

namespace fs = std::filesystem;

namespace {

LONG CreateAndClose(HKEY root, const char* path)
{
    HKEY key = nullptr;
    LONG rc = RegCreateKeyEx(root, path, 0, nullptr, 0, 0, nullptr, &key, nullptr);
    if (key != nullptr) RegCloseKey(key);
    return rc;
}

LONG SetDword(HKEY key, const char* name, DWORD value)
{
    return RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void MakeForeignDatabase(const fs::path& file)
{
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("CREATE TABLE contacts(name TEXT); INSERT INTO contacts VALUES ('kim')");
}

void MakeNewerRegistry(const fs::path& file)
{
    ASSERT_EQ(CreateAndClose(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dayvane"), ERROR_SUCCESS);
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
    db.exec("PRAGMA user_version = 2");
}

} // namespace

TEST(RegistryFile, DamagedForeignOrNewerFilesAreNeverChanged)
{
    struct Case {
        const char* what;
        void (*make)(const fs::path&);
        RegistryFileState state;
    };
    const Case cases[] = {
        {"garbage", [](const fs::path& f) { WriteWholeFile(f, std::string(5000, 'x')); }, RegistryFileState::NotADatabase},
        {"truncated header", [](const fs::path& f) { WriteWholeFile(f, "SQLite format 3"); }, RegistryFileState::NotADatabase},
        {"foreign", MakeForeignDatabase, RegistryFileState::ForeignSchema},
        {"newer", MakeNewerRegistry, RegistryFileState::NewerVersion},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDevice device;
        const fs::path file = RegistryFile();
        c.make(file);
        const std::string before = ReadWholeFile(file);

        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dayvane", 0, nullptr, 0, 0, nullptr, &key, nullptr),
                  ERROR_BADDB);
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, 0, &key), ERROR_BADDB);
        EXPECT_EQ(SetDword(HKEY_LOCAL_MACHINE, "x", 1), ERROR_BADDB);
        EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE"), ERROR_BADDB);
        EXPECT_EQ(key, nullptr);

        RegistryFileReport report = InspectRegistryFile(file);
        EXPECT_EQ(report.state, c.state) << report.detail;
        EXPECT_NE(report.detail.find("left as it is"), std::string::npos) << report.detail;
        EXPECT_EQ(ReadWholeFile(file), before);
        EXPECT_FALSE(fs::exists(file.string() + "-journal"));
    }
}

TEST(RegistryFile, OnlyWritesCreateTheFile)
{
    {
        TempDevice device;
        const fs::path file = RegistryFile();
        HKEY key = nullptr;
        DWORD size = 0;
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, 0, &key), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(RegQueryValueEx(HKEY_LOCAL_MACHINE, "x", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(RegDeleteValue(HKEY_LOCAL_MACHINE, "x"), ERROR_FILE_NOT_FOUND);
        EXPECT_FALSE(fs::exists(file));
        EXPECT_EQ(InspectRegistryFile(file).state, RegistryFileState::Missing);

        EXPECT_EQ(CreateAndClose(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dayvane"), ERROR_SUCCESS);
        EXPECT_EQ(InspectRegistryFile(file).state, RegistryFileState::Ready);
        SQLite::Database db(file.string(), SQLite::OPEN_READONLY);
        EXPECT_EQ(db.execAndGet("PRAGMA journal_mode").getString(), "wal");
    }
    {
        // An empty file (a crash right after creating it) is set up, not refused.
        TempDevice device;
        WriteWholeFile(RegistryFile(), "");
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, 0, &key), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(fs::file_size(RegistryFile()), 0u);
        EXPECT_EQ(CreateAndClose(HKEY_LOCAL_MACHINE, "SOFTWARE"), ERROR_SUCCESS);
        EXPECT_EQ(InspectRegistryFile(RegistryFile()).state, RegistryFileState::Ready);
    }
}
