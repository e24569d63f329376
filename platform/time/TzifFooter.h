// The POSIX TZ rule stored at the end of a version 2+ TZif zone file.
#pragma once

#include <optional>
#include <string>

// The footer rule of the zone file at `path`; nothing when the file cannot be
// read, is not a TZif file of version 2 or later, or has an empty footer.
std::optional<std::string> ReadTzifFooter(const std::string& path);
