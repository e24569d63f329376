#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SQLiteCpp/Database.h>

#include <set>

#include "platform/store/PimDatabase.h"
#include "platform/store/PoomApplication.h"
#include "tests/platform/store/StoreTestSupport.h"

extern char** environ;

namespace {

pid_t Spawn(std::vector<std::string> args, int* output = nullptr)
{
    args.insert(args.begin(), STORE_WRITER);
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (output) {
        if (pipe(pipeFds) != 0) return -1;
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    }
    pid_t pid = -1;
    if (posix_spawn(&pid, STORE_WRITER, &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (output) {
        close(pipeFds[1]);
        *output = pipeFds[0];
    }
    return pid;
}

int ExitCode(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class NotifyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.Logon(store.File()));
        request.hwnd = &window;
        request.dwFlags = CEDB_EXNOTIFICATION;
        ASSERT_TRUE(CeMountDBVolEx(&volume, store.File(), OPEN_EXISTING));
        apptDb = CeOpenDatabaseInSession(&volume, kAppointmentsDatabase, CEDB_AUTOINCREMENT, &request);
        ASSERT_NE(apptDb, kInvalidDbHandle);
    }
    void TearDown() override
    {
        CeCloseDatabase(apptDb);
        CeUnmountDBVol(&volume);
    }

    static auto Count(size_t n)
    {
        return [n](const std::vector<Notice>& notices) { return notices.size() >= n; };
    }

    TempStore store;
    PoomApplication app;
    NoticeWindow window;
    CENOTIFYREQUEST request;
    CEGUID volume;
    CEDBHANDLE apptDb = kInvalidDbHandle;
};

} // namespace

TEST_F(NotifyTest, EveryChangeIsAnnouncedWithItsRecord)
{
    auto item = app.CreateItem(olAppointmentItem);
    ASSERT_TRUE(item->Save());
    const CEOID record = AppointmentRecordId(item->Oid());
    item->SetSubject("바뀜");
    ASSERT_TRUE(item->Save());
    auto task = app.CreateItem(olTaskItem);  // the task database was not asked for
    ASSERT_TRUE(task->Save());
    {
        // Another program writing with plain SQL is announced too.
        SQLite::Database shell(store.File().string(), SQLite::OPEN_READWRITE);
        shell.exec("UPDATE items SET subject = 'sqlite3' WHERE kind = 1");
    }
    ASSERT_TRUE(item->Delete());

    const auto notices = window.WaitFor(Count(4));
    ASSERT_EQ(notices.size(), 4u);
    const uint32_t expected[] = {DB_CEOID_CREATED, DB_CEOID_CHANGED, DB_CEOID_CHANGED, DB_CEOID_RECORD_DELETED};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(notices[i].message, kDbNotificationMessage);
        EXPECT_EQ(notices[i].type, expected[i]);
        EXPECT_EQ(notices[i].record, record);
    }

    // A closed database tells its window nothing more.
    CeCloseDatabase(apptDb);
    apptDb = CeOpenDatabaseInSession(&volume, kAppointmentsDatabase, 0, nullptr);
    auto later = app.CreateItem(olAppointmentItem);
    ASSERT_TRUE(later->Save());
    auto probe = CeOpenDatabaseInSession(&volume, kAppointmentsDatabase, 0, &request);
    auto last = app.CreateItem(olAppointmentItem);
    ASSERT_TRUE(last->Save());
    const auto after = window.WaitFor(Count(5));
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ(after[4].record, AppointmentRecordId(last->Oid()));
    CeCloseDatabase(probe);
}

TEST_F(NotifyTest, EachCommitOfAnotherProcessIsAnnounced)
{
    // One commit at a time, each waited for: a watcher that noticed only the
    // first change of another process would stop here.
    for (size_t i = 1; i <= 3; ++i) {
        const pid_t writer = Spawn({store.File().string(), "add", "1", "next"});
        ASSERT_GT(writer, 0);
        ASSERT_EQ(ExitCode(writer), 0);
        EXPECT_EQ(window.WaitFor(Count(i)).size(), i);
    }
}

TEST_F(NotifyTest, TheJournalStaysBoundedAndAReaderLeftBehindIsToldSo)
{
    {
        // More changes in one commit than the journal keeps.
        SQLite::Database shell(store.File().string(), SQLite::OPEN_READWRITE);
        shell.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60000) "
                   "INSERT INTO journal (kind, oid, event) SELECT 1, i, 1030 FROM n");
        EXPECT_EQ(shell.execAndGet("SELECT count(*) FROM journal").getInt(), 50000);
    }
    const auto notices = window.WaitFor(Count(50001));
    ASSERT_EQ(notices.size(), 50001u);
    EXPECT_EQ(notices[0].type, DB_CEOID_CHANGED);
    EXPECT_EQ(notices[0].record, 0u);  // something changed that the journal no longer names
    EXPECT_EQ(notices[1].record, AppointmentRecordId(10001));
    EXPECT_EQ(notices.back().record, AppointmentRecordId(60000));
}

TEST_F(NotifyTest, TwoProcessesAddingAtOnceLoseNothingAndEveryItemIsAnnounced)
{
    constexpr int kEach = 1000;
    const pid_t first = Spawn({store.File().string(), "add", std::to_string(kEach), "first"});
    const pid_t second = Spawn({store.File().string(), "add", std::to_string(kEach), "second"});
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_EQ(ExitCode(first), 0);
    EXPECT_EQ(ExitCode(second), 0);

    auto items = app.GetDefaultFolder(olFolderCalendar)->Items();
    ASSERT_EQ(items->Count(), 2 * kEach);
    std::set<CEOID> stored;
    for (int i = 1; i <= items->Count(); ++i) stored.insert(AppointmentRecordId(items->Item(i)->Oid()));

    const auto notices = window.WaitFor(Count(2 * kEach));
    std::set<CEOID> announced;
    for (const Notice& notice : notices)
        if (notice.type == DB_CEOID_CREATED) announced.insert(notice.record);
    EXPECT_EQ(announced, stored);
}

TEST_F(NotifyTest, AWriterKilledMidWriteLeavesAStoreThatOpensWhole)
{
    int output = -1;
    const pid_t writer = Spawn({store.File().string(), "churn"}, &output);
    ASSERT_GT(writer, 0);
    char line[16] = {};
    ASSERT_GT(read(output, line, sizeof line - 1), 0);  // it is busy writing now
    ASSERT_EQ(kill(writer, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(writer, &status, 0), writer);
    EXPECT_TRUE(WIFSIGNALED(status));
    close(output);

    PoomApplication after;
    ASSERT_TRUE(after.Logon(store.File())) << after.LastError();
    EXPECT_GE(after.GetDefaultFolder(olFolderCalendar)->Items()->Count(), 21);
    SQLite::Database db(store.File().string(), SQLite::OPEN_READWRITE);
    EXPECT_EQ(db.execAndGet("PRAGMA integrity_check").getString(), "ok");
}
