// Runs dayvane-cli as its own process on a throw-away device directory.
#pragma once

#include <filesystem>
#include <map>
#include <sys/types.h>
#include <string>
#include <vector>

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A dayvane-cli left running: its standard output is readable from `out`.
struct CliProcess {
    pid_t pid = -1;
    int out = -1;
};

class CliRunner {
public:
    CliRunner();
    ~CliRunner();
    CliRunner(const CliRunner&) = delete;
    CliRunner& operator=(const CliRunner&) = delete;

    // The clock override every run sees (DAYVANE_NOW).
    void SetNow(const std::string& now) { m_now = now; }
    CliResult Run(const std::vector<std::string>& args) const;
    // Starts a run without waiting, its output discarded; Wait gives its exit code.
    pid_t Spawn(const std::vector<std::string>& args) const;
    static int Wait(pid_t pid);
    // Starts it without waiting, its standard output readable; its errors go
    // where the test's go.
    CliProcess Start(const std::vector<std::string>& args) const;
    std::filesystem::path Device() const { return m_root / "device"; }

private:
    // `out` and `err` become the run's standard output and error; -1 discards.
    pid_t Launch(const std::vector<std::string>& args, int out, int err) const;

    std::filesystem::path m_root;
    std::string m_now = "2026-12-08T09:00:00";
};
