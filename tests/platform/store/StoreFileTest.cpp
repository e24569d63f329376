#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>

#include "platform/store/PimDatabase.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/StoreConnection.h"
#include "tests/platform/store/StoreTestSupport.h"

namespace {

void MakeStore(const std::filesystem::path& file)
{
    PoomApplication app;
    ASSERT_TRUE(app.Logon(file)) << app.LastError();
    auto item = app.CreateItem(olAppointmentItem);
    item->SetSubject("회의");
    ASSERT_TRUE(item->Save());
}

// Neither face opens the file, and the file keeps every byte.
void ExpectRefusedAndUntouched(const std::filesystem::path& file)
{
    const std::string before = ReadBytes(file);
    PoomApplication app;
    EXPECT_FALSE(app.Logon(file));
    EXPECT_NE(app.LastError().find("그대로"), std::string::npos) << app.LastError();
    CEGUID volume;
    std::string error;
    EXPECT_FALSE(CeMountDBVolEx(&volume, file, OPEN_ALWAYS, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_FALSE(std::filesystem::exists(file.string() + "-wal"));
}

} // namespace

TEST(StoreFile, LogonCreatesTheStoreAndMountNeedsAnExistingOne)
{
    TempStore store;
    CEGUID volume;
    std::string error;
    EXPECT_FALSE(CeMountDBVolEx(&volume, store.File(), OPEN_EXISTING, &error));
    EXPECT_FALSE(std::filesystem::exists(store.File()));

    MakeStore(store.File());
    EXPECT_EQ(InspectStoreFile(store.File()), StoreFileState::Ready);
    ASSERT_TRUE(CeMountDBVolEx(&volume, store.File(), OPEN_EXISTING, &error)) << error;
    EXPECT_TRUE(CeUnmountDBVol(&volume));
}

TEST(StoreFile, EmptyFileIsSetUp)
{
    TempStore store;
    WriteBytes(store.File(), "");
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
    EXPECT_EQ(InspectStoreFile(store.File()), StoreFileState::Ready);
}

TEST(StoreFile, ForeignDamagedAndNewerFilesAreRefusedAndLeftAlone)
{
    TempStore text;
    WriteBytes(text.File(), "BEGIN:VCALENDAR\r\nthis is not a store\r\n");
    EXPECT_EQ(InspectStoreFile(text.File()), StoreFileState::NotADatabase);
    ExpectRefusedAndUntouched(text.File());

    TempStore foreign;
    {
        SQLite::Database db(foreign.File().string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("CREATE TABLE contacts(name TEXT); INSERT INTO contacts VALUES ('홍길동')");
    }
    EXPECT_EQ(InspectStoreFile(foreign.File()), StoreFileState::ForeignSchema);
    ExpectRefusedAndUntouched(foreign.File());

    TempStore newer;
    MakeStore(newer.File());
    {
        SQLite::Database db(newer.File().string(), SQLite::OPEN_READWRITE);
        db.exec("PRAGMA user_version = 99");
        db.exec("PRAGMA journal_mode = DELETE");
    }
    EXPECT_EQ(InspectStoreFile(newer.File()), StoreFileState::NewerVersion);
    ExpectRefusedAndUntouched(newer.File());

    TempStore damaged;
    MakeStore(damaged.File());
    {
        SQLite::Database db(damaged.File().string(), SQLite::OPEN_READWRITE);
        db.exec("PRAGMA journal_mode = DELETE");
    }
    std::string bytes = ReadBytes(damaged.File());
    ASSERT_GT(bytes.size(), 4096u);
    for (size_t i = 100; i < 4096; ++i) bytes[i] = char(0xA5);  // the schema page
    WriteBytes(damaged.File(), bytes);
    EXPECT_EQ(InspectStoreFile(damaged.File()), StoreFileState::NotADatabase);
    ExpectRefusedAndUntouched(damaged.File());
}
