// dayvane-cli sync between device directories through a real Radicale, with
// the store's own iCalendar layer.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <sched.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "tests/sync/FaultServer.h"
#include "tests/sync/RadicaleServer.h"
#include "tests/tools/CliRunner.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    // Without the first column: Oids differ between devices.
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(line.find('\t') + 1));
    std::sort(lines.begin(), lines.end());
    return lines;
}

struct CliDevice {
    CliRunner cli;

    void Setup(const std::string& url)
    {
        const CliResult r = cli.Run({"sync", "setup", url, "--user", RadicaleServer::kUser, "--password-command",
                                     RadicaleServer::PasswordCommand()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    CliResult Sync() const { return cli.Run({"sync", "--quiet"}); }
    void Add(const std::string& subject, const std::string& day) const
    {
        ASSERT_EQ(cli.Run({"add", "appt", "--subject", subject, "--start", day + " 09:00", "--end", day + " 10:00"}).exitCode, 0);
    }
    std::vector<std::string> List() const
    {
        return Lines(cli.Run({"list", "--from", "2026-01-01", "--to", "2027-12-31"}).out);
    }
};

TEST(SyncCli, SetupReportsTheCollectionAndDevicesConverge)
{
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    const std::string url = server.MakeCalendar("cal");
    CliDevice a, b;
    const CliResult setup = a.cli.Run({"sync", "setup", url, "--user", "kim", "--password-command", "echo secret"});
    ASSERT_EQ(setup.exitCode, 0) << setup.err;
    EXPECT_NE(setup.out.find("동기화 토큰: 있음"), std::string::npos) << setup.out;
    b.Setup(url);

    a.Add("회의", "2026-12-09");
    a.Add("점심", "2026-12-10");
    CliResult r = a.cli.Run({"sync"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("보냄 2"), std::string::npos) << r.out;
    ASSERT_EQ(b.Sync().exitCode, 0);
    EXPECT_EQ(b.List(), a.List());
    EXPECT_EQ(b.List().size(), 2u);

    b.Add("저녁", "2026-12-11");
    ASSERT_EQ(b.Sync().exitCode, 0);
    ASSERT_EQ(a.Sync().exitCode, 0);
    EXPECT_EQ(a.List(), b.List());
    EXPECT_EQ(a.List().size(), 3u);
}

TEST(SyncCli, WrongCredentialsFailWithReason)
{
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    const std::string url = server.MakeCalendar("cal");
    CliDevice a;
    a.Setup(url);
    ASSERT_EQ(a.cli.Run({"reg", "set", "SyncPasswordCommand", "echo wrong", "--type", "sz"}).exitCode, 0);
    const CliResult r = a.cli.Run({"sync"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("암호가 맞지 않습니다"), std::string::npos) << r.err;
}

// Against a failing server the run ends with a non-zero exit and one clear
// reason, and nothing from the reply is stored; the reply cap is the
// registry's value.
TEST(SyncCli, FailingServerExitsNonZeroWithReason)
{
    struct Case {
        const char* mode;
        const char* reason;
    };
    for (const Case& c : {Case{"500", "HTTP 500"}, Case{"huge", "너무 커서"}, Case{"badxml", "읽을 수 없습니다"}}) {
        FaultServer server(c.mode);
        ASSERT_FALSE(server.Url().empty()) << c.mode;
        CliDevice a;
        for (const std::vector<std::string>& value :
             {std::vector<std::string>{"SyncUrl", server.Url(), "--type", "sz"},
              {"SyncUser", RadicaleServer::kUser, "--type", "sz"},
              {"SyncPasswordCommand", RadicaleServer::PasswordCommand(), "--type", "sz"},
              {"SyncMaxReply", std::to_string(1 << 20), "--type", "dword"}}) {
            std::vector<std::string> args{"reg", "set"};
            args.insert(args.end(), value.begin(), value.end());
            ASSERT_EQ(a.cli.Run(args).exitCode, 0);
        }
        const CliResult r = a.cli.Run({"sync", "--quiet"});
        EXPECT_NE(r.exitCode, 0) << c.mode;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.mode << ": " << r.err;
        EXPECT_TRUE(a.List().empty()) << c.mode;
    }
}

// Killed at any moment, a run loses nothing and duplicates nothing: every
// run after it converges to the same set on the server and on a second device.
TEST(SyncCli, KilledRunsNeverLoseOrDuplicate)
{
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    const std::string url = server.MakeCalendar("cal");
    CliDevice a, b;
    a.Setup(url);
    b.Setup(url);
    std::mt19937 random(7);
    int added = 0;
    for (int run = 0; run < 100; ++run) {
        a.Add("항목 " + std::to_string(added++), "2026-12-" + std::to_string(10 + run % 15));
        // Kill the run after a random number of yields, unless it ended first.
        const pid_t pid = a.cli.Spawn({"sync", "--quiet"});
        const long yields = static_cast<long>(random() % 400000);
        int status = 0;
        pid_t ended = 0;
        for (long i = 0; i < yields && (ended = ::waitpid(pid, &status, WNOHANG)) == 0; ++i) sched_yield();
        if (ended == 0) {
            ::kill(pid, SIGKILL);
            CliRunner::Wait(pid);
        }
    }
    CliResult r = a.Sync();
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(b.Sync().exitCode, 0);
    const auto onA = a.List();
    EXPECT_EQ(onA.size(), static_cast<size_t>(added));
    EXPECT_EQ(b.List(), onA);
}

} // namespace
