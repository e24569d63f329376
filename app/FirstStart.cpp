#include "app/FirstStart.h"

#include <QFile>
#include <unistd.h>

#include "calendar/AnniversaryFile.h"
#include "calendar/FileIo.h"
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

std::string InstallWeatherPictures()
{
    const std::filesystem::path folder = ProgramFolder() / "weather";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return "Cannot create " + folder.string() + ": " + ec.message();
    for (const char* name : {"weather.bmp", "weather2x.bmp"}) {
        QFile picture(QStringLiteral(":/dayvane/weather/%1").arg(QLatin1String(name)));
        if (!picture.open(QIODevice::ReadOnly)) return std::string("The weather pictures are missing: ") + name;
        const QByteArray bytes = picture.readAll();
        std::string error;
        if (!ReplaceFileAtomically(folder.string(), name, std::string(name) + "." + std::to_string(::getpid()) + ".tmp",
                                   std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), error))
            return error;
    }
    return {};
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

    note(InstallWeatherPictures());

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
