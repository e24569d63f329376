// The command groups of dayvane-cli. Each takes its arguments (the command
// name first) and returns the exit code: 0 done, 1 failed, 2 wrong usage.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;

int RunLunarCommand(const CommandArgs& args, std::ostream& out);        // lunar, solar
int RunWeekCommand(const CommandArgs& args, std::ostream& out);         // week
int RunAnniversaryCommand(const CommandArgs& args, std::ostream& out);  // anniv ...
int RunRegistryCommand(const CommandArgs& args, std::ostream& out);     // reg ...
int RunWeatherCommand(const CommandArgs& args, std::ostream& out);      // weather [--refresh]
int RunSyncCommand(const CommandArgs& args, std::ostream& out);         // sync [setup ...]
int RunTodayCommand(const CommandArgs& args, std::ostream& out);        // agenda, todo
