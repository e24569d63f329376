// What the Today items read from the registry: their settings under
// SOFTWARE\Dayvane with the items' own defaults, and their registration under
// the Today screen's items key.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/AnniversaryDayEntries.h"

inline constexpr const char* kTodayItemsKey = "SOFTWARE\\Microsoft\\Today\\Items";
// The items' key names carry their quotes.
inline constexpr const char* kVanecalItemName = "\"Vanecal\"";
inline constexpr const char* kVanetaskItemName = "\"Vanetask\"";
namespace TodayItemValue {
inline constexpr const char* kDll = "DLL";          // REG_SZ, the plug-in's absolute path
inline constexpr const char* kOrder = "Order";      // DWORD, top to bottom
inline constexpr const char* kEnabled = "Enabled";  // DWORD, 1 = shown
inline constexpr const char* kAppPath = "APP_PATH"; // REG_SZ, the program folder
} // namespace TodayItemValue

// The item's key below HKEY_LOCAL_MACHINE, e.g. SOFTWARE\Microsoft\Today\Items\"Vanecal".
std::string TodayItemKey(const char* itemName);

// "APP_PATH" of the item: the folder of the application and anniversary.dat;
// empty when missing.
std::string ReadTodayAppPath(const char* itemName);

struct TodayCalendarOptions {
    int32_t period = 7;     // days shown, today included
    int32_t itemCount = 0;  // entries kept; 0 = the leading run
    AnniversaryDisplay anniversaries;  // substitute holidays, birthday counts
};
struct TodayTaskOptions {
    int32_t itemCount = 7;
    bool hideUndated = false;
};

// The longest period read: a damaged value must not make a reload walk for years.
inline constexpr int32_t kMaxTodayEventPeriod = 366;

TodayCalendarOptions ReadTodayCalendarOptions();
TodayTaskOptions ReadTodayTaskOptions();
