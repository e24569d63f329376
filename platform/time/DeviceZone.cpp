#include "platform/time/DeviceZone.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

std::filesystem::path ZoneDirectory()
{
    const char* dir = std::getenv("TZDIR");
    return dir != nullptr && *dir != '\0' ? dir : "/usr/share/zoneinfo";
}

std::string NameFromLink(const std::filesystem::path& link)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(link, error);
    if (error) return {};
    const std::string text = target.generic_string();
    constexpr std::string_view kMarker = "zoneinfo/";
    const size_t at = text.rfind(kMarker);
    if (at == std::string::npos) return {};
    std::string name = text.substr(at + kMarker.size());
    // Debian also links into the posix/ and right/ copies of the database.
    for (std::string_view prefix : {"posix/", "right/"})
        if (name.starts_with(prefix)) name.erase(0, prefix.size());
    return IsZoneName(name) ? name : std::string();
}

std::string NameFromFile(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::string line;
    if (!std::getline(in, line)) return {};
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return IsZoneName(line) ? line : std::string();
}

} // namespace

bool IsZoneName(const std::string& name)
{
    if (name.empty() || name.front() == '/' || name.find("..") != std::string::npos) return false;
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' || c == '-' || c == '+'))
            return false;
    std::error_code error;
    return std::filesystem::is_regular_file(ZoneDirectory() / name, error);
}

std::string DeviceZoneName()
{
    if (const char* tz = std::getenv("TZ"); tz != nullptr) {
        // Every new item asks; a zone file does not come and go, $TZ may.
        thread_local std::string lastTz, lastName;
        thread_local bool known = false;
        if (known && lastTz == tz) {
            if (!lastName.empty()) return lastName;
        } else {
            std::string value = tz;
            if (!value.empty() && value.front() == ':') value.erase(0, 1);
            known = true;
            lastTz = tz;
            lastName = IsZoneName(value) ? value : std::string();
            if (!lastName.empty()) return lastName;
        }
    }
    if (std::string name = NameFromLink("/etc/localtime"); !name.empty()) return name;
    return NameFromFile("/etc/timezone");
}
