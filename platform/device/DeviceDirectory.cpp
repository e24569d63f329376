#include "platform/device/DeviceDirectory.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr char kProgramFolderName[] = "Dayvane";
constexpr char kLauncherName[] = "Dayvane";

// The --device choice; the only mutable global here (the device is the
// machine's identity for the whole process).
std::mutex g_deviceMutex;
fs::path g_explicitDevice;

const char* NonEmpty(const char* value)
{
    return value != nullptr && *value != '\0' ? value : nullptr;
}

fs::path MakeAbsolute(const fs::path& path)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal();
}

// $HOME, falling back to the password database for daemons started without it.
const char* ProcessEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value != nullptr || std::strcmp(name, "HOME") != 0) return value;
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr ? entry->pw_dir : nullptr;
}

std::string Quoted(const fs::path& path)
{
    std::string quoted(1, '\'');
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

// Creates one folder with `mode` (its parents with the defaults). An existing
// folder, or a link to one, is fine; anything else in its place is an error.
std::string MakeFolder(const fs::path& folder, mode_t mode, const char* what)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return {};
    if (fs::exists(fs::symlink_status(folder, ec)))
        return std::string("Cannot use ") + what + " " + Quoted(folder) + ": it exists and is not a folder";
    if (folder.has_parent_path()) {
        fs::create_directories(folder.parent_path(), ec);
        if (ec)
            return std::string("Cannot create ") + what + " " + Quoted(folder) + ": " + ec.message();
    }
    if (::mkdir(folder.c_str(), mode) != 0 && !(errno == EEXIST && fs::is_directory(folder, ec)))
        return std::string("Cannot create ") + what + " " + Quoted(folder) + ": " + std::strerror(errno);
    return {};
}

// An empty device directory must not turn into paths relative to the working
// directory, so every derived path stays empty with it.
fs::path InDevice(const fs::path& relative)
{
    fs::path device = DeviceDirectory();
    return device.empty() ? fs::path() : device / relative;
}

} // namespace

fs::path ResolveDeviceDirectory(const fs::path& explicitDir, const EnvironmentLookup& lookup)
{
    if (!explicitDir.empty()) return MakeAbsolute(explicitDir);
    if (const char* home = NonEmpty(lookup("DAYVANE_HOME"))) return MakeAbsolute(home);
    if (const char* data = NonEmpty(lookup("XDG_DATA_HOME")); data != nullptr && data[0] == '/')
        return fs::path(data).lexically_normal() / "dayvane";
    if (const char* home = NonEmpty(lookup("HOME")); home != nullptr && home[0] == '/')
        return fs::path(home).lexically_normal() / ".local" / "share" / "dayvane";
    return {};
}

void SetDeviceDirectory(const fs::path& dir)
{
    fs::path absolute = dir.empty() ? fs::path() : MakeAbsolute(dir);
    std::lock_guard lock(g_deviceMutex);
    g_explicitDevice = std::move(absolute);
}

fs::path DeviceDirectory()
{
    fs::path explicitDir;
    {
        std::lock_guard lock(g_deviceMutex);
        explicitDir = g_explicitDevice;
    }
    return ResolveDeviceDirectory(explicitDir, ProcessEnvironment);
}

fs::path ProgramFolder() { return InDevice(kProgramFolderName); }
fs::path RegistryFile() { return InDevice("registry.db"); }
fs::path StoreFile() { return InDevice("pim.vol"); }

std::string EnsureDeviceDirectory()
{
    fs::path device = DeviceDirectory();
    if (device.empty())
        return "No device directory: give --device DIR or set DAYVANE_HOME or HOME";
    if (std::string error = MakeFolder(device, 0700, "the device directory"); !error.empty())
        return error;
    return MakeFolder(device / kProgramFolderName, 0755, "the program folder");
}

std::string LinkLauncher(const fs::path& executable)
{
    fs::path folder = ProgramFolder();
    if (folder.empty()) return "No device directory for the launcher link";
    fs::path target = MakeAbsolute(executable);
    fs::path link = folder / kLauncherName;

    std::error_code ec;
    fs::file_status status = fs::symlink_status(link, ec);
    if (fs::exists(status)) {
        if (!fs::is_symlink(status))
            return "Launcher " + Quoted(link) + " exists and is not a link; left as it is";
        if (fs::read_symlink(link, ec) == target && !ec) return {};
    }
    // A new link under a temporary name renamed over the old one, so the
    // launcher never goes missing.
    fs::path temporary = folder / (std::string(kLauncherName) + ".link." + std::to_string(getpid()));
    fs::remove(temporary, ec);
    fs::create_symlink(target, temporary, ec);
    if (ec) return "Cannot create the launcher link " + Quoted(link) + ": " + ec.message();
    fs::rename(temporary, link, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "Cannot create the launcher link " + Quoted(link) + ": " + ec.message();
    }
    return {};
}
