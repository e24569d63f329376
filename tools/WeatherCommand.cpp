// weather [--refresh]: the cached forecast of the current weather service, one
// day a line; with --refresh it is retrieved first, as the weather view does.
#include <cstdio>
#include <ostream>

#include "platform/device/DeviceDirectory.h"
#include "platform/net/ConnectionManager.h"
#include "platform/shell/Density.h"
#include "settings/Settings.h"
#include "tools/CliOptions.h"
#include "tools/Commands.h"
#include "weather/LoadWeather.h"
#include "weather/RetrieveWeather.h"
#include "weather/WeatherSources.h"

namespace {

const char kUsage[] = "사용법: dayvane-cli weather [--refresh]";

std::string DayLine(const WeatherDay& day)
{
    char date[40];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.year, day.month, day.day);
    return std::string(date) + "\t" + std::to_string(day.low) + "\t" + std::to_string(day.high) + "\t" +
           std::to_string(day.iconIndex) + "\t" + day.iconFile;
}

} // namespace

int RunWeatherCommand(const CommandArgs& args, std::ostream& out)
{
    bool refresh = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--refresh") refresh = true;
        else throw UsageError(kUsage);
    }
    const Settings settings = LoadSettings(ScreenMetrics{});
    const WeatherConfig config = WeatherConfigFrom(settings);
    const std::filesystem::path folder = WeatherFolder(ProgramFolder());
    const int dpiX = DeviceDpiX();
    if (refresh) {
        const RetrievalResult result = RetrieveWeather(config, folder, dpiX, SystemNetEnvironment());
        if (!result.ok) throw CommandError("날씨정보를 가져오지 못했습니다: " + result.error);
    }
    WeatherTable table;
    LoadWeather(table, config.vendor, folder, dpiX);
    for (const WeatherDay& day : table) {
        if (day.IsFree()) break;
        out << DayLine(day) << "\n";
    }
    return 0;
}
