// Several dayvane-cli processes writing anniversary.dat at once, some of them
// killed in the middle of a save: every change they confirmed must be there.
#include <gtest/gtest.h>

#include <sched.h>
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <thread>

#include "calendar/AnniversaryEdits.h"
#include "calendar/AnniversaryFile.h"
#include "tests/tools/CliRunner.h"

namespace {

constexpr int kWriters = 3;
constexpr int kAddsPerWriter = 200;

std::string Folder(const CliRunner& cli) { return (cli.Device() / "Dayvane").string(); }

// Every name in the file, with how often it occurs; the file must read cleanly.
std::map<std::string, int> StoredNames(const CliRunner& cli)
{
    AnniversaryList list;
    EXPECT_EQ(LoadAnniversaries(list, Folder(cli)), 1);
    EXPECT_EQ(list.SkippedLines(), 0u);
    std::map<std::string, int> names;
    for (size_t i = 0; i < list.Count(); ++i) ++names[list.At(i).name];
    return names;
}

std::string Name(int writer, int i) { return "w" + std::to_string(writer) + "-" + std::to_string(i); }

CliResult Add(const CliRunner& cli, const std::string& name)
{
    return cli.Run({"anniv", "add", "--name", name, "--date", "05-05"});
}

// The record's index as a script would take it from `anniv list`, then the
// change guarded by --if-name; retried when another process shifted the list
// in between, as a script would.
bool ChangeByName(const CliRunner& cli, const std::string& name, std::vector<std::string> change)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        AnniversaryList list;
        if (LoadAnniversaries(list, Folder(cli)) == 0) return false;
        size_t index = 0;
        while (index < list.Count() && list.At(index).name != name) ++index;
        if (index == list.Count()) return false;
        std::vector<std::string> args = {"anniv", change[0], std::to_string(index), "--if-name", name};
        args.insert(args.end(), change.begin() + 1, change.end());
        const CliResult r = cli.Run(args);
        if (r.exitCode == 0) return true;
        if (r.err.find(kAnniversaryChangedElsewhere) == std::string::npos) {
            ADD_FAILURE() << r.err;
            return false;
        }
    }
    return false;
}

TEST(CliAnniversaryConcurrency, AddsEditsAndDeletesFromSeveralProcessesAreAllKept)
{
    CliRunner cli;
    ASSERT_EQ(cli.Run({"anniv", "list"}).exitCode, 0);
    const std::map<std::string, int> holidays = StoredNames(cli);

    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&cli, w] {
            for (int i = 0; i < kAddsPerWriter; ++i) {
                const CliResult r = Add(cli, Name(w, i));
                EXPECT_EQ(r.exitCode, 0) << r.err;
            }
        });
    }
    for (std::thread& t : writers) t.join();
    std::map<std::string, int> expected = holidays;
    for (int w = 0; w < kWriters; ++w) {
        for (int i = 0; i < kAddsPerWriter; ++i) expected[Name(w, i)] = 1;
    }
    ASSERT_EQ(StoredNames(cli), expected);

    // Now one process renames, one deletes and one adds, all at once.
    constexpr int kChanges = 60;
    writers.clear();
    writers.emplace_back([&cli] {
        for (int i = 0; i < kChanges; ++i) EXPECT_TRUE(ChangeByName(cli, Name(0, i), {"edit", "--name", Name(0, i) + "+"}));
    });
    writers.emplace_back([&cli] {
        for (int i = 0; i < kChanges; ++i) EXPECT_TRUE(ChangeByName(cli, Name(1, i), {"rm"}));
    });
    writers.emplace_back([&cli] {
        for (int i = 0; i < kChanges; ++i) EXPECT_EQ(Add(cli, Name(2, kAddsPerWriter + i)).exitCode, 0);
    });
    for (std::thread& t : writers) t.join();
    for (int i = 0; i < kChanges; ++i) {
        expected.erase(Name(0, i));
        expected[Name(0, i) + "+"] = 1;
        expected.erase(Name(1, i));
        expected[Name(2, kAddsPerWriter + i)] = 1;
    }
    EXPECT_EQ(StoredNames(cli), expected);
}

// Waits until the process has its temporary file open, or has ended.
void AwaitSaveInProgress(const std::filesystem::path& folder, int pid)
{
    const std::string marker = std::string(kAnniversaryTempName) + "." + std::to_string(pid) + ".";
    for (;;) {
        // A process that ended is a zombie until waited for: still there for
        // kill(0), so look at its state instead.
        siginfo_t info{};
        if (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid != 0)
            return;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            if (entry.path().filename().string().starts_with(marker)) return;
        }
        sched_yield();
    }
}

TEST(CliAnniversaryConcurrency, SavesKilledAtRandomMomentsLoseNoConfirmedRecord)
{
    CliRunner cli;
    ASSERT_EQ(cli.Run({"anniv", "list"}).exitCode, 0);
    std::set<std::string> confirmed;
    std::mutex confirmedLock;

    std::thread steady([&] {
        for (int i = 0; i < 100; ++i) {
            const std::string name = "steady-" + std::to_string(i);
            if (Add(cli, name).exitCode == 0) {
                std::lock_guard<std::mutex> hold(confirmedLock);
                confirmed.insert(name);
            }
        }
    });

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    int killedMidSave = 0;
    for (int k = 0; k < 60; ++k) {
        const std::string name = "killed-" + std::to_string(k);
        const int pid = cli.Spawn({"anniv", "add", "--name", name, "--date", "05-05"});
        if (random() % 2 == 0) {
            AwaitSaveInProgress(Folder(cli), pid);
            ++killedMidSave;
        } else {
            for (unsigned spin = random() % 20000; spin > 0; --spin) sched_yield();
        }
        ::kill(pid, SIGKILL);
        if (CliRunner::Wait(pid) == 0) {
            std::lock_guard<std::mutex> hold(confirmedLock);
            confirmed.insert(name);
        }
    }
    steady.join();
    EXPECT_GT(killedMidSave, 0);

    const std::map<std::string, int> stored = StoredNames(cli);
    for (const std::string& name : confirmed) EXPECT_EQ(stored.count(name), 1u) << name;
    for (const auto& [name, count] : stored) EXPECT_EQ(count, 1) << name;
    // The next save clears what killed writers left behind.
    ASSERT_EQ(Add(cli, "after").exitCode, 0);
    for (const auto& entry : std::filesystem::directory_iterator(Folder(cli))) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(kAnniversaryTempName)) << entry.path();
    }
}

}  // namespace
