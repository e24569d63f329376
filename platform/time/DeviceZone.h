// The device's zone as an IANA name, which items made here carry and which a
// series in any other zone is converted to.
#pragma once

#include <string>

// The IANA name in $TZ when it is one, else the target of /etc/localtime
// under zoneinfo/, else the first line of /etc/timezone; empty when none is
// known. $TZ is read at each call: tests change it.
std::string DeviceZoneName();

// A name the zone database holds ("Asia/Seoul"), not a POSIX rule or a path.
bool IsZoneName(const std::string& name);
