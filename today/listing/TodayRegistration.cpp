#include "today/listing/TodayRegistration.h"

#include <algorithm>

#include "settings/CRegistry.h"
#include "today/listing/TodaySettings.h"

namespace {

bool Register(const char* itemName, const std::filesystem::path& library, int32_t order,
              const std::filesystem::path& programFolder)
{
    const CRegistry registry;
    const std::string key = TodayItemKey(itemName);
    bool written = registry.SetString(HKEY_LOCAL_MACHINE, key.c_str(), TodayItemValue::kDll, library.c_str());
    written &= registry.SetString(HKEY_LOCAL_MACHINE, key.c_str(), TodayItemValue::kAppPath, programFolder.c_str());
    const int32_t keptOrder = registry.GetInt(HKEY_LOCAL_MACHINE, key.c_str(), TodayItemValue::kOrder, order);
    const int32_t keptEnabled = registry.GetInt(HKEY_LOCAL_MACHINE, key.c_str(), TodayItemValue::kEnabled, 1);
    written &= registry.SetInt(HKEY_LOCAL_MACHINE, key.c_str(), TodayItemValue::kOrder, keptOrder);
    written &= registry.SetInt(HKEY_LOCAL_MACHINE, key.c_str(), TodayItemValue::kEnabled, keptEnabled);
    return written;
}

} // namespace

bool RegisterTodayItems(const std::filesystem::path& libraryFolder, const std::filesystem::path& programFolder)
{
    const bool calendar = Register(kVanecalItemName, libraryFolder / "libVanecal.so", 0, programFolder);
    const bool task = Register(kVanetaskItemName, libraryFolder / "libVanetask.so", 1, programFolder);
    return calendar && task;
}

std::filesystem::path TodayItemLibraryFolder(const std::filesystem::path& executable)
{
    const std::filesystem::path folder = executable.parent_path();
    for (const std::filesystem::path& candidate : {folder, folder / ".." / "today", folder / ".." / "lib" / "dayvane"}) {
        std::error_code ignored;
        if (std::filesystem::exists(candidate / "libVanecal.so", ignored))
            return std::filesystem::weakly_canonical(candidate, ignored);
    }
    return folder;
}

std::vector<TodayItemRegistration> ReadTodayItems()
{
    std::vector<TodayItemRegistration> items;
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kTodayItemsKey, 0, 0, &key) != ERROR_SUCCESS) return items;
    std::vector<std::string> names;
    RegListSubKeys(key, names);
    RegCloseKey(key);
    const CRegistry registry;
    for (const std::string& name : names) {
        const std::string itemKey = TodayItemKey(name.c_str());
        TodayItemRegistration item;
        item.name = name;
        item.dllPath = registry.GetString(HKEY_LOCAL_MACHINE, itemKey.c_str(), TodayItemValue::kDll, "");
        item.order = registry.GetInt(HKEY_LOCAL_MACHINE, itemKey.c_str(), TodayItemValue::kOrder, 0);
        item.enabled = registry.GetInt(HKEY_LOCAL_MACHINE, itemKey.c_str(), TodayItemValue::kEnabled, 0) == 1;
        items.push_back(std::move(item));
    }
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.order < b.order; });
    return items;
}
