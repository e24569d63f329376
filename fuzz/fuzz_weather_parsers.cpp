// Each weather parser on any reply: no crash, at most six records, the
// seventh never written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "weather/GoogleWeather.h"
#include "weather/LoadWeather.h"
#include "weather/OpenMeteoWeather.h"
#include "weather/YahooWeather.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = DecodeXmlCache(bytes);
    WeatherTable table;
    std::vector<WeatherPictureRequest> pictures;
    if (ParseGoogleWeather(table, text, 96, &pictures) > 6) std::abort();
    if (ParseGoogleWeather(table, text, 192, &pictures) > 6) std::abort();
    if (ParseYahooWeather(table, text) > 6) std::abort();
    if (ParseOpenMeteoWeather(table, bytes) > 6) std::abort();
    ParseGeocodingReply(bytes);
    ParseCoordinates(bytes);
    if (!table[6].IsFree()) std::abort();
    for (const WeatherPictureRequest& picture : pictures)
        if (picture.fileName.find('/') != std::string::npos || picture.urlPath.front() != '/') std::abort();
    return 0;
}
