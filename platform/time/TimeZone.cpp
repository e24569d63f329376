// The zone record from the environment: $TZ as a POSIX rule or a zone file
// name, else the zone file /etc/localtime.
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/time/PlatformTime.h"
#include "platform/time/PosixTzRule.h"
#include "platform/time/TzifFooter.h"

namespace {

bool ZoneFromFile(const std::string& path, TIME_ZONE_INFORMATION& tzi)
{
    const std::optional<std::string> rule = ReadTzifFooter(path);
    return rule && ZoneFromPosixRule(*rule, tzi);
}

// "Asia/Seoul" is looked up in the zone database, "/path/file" read as is.
bool ZoneFromName(std::string_view name, TIME_ZONE_INFORMATION& tzi)
{
    if (name.empty())
        return ZoneFromFile("/etc/localtime", tzi);
    if (name.front() == '/')
        return ZoneFromFile(std::string(name), tzi);
    const char* zoneDir = std::getenv("TZDIR");
    const std::string dir = zoneDir != nullptr && *zoneDir != '\0' ? zoneDir : "/usr/share/zoneinfo";
    return ZoneFromFile(dir + "/" + std::string(name), tzi);
}

}  // namespace

bool GetTimeZoneInformation(TIME_ZONE_INFORMATION& tzi)
{
    const char* tz = std::getenv("TZ");
    if (tz == nullptr)
        return ZoneFromFile("/etc/localtime", tzi);
    const std::string_view value(tz);
    if (value.empty())  // set but empty means universal time, as for the C library
        return ZoneFromPosixRule("UTC0", tzi);
    if (value.front() == ':')
        return ZoneFromName(value.substr(1), tzi);
    return ZoneFromPosixRule(value, tzi) || ZoneFromName(value, tzi);
}
