// The Today items' registration under the Today screen's items key: written
// at first start, read by the Today screen.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct TodayItemRegistration {
    std::string name;     // key name, quotes included
    std::string dllPath;  // empty when missing or not text
    int32_t order = 0;
    bool enabled = false;
};

// Registers Vanecal and Vanetask (order 0 and 1, enabled) from `libraryFolder`
// with "APP_PATH" = `programFolder`. Keeps the choices a user made (order,
// enabled) of items registered before. Returns false when a write failed.
bool RegisterTodayItems(const std::filesystem::path& libraryFolder, const std::filesystem::path& programFolder);

// Where the item libraries of a program lie: beside it, in the build tree's
// today/ folder, or in the installed lib/dayvane/.
std::filesystem::path TodayItemLibraryFolder(const std::filesystem::path& executable);

// Every item under the Today items key, by "Order" then key order.
std::vector<TodayItemRegistration> ReadTodayItems();
