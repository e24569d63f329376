#include "sync/SyncConfig.h"

#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"
#include "sync/DavClient.h"

#include <algorithm>

SyncConfig LoadSyncConfig()
{
    // One visit to the registry: each open of it costs a few milliseconds of a run.
    const RegistrySnapshot registry(kSettingsRoot, kSettingsKey);
    auto text = [&](const char* name) { return registry.GetString(name, ""); };
    SyncConfig config;
    config.url = text(SettingName::kSyncUrl);
    config.tasksUrl = text(SettingName::kSyncTasksUrl);
    config.user = text(SettingName::kSyncUser);
    config.passwordCommand = text(SettingName::kSyncPasswordCommand);
    config.anniversariesUrl = text(SettingName::kSyncAnniversariesUrl);
    config.intervalMinutes = std::max(0, registry.GetInt(SettingName::kSyncInterval, 0));
    const int32_t maxReply = registry.GetInt(SettingName::kSyncMaxReply, 0);
    config.maxReply = maxReply > 0 ? static_cast<uint64_t>(maxReply) : kDefaultSyncMaxReply;
    return config;
}

bool SaveSyncConfig(const SyncConfig& config)
{
    const CRegistry registry;
    auto text = [&](const char* name, const std::string& value) {
        if (!value.empty()) return registry.SetString(kSettingsRoot, kSettingsKey, name, value.c_str());
        registry.SetString(kSettingsRoot, kSettingsKey, name, nullptr);  // a missing value is fine
        return true;
    };
    bool ok = text(SettingName::kSyncUrl, config.url);
    ok = text(SettingName::kSyncTasksUrl, config.tasksUrl) && ok;
    ok = text(SettingName::kSyncUser, config.user) && ok;
    ok = text(SettingName::kSyncPasswordCommand, config.passwordCommand) && ok;
    ok = text(SettingName::kSyncAnniversariesUrl, config.anniversariesUrl) && ok;
    ok = registry.SetInt(kSettingsRoot, kSettingsKey, SettingName::kSyncInterval, config.intervalMinutes) && ok;
    return ok;
}
