#include "app/FirstStart.h"

#include "calendar/AnniversaryFile.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/store/PoomApplication.h"
#include "today/listing/TodayRegistration.h"

DevicePreparation EnsureDevice()
{
    DevicePreparation result;
    // The launcher link is the last thing a first start makes, and other
    // programs (dayvane-cli) never make it: a device without it has not been
    // started yet, or its first start was cut short.
    const std::filesystem::path launcher = ProgramFolder() / kLauncherLinkName;
    std::error_code ec;
    result.firstStart = ProgramFolder().empty() || !std::filesystem::exists(std::filesystem::symlink_status(launcher, ec));
    result.error = EnsureDeviceDirectory();
    return result;
}

std::string InstallFirstStart(const std::filesystem::path& executable)
{
    std::string problems;
    const auto note = [&problems](const std::string& problem) {
        if (!problem.empty())
            problems += (problems.empty() ? "" : "; ") + problem;
    };

    std::string error;
    if (InstallDefaultAnniversaries(ProgramFolder().string(), &error) == 0)
        note(error.empty() ? "Cannot install the default anniversaries" : error);

    PoomApplication store;
    if (store.Logon(StoreFile()))
        store.Logoff();
    else
        note(store.LastError());

    if (!executable.empty()) {
        // The Today screen shows the items registered here.
        if (!RegisterTodayItems(TodayItemLibraryFolder(executable), ProgramFolder()))
            note("Cannot register the Today items");
        note(LinkLauncher(executable));
    }
    return problems;
}
