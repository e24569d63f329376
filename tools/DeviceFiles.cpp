#include "tools/DeviceFiles.h"

#include "settings/CRegistry.h"
#include "settings/ChangeFlags.h"
#include "settings/SettingsKeys.h"
#include "calendar/AnniversaryFile.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/time/PlatformTime.h"
#include "tools/CliOptions.h"

void PrepareDevice()
{
    std::string error = EnsureDeviceDirectory();
    if (!error.empty()) throw CommandError(error);
    InstallDefaultAnniversaries(ProgramFolder().string(), &error);
}

void LoadDeviceAnniversaries(AnniversaryList& list)
{
    PrepareDevice();
    if (!LoadAnniversaries(list, ProgramFolder().string()))
        throw CommandError("Can not open resource file 'anniversary.dat'.");
}

std::string DeviceAnniversaryFolder()
{
    PrepareDevice();
    return ProgramFolder().string();
}

void FinishAnniversarySave(int32_t saved, const std::string& error)
{
    if (!saved)
        throw CommandError("기념일 파일을 저장하지 못했습니다: " + error);
    RaiseChangeFlag(SettingName::kTodayEventChanged);
}

SolarDate Today()
{
    SYSTEMTIME now;
    GetLocalTime(now);
    return {now.wYear, now.wMonth, now.wDay};
}

bool WeekStartsOnSunday()
{
    return CRegistry().GetInt(kSettingsRoot, kSettingsKey, SettingName::kSundayAsStart, 0) != 0;
}

AnniversaryDisplay DeviceAnniversaryDisplay()
{
    const CRegistry registry;
    return {registry.GetInt(kSettingsRoot, kSettingsKey, SettingName::kShowHolidays, 1) != 0,
            AgeCountingFromSetting(registry.GetInt(kSettingsRoot, kSettingsKey, SettingName::kAgeCount, 0))};
}
