#include "today/listing/TodaySettings.h"

#include <algorithm>

#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"

std::string TodayItemKey(const char* itemName)
{
    return std::string(kTodayItemsKey) + "\\" + itemName;
}

std::string ReadTodayAppPath(const char* itemName)
{
    return CRegistry().GetString(HKEY_LOCAL_MACHINE, TodayItemKey(itemName).c_str(), TodayItemValue::kAppPath, "");
}

TodayCalendarOptions ReadTodayCalendarOptions()
{
    const CRegistry registry;
    TodayCalendarOptions options;
    options.period = std::clamp(
        registry.GetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayEventPeriod, options.period), 0,
        kMaxTodayEventPeriod);
    options.itemCount = registry.GetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayEventItemCount, 0);
    options.anniversaries.showHolidays =
        registry.GetInt(kSettingsRoot, kSettingsKey, SettingName::kShowHolidays, 1) != 0;
    options.anniversaries.age =
        AgeCountingFromSetting(registry.GetInt(kSettingsRoot, kSettingsKey, SettingName::kAgeCount, 0));
    return options;
}

TodayTaskOptions ReadTodayTaskOptions()
{
    const CRegistry registry;
    TodayTaskOptions options;
    options.itemCount = registry.GetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayTaskItemCount, 7);
    options.hideUndated = registry.GetInt(kSettingsRoot, kSettingsKey, SettingName::kTodayHideUndatedTask, 0) != 0;
    return options;
}
