// The sync configuration as the registry holds it under the application's key.
#pragma once

#include <cstdint>
#include <string>

struct SyncConfig {
    std::string url;               // appointments, and tasks unless tasksUrl is set
    std::string tasksUrl;
    std::string user;
    std::string passwordCommand;   // empty: netrc
    std::string anniversariesUrl;  // empty: anniversaries are not published
    int32_t intervalMinutes = 0;   // 0: Dayvane does not sync on its own
    uint64_t maxReply = 0;         // bytes

    bool Configured() const { return !url.empty(); }
    const std::string& TasksUrl() const { return tasksUrl.empty() ? url : tasksUrl; }
};

SyncConfig LoadSyncConfig();
bool SaveSyncConfig(const SyncConfig& config);
