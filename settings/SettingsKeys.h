// Where the settings live: the key and the names of its values, shared by the
// application, the Today items and the command-line tool.
#pragma once

#include "platform/registry/PlatformRegistry.h"

inline HKEY const kSettingsRoot = HKEY_LOCAL_MACHINE;
inline constexpr const char* kSettingsKey = "SOFTWARE\\Dayvane";

namespace SettingName {
inline constexpr const char* k24hour = "24hour";
inline constexpr const char* kMultiline = "Multiline";
inline constexpr const char* kSundayAsStart = "SundayAsStart";
inline constexpr const char* kShowCalendar = "ShowCalendar";
inline constexpr const char* kNotesPenDefault = "NotesPenDefault";
inline constexpr const char* kUseSoftKey = "UseSoftKey";
inline constexpr const char* kBoldAllDayEvent = "BoldAllDayEvent";
inline constexpr const char* kTodayEventPeriod = "TodayEventPeriod";
inline constexpr const char* kTodayEventItemCount = "TodayEventItemCount";
inline constexpr const char* kBoldImportantTask = "BoldImportantTask";
inline constexpr const char* kShowTaskStart = "ShowTaskStart";
inline constexpr const char* kShowCompleteTask = "ShowCompleteTask";
inline constexpr const char* kHideUndatedTask = "HideUndatedTask";
inline constexpr const char* kHideAllTask = "HideAllTask";
inline constexpr const char* kTodayTaskItemCount = "TodayTaskItemCount";
inline constexpr const char* kTodayHideUndatedTask = "TodayHideUndatedTask";
inline constexpr const char* kAnnvFontName = "AnnvFontName";
inline constexpr const char* kAnnvFontSize = "AnnvFontSize";
inline constexpr const char* kWeekFontName = "WeekFontName";
inline constexpr const char* kWeekFontSize = "WeekFontSize";
inline constexpr const char* kClearType = "ClearType";
inline constexpr const char* kWeatherVendor = "WeatherVendor";
inline constexpr const char* kWeatherLocation = "WeatherLocation";
// Korean public and substitute holidays shown by the views (1) or not (0).
inline constexpr const char* kShowHolidays = "ShowHolidays";
// Birthday counts in Korean age (0) or in full years (1).
inline constexpr const char* kAgeCount = "AgeCount";
// Where the weather services live (scheme and host, optionally a port).
inline constexpr const char* kWeatherGoogleHost = "WeatherGoogleHost";
inline constexpr const char* kWeatherYahooHost = "WeatherYahooHost";
inline constexpr const char* kOpenMeteoHost = "OpenMeteoHost";
inline constexpr const char* kOpenMeteoGeocodingHost = "OpenMeteoGeocodingHost";
// The place "WeatherGeocoded" resolved to, kept until the location changes.
inline constexpr const char* kWeatherLatitude = "WeatherLatitude";
inline constexpr const char* kWeatherLongitude = "WeatherLongitude";
inline constexpr const char* kWeatherGeocoded = "WeatherGeocoded";
// CalDAV sync: the collections, the account, how to get the password (never
// the password itself), minutes between syncs while Dayvane runs (0 = off) and
// the largest server reply accepted, in bytes.
inline constexpr const char* kSyncUrl = "SyncUrl";
inline constexpr const char* kSyncTasksUrl = "SyncTasksUrl";
inline constexpr const char* kSyncUser = "SyncUser";
inline constexpr const char* kSyncPasswordCommand = "SyncPasswordCommand";
inline constexpr const char* kSyncAnniversariesUrl = "SyncAnniversariesUrl";
inline constexpr const char* kSyncInterval = "SyncInterval";
inline constexpr const char* kSyncMaxReply = "SyncMaxReply";
// Change flags from the application to the Today items.
inline constexpr const char* kTodayEventChanged = "TodayEventChanged";
inline constexpr const char* kTodayTaskChanged = "TodayTaskChanged";
} // namespace SettingName
