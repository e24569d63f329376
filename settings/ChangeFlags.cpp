#include "settings/ChangeFlags.h"

#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"

void RaiseChangeFlag(const char* flagName)
{
    CRegistry().SetInt(kSettingsRoot, kSettingsKey, flagName, 1);
}

bool TakeChangeFlag(const char* flagName)
{
    const CRegistry registry;
    if (registry.GetInt(kSettingsRoot, kSettingsKey, flagName, 0) != 1) return false;
    registry.SetInt(kSettingsRoot, kSettingsKey, flagName, 0);
    return true;
}
