// dayvane-cli's commands on the device's store: add, list, tasks, show,
// delete, complete, skip, import, export and watch.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class PimSession;

// args[0] is the command. Returns 0 done, 1 failed, 2 wrong usage; messages
// go to `err`.
int RunStoreCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The session with the device's pim.vol, logged on (the store is made on first
// use); with `databases` the two databases are open too. CommandError when it
// cannot be opened.
std::unique_ptr<PimSession> OpenDeviceStore(bool databases);
