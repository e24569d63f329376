// The device directory: everything one emulated handheld holds (registry.db,
// pim.vol and the program folder). The device is the machine's identity, so
// the chosen directory is one process-wide setting.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

// Looks an environment variable up; returns nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The directory a process uses: `explicitDir` (from --device) when not empty,
// else $DAYVANE_HOME, else $XDG_DATA_HOME/dayvane, else
// $HOME/.local/share/dayvane. Empty and relative XDG values are ignored as the
// XDG rules ask; relative --device and DAYVANE_HOME values are made absolute.
// Returns an empty path when no home directory can be found either.
std::filesystem::path ResolveDeviceDirectory(const std::filesystem::path& explicitDir,
                                             const EnvironmentLookup& lookup);

// Chooses the device for this process (the --device option). An empty path
// goes back to the environment's choice.
void SetDeviceDirectory(const std::filesystem::path& dir);

// The device directory in use; empty when none can be found.
std::filesystem::path DeviceDirectory();
std::filesystem::path ProgramFolder();  // <device>/Dayvane, home of anniversary.dat
std::filesystem::path RegistryFile();   // <device>/registry.db
std::filesystem::path StoreFile();      // <device>/pim.vol

// Creates the device directory (owner-only) and its program folder when they
// are missing. Returns an empty text on success, else what went wrong.
std::string EnsureDeviceDirectory();

// Points <program folder>/Dayvane at `executable`, replacing an older link.
// Never replaces anything that is not a link. Returns an empty text on success,
// else what went wrong; start-up goes on either way.
std::string LinkLauncher(const std::filesystem::path& executable);
