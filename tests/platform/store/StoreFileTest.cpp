#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SQLiteCpp/Database.h>

#include <cstdlib>

#include "platform/store/PimDatabase.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/PoomItems.h"
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

// Whether another process sees this one's read lock on the store: SQLite's
// shared-lock bytes lie past the first gigabyte of the file.
bool OthersSeeOurReadLock(const std::filesystem::path& file)
{
    const pid_t child = fork();
    if (child == 0) {
        const int fd = open(file.c_str(), O_RDWR);
        struct flock probe {};
        probe.l_type = F_WRLCK;
        probe.l_whence = SEEK_SET;
        probe.l_start = 0x40000002;
        probe.l_len = 510;
        _exit(fd >= 0 && fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int CountAppointments(PoomApplication& app)
{
    auto items = app.GetDefaultFolder(olFolderCalendar)->Items();
    const int count = items->Count();
    return items->LastError().empty() ? count : -1;
}

// A store of many appointments whose last item page is overwritten with noise.
void MakeDamagedStore(const std::filesystem::path& file)
{
    {
        PoomApplication app;
        ASSERT_TRUE(app.Logon(file)) << app.LastError();
        auto batch = app.BeginBatch();
        for (int i = 0; i < 200; ++i) {
            auto item = app.CreateItem(olAppointmentItem);
            item->SetSubject(std::string(300, char('a' + i % 26)));
            item->AsAppointment()->SetStart(Ole(2024, 1, 1 + i % 28, 9));
            item->AsAppointment()->SetDuration(30);
            ASSERT_TRUE(item->Save()) << item->LastError();
        }
        ASSERT_TRUE(batch->Commit());
    }
    int page = 0, pageSize = 0;
    {
        SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
        page = db.execAndGet("SELECT max(pageno) FROM dbstat WHERE name = 'items'").getInt();
        pageSize = db.execAndGet("PRAGMA page_size").getInt();
    }
    ASSERT_GT(page, 2);
    // Every connection is closed and the log is back in the file.
    ASSERT_FALSE(std::filesystem::exists(file.string() + "-wal"));
    std::string bytes = ReadBytes(file);
    for (int i = 0; i < pageSize; ++i) bytes[size_t(page - 1) * pageSize + i] = char(0xA5);
    WriteBytes(file, bytes);
}

} // namespace

TEST(StoreFile, OpeningMoreConnectionsKeepsTheLocksOfTheFirst)
{
    // Losing them lets another process take the store for unused and delete
    // the write-ahead log under this one.
    TempStore store;
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
    ASSERT_EQ(CountAppointments(app), 0);
    ASSERT_TRUE(OthersSeeOurReadLock(store.File()));

    EXPECT_EQ(InspectStoreFile(store.File()), StoreFileState::Ready);
    EXPECT_TRUE(OthersSeeOurReadLock(store.File()));
    PoomApplication second;
    ASSERT_TRUE(second.Logon(store.File()));
    CEGUID volume;
    ASSERT_TRUE(CeMountDBVolEx(&volume, store.File(), OPEN_EXISTING));
    CeUnmountDBVol(&volume);
    second.Logoff();
    EXPECT_TRUE(OthersSeeOurReadLock(store.File()));
}

TEST(StoreFile, OnceDamageIsKnownNothingIsWritten)
{
    setenv("DAYVANE_NOW", "2024-01-10T12:00:00", 1);
    TempStore store;
    MakeDamagedStore(store.File());
    const std::string damaged = ReadBytes(store.File());
    auto refused = [&](PoomApplication& app) {
        auto item = app.CreateItem(olAppointmentItem);
        item->AsAppointment()->SetStart(Ole(2024, 1, 10, 9));
        const bool saved = item->Save();
        EXPECT_NE(item->LastError().find("손상"), std::string::npos) << item->LastError();
        return !saved;
    };
    {
        // Checked earlier today, so only the damaged read tells.
        PoomApplication app;
        ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
        EXPECT_EQ(CountAppointments(app), -1);
        EXPECT_TRUE(refused(app));
    }
    EXPECT_TRUE(ReadBytes(store.File()) == damaged);
    {
        // A day later the first write checks the whole file first.
        setenv("DAYVANE_NOW", "2024-01-11T12:00:00", 1);
        PoomApplication app;
        ASSERT_TRUE(app.Logon(store.File())) << app.LastError();
        EXPECT_TRUE(refused(app));
        EXPECT_TRUE(refused(app));
    }
    EXPECT_TRUE(ReadBytes(store.File()) == damaged);

    // The check runs once a day, not before every write.
    TempStore healthy;
    {
        PoomApplication app;
        ASSERT_TRUE(app.Logon(healthy.File()));
        auto item = app.CreateItem(olAppointmentItem);
        ASSERT_TRUE(item->Save());
    }
    SQLite::Database db(healthy.File().string(), SQLite::OPEN_READONLY);
    EXPECT_DOUBLE_EQ(db.execAndGet("SELECT checked FROM store_checks").getDouble(), Ole(2024, 1, 11, 12));
    unsetenv("DAYVANE_NOW");
}

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
