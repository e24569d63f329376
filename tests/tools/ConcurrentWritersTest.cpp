// Three processes committing at once while `dayvane-cli watch` and a
// notification request of this process listen: every change is announced, the
// store stays whole, and no write-ahead log is deleted under a live connection.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SQLiteCpp/Database.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/store/PimDatabase.h"
#include "platform/store/PoomApplication.h"
#include "tests/platform/store/StoreTestSupport.h"
#include "tests/tools/CliRunner.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int kWriters = 3;
constexpr int kCommitsEach = 1000;
constexpr int kCommits = kWriters * kCommitsEach;

// Open descriptors of `pid` that point at a -wal or -shm file deleted meanwhile.
std::vector<std::string> DeletedLogsHeldBy(pid_t pid)
{
    std::vector<std::string> held;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", ec)) {
        std::error_code linkError;
        const std::string target = fs::read_symlink(entry.path(), linkError).string();
        const bool log = target.find("-wal") != std::string::npos || target.find("-shm") != std::string::npos;
        if (log && target.ends_with(" (deleted)")) held.push_back(target);
    }
    return held;
}

// A writer that logs on afresh for every commit, as `add appt` in a loop does.
pid_t StartWriter(const fs::path& store, const std::string& prefix)
{
    std::vector<std::string> args = {STORE_WRITER, store.string(), "reopen", std::to_string(kCommitsEach), prefix};
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, STORE_WRITER, nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return pid;
}

// Lines the watcher printed so far; waits up to `limit` for more.
class LineReader {
public:
    explicit LineReader(int fd) : m_fd(fd) {}
    ~LineReader() { close(m_fd); }

    bool ReadFor(std::chrono::milliseconds limit)
    {
        pollfd p{m_fd, POLLIN, 0};
        if (poll(&p, 1, int(limit.count())) <= 0) return !m_ended;
        char buffer[8192];
        const ssize_t n = read(m_fd, buffer, sizeof buffer);
        if (n <= 0) {
            m_ended = true;
            return false;
        }
        for (ssize_t i = 0; i < n; ++i) {
            if (buffer[i] != '\n') {
                m_line += buffer[i];
                continue;
            }
            m_lines.push_back(m_line);
            m_line.clear();
        }
        return true;
    }
    const std::vector<std::string>& Lines() const { return m_lines; }
    bool Ended() const { return m_ended; }

private:
    int m_fd;
    bool m_ended = false;
    std::string m_line;
    std::vector<std::string> m_lines;
};

size_t Created(const std::vector<std::string>& lines)
{
    size_t n = 0;
    for (const std::string& line : lines) n += line.starts_with("0x401 ");
    return n;
}

size_t CreatedNotices(const std::vector<Notice>& notices)
{
    size_t n = 0;
    for (const Notice& notice : notices) n += notice.type == DB_CEOID_CREATED;
    return n;
}

} // namespace

TEST(ConcurrentWriters, EveryCommitIsAnnouncedAndNoLogIsDeletedUnderAReader)
{
    CliRunner cli;
    CliProcess watch = cli.Start({"watch", "--db", "appointments", "--count", std::to_string(kCommits)});
    ASSERT_GT(watch.pid, 0);
    LineReader watched(watch.out);
    // Its first line comes once it listens.
    while (watched.Lines().empty() && watched.ReadFor(std::chrono::seconds(10))) {
    }
    ASSERT_EQ(watched.Lines().size(), 1u);

    const fs::path store = cli.Device() / "pim.vol";
    PoomApplication app;
    ASSERT_TRUE(app.Logon(store)) << app.LastError();
    NoticeWindow window;
    CENOTIFYREQUEST request;
    request.hwnd = &window;
    request.dwFlags = CEDB_EXNOTIFICATION;
    CEGUID volume;
    ASSERT_TRUE(CeMountDBVolEx(&volume, store, OPEN_EXISTING));
    CEDBHANDLE db = CeOpenDatabaseInSession(&volume, kAppointmentsDatabase, CEDB_AUTOINCREMENT, &request);
    ASSERT_NE(db, kInvalidDbHandle);

    std::vector<pid_t> writers;
    for (int i = 0; i < kWriters; ++i) writers.push_back(StartWriter(store, "w" + std::to_string(i) + "-"));
    for (pid_t writer : writers) ASSERT_GT(writer, 0);

    // While they write: nobody here or in the watcher holds a deleted log.
    std::vector<std::string> deleted;
    size_t running = writers.size();
    while (running > 0) {
        window.WaitFor([](const std::vector<Notice>& n) { return CreatedNotices(n) >= size_t(kCommits); },
                       std::chrono::milliseconds(100));
        watched.ReadFor(std::chrono::milliseconds(0));
        for (pid_t pid : {getpid(), watch.pid})
            for (const std::string& link : DeletedLogsHeldBy(pid)) deleted.push_back(link);
        running = 0;
        for (pid_t& writer : writers) {
            if (writer <= 0) continue;
            int status = 0;
            if (waitpid(writer, &status, WNOHANG) == 0) {
                ++running;
                continue;
            }
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            writer = -1;
        }
    }

    const auto notices = window.WaitFor(
        [](const std::vector<Notice>& n) { return CreatedNotices(n) >= size_t(kCommits); }, std::chrono::seconds(10));
    EXPECT_EQ(CreatedNotices(notices), size_t(kCommits));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!watched.Ended() && std::chrono::steady_clock::now() < deadline)
        watched.ReadFor(std::chrono::milliseconds(100));
    EXPECT_EQ(Created(watched.Lines()), size_t(kCommits));
    for (pid_t pid : {getpid(), watch.pid})
        for (const std::string& link : DeletedLogsHeldBy(pid)) deleted.push_back(link);
    std::printf("announced: watch %zu, in process %zu of %d; deleted logs held %zu\n", Created(watched.Lines()),
                CreatedNotices(window.Notices()), kCommits, deleted.size());
    EXPECT_TRUE(deleted.empty()) << deleted.front();
    if (!watched.Ended()) kill(watch.pid, SIGKILL);
    waitpid(watch.pid, nullptr, 0);

    CeCloseDatabase(db);
    CeUnmountDBVol(&volume);
    app.Logoff();
    SQLite::Database check(store.string(), SQLite::OPEN_READONLY);
    EXPECT_EQ(check.execAndGet("PRAGMA integrity_check").getString(), "ok");
    EXPECT_EQ(check.execAndGet("SELECT count(*) FROM items").getInt(), kCommits);
}
