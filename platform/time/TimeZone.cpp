// The zone record from the environment: $TZ as a POSIX rule or a zone file
// name, else the zone file /etc/localtime.
#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/time/PlatformTime.h"
#include "platform/time/PosixTzRule.h"
#include "platform/time/TzifFooter.h"

namespace {

// The last file read, per thread: a conversion asks for the zone each time,
// and reading the file for each item made a bulk import spend its time in
// open(). A file replaced since (a new system zone) is read again.
struct ZoneFileMemo {
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    off_t size = -1;
    bool ok = false;
    TIME_ZONE_INFORMATION tzi{};

    bool Matches(const std::string& file, const struct stat& st) const
    {
        return size >= 0 && path == file && device == st.st_dev && inode == st.st_ino && size == st.st_size &&
               modified.tv_sec == st.st_mtim.tv_sec && modified.tv_nsec == st.st_mtim.tv_nsec;
    }
};

bool ZoneFromFile(const std::string& path, TIME_ZONE_INFORMATION& tzi)
{
    thread_local ZoneFileMemo memo;
    struct stat st{};
    if (stat(path.c_str(), &st) != 0) {
        memo.size = -1;
        return false;
    }
    if (!memo.Matches(path, st)) {
        const std::optional<std::string> rule = ReadTzifFooter(path);
        memo.ok = rule && ZoneFromPosixRule(*rule, memo.tzi);
        memo.path = path;
        memo.device = st.st_dev;
        memo.inode = st.st_ino;
        memo.size = st.st_size;
        memo.modified = st.st_mtim;
    }
    if (memo.ok) tzi = memo.tzi;
    return memo.ok;
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
