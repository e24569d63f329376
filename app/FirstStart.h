// Preparing the device directory: it is made when missing, and a device's
// first start installs the built-in holidays and creates an empty store.
#pragma once

#include <filesystem>
#include <string>

// The program folder's link to the executable.
inline constexpr const char* kLauncherLinkName = "Dayvane";

struct DevicePreparation {
    bool firstStart = false;  // Dayvane has not run on the device yet
    std::string error;        // not empty: the device directory cannot be made
};

// Makes the device directory and its program folder when they are missing.
DevicePreparation EnsureDevice();

// Copies the weather picture strips into the program folder's weather/.
// Returns what went wrong, empty on success.
std::string InstallWeatherPictures();

// The first start's installation (after the single-instance lock is held):
// the holiday file, the weather pictures, the empty store, the Today items'
// registration and, last, the launcher link. Returns what went
// wrong, empty on success; start-up goes on either way and reports a missing
// piece when it opens it.
std::string InstallFirstStart(const std::filesystem::path& executable);
