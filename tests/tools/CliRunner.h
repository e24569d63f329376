// Runs dayvane-cli as its own process on a throw-away device directory.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
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
    int Spawn(const std::vector<std::string>& args) const;
    static int Wait(int pid);
    std::filesystem::path Device() const { return m_root / "device"; }

private:
    int Start(const std::vector<std::string>& args, int out, int err) const;

    std::filesystem::path m_root;
    std::string m_now = "2026-12-08T09:00:00";
};
