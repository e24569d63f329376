// The two registry flags through which the application tells the Today items
// to reload: SettingName::kTodayEventChanged and SettingName::kTodayTaskChanged.
#pragma once

// Sets the flag to 1 (the application's side).
void RaiseChangeFlag(const char* flagName);

// True when the flag reads 1; it is reset to 0 first, so a change raised while
// the caller reloads is seen by the next check (the Today item's side).
bool TakeChangeFlag(const char* flagName);
