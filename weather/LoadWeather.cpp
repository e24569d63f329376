#include "weather/LoadWeather.h"

#include <algorithm>

#include "calendar/FileIo.h"
#include "platform/text/TextEncoding.h"
#include "weather/OpenMeteoWeather.h"
#include "weather/WeatherPictures.h"
#include "weather/WeatherSources.h"
#include "weather/WeatherText.h"
#include "weather/YahooWeather.h"

std::u16string DecodeXmlCache(std::string_view bytes)
{
    // The whole file at once: pieces decoded on their own would split
    // double-byte characters at their edges.
    return ToUtf16(Cp949ToUtf8(bytes));
}

int LoadWeather(WeatherTable& table, int32_t vendor, const std::filesystem::path& weatherFolder, int dpiX,
                std::vector<WeatherPictureRequest>* pictures)
{
    const std::string cacheName = WeatherCacheName(vendor);
    if (cacheName.empty()) return 0;
    std::string bytes;
    if (ReadWholeFile((weatherFolder / cacheName).string(), bytes) != 0 || bytes.empty()) return 0;
    switch (vendor) {
    case kWeatherVendorGoogle: return ParseGoogleWeather(table, DecodeXmlCache(bytes), dpiX, pictures);
    case kWeatherVendorYahoo: return ParseYahooWeather(table, DecodeXmlCache(bytes));
    case kWeatherVendorOpenMeteo: return ParseOpenMeteoWeather(table, bytes);
    default: return 0;
    }
}

std::vector<WeatherPictureRequest> MissingPictures(const std::vector<WeatherPictureRequest>& pictures,
                                                   const std::filesystem::path& weatherFolder)
{
    std::vector<WeatherPictureRequest> missing;
    for (const WeatherPictureRequest& picture : pictures) {
        const std::filesystem::path path = FetchedPicturePath(weatherFolder, picture.fileName);
        std::error_code ec;
        // A folder of that name does not count as the picture.
        if (path.empty() || std::filesystem::is_regular_file(path, ec)) continue;
        const bool listed = std::any_of(missing.begin(), missing.end(),
                                        [&](const auto& m) { return m.fileName == picture.fileName; });
        if (!listed) missing.push_back(picture);
    }
    return missing;
}
