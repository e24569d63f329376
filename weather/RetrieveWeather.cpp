#include "weather/RetrieveWeather.h"

#include <QObject>

#include "calendar/FileIo.h"
#include "platform/net/DownloadUrl.h"
#include "platform/shell/WindowMessage.h"
#include "settings/Settings.h"
#include "weather/LoadWeather.h"
#include "weather/OpenMeteoWeather.h"

namespace {

// The geocoding answer is read from a file of its own, never from the cache.
constexpr const char* kGeocodingReplyName = "geocoding.json";

RetrievalResult Fail(std::string error) { return {false, std::move(error)}; }

RetrievalResult Download(const std::string& host, const std::string& path, const std::filesystem::path& file,
                         const NetEnvironment& environment, CancelToken* cancel)
{
    const DownloadResult download = DownloadUrl(host, path, file, environment, cancel);
    if (download.outcome == DownloadOutcome::kAnswered) return {true, {}};
    return Fail(host + path + ": " + download.error);
}

} // namespace

PlaceResult PlaceForOpenMeteo(const WeatherConfig& config, const std::filesystem::path& weatherFolder,
                              const NetEnvironment& environment, CancelToken* cancel)
{
    if (const std::optional<Coordinates> place = ParseCoordinates(config.location))
        return {CoordinateText(place->latitude), CoordinateText(place->longitude), {}};
    const WeatherGeocode remembered = LoadWeatherGeocode();
    if (remembered.location == config.location && !remembered.latitude.empty() && !remembered.longitude.empty())
        return {remembered.latitude, remembered.longitude, {}};

    const std::filesystem::path reply = weatherFolder / kGeocodingReplyName;
    const RetrievalResult download =
        Download(config.geocodingHost, OpenMeteoGeocodingPath(config.location), reply, environment, cancel);
    if (!download.ok) return {{}, {}, download.error};
    std::string bytes;
    std::optional<Coordinates> place;
    if (ReadWholeFile(reply.string(), bytes) == 0) place = ParseGeocodingReply(bytes);
    std::error_code ignored;
    std::filesystem::remove(reply, ignored);
    if (!place) return {{}, {}, "장소를 찾을 수 없습니다: " + config.location};
    const WeatherGeocode found{CoordinateText(place->latitude), CoordinateText(place->longitude), config.location};
    SaveWeatherGeocode(found);
    return {found.latitude, found.longitude, {}};
}

int FetchPictures(const std::vector<WeatherPictureRequest>& pictures, const std::string& host,
                  const std::filesystem::path& weatherFolder, const NetEnvironment& environment, CancelToken* cancel)
{
    int fetched = 0;
    for (const WeatherPictureRequest& picture : MissingPictures(pictures, weatherFolder)) {
        if (cancel != nullptr && cancel->IsCancelled()) break;
        const std::filesystem::path file = weatherFolder / picture.fileName;
        const DownloadResult download = DownloadUrl(host, picture.urlPath, file, environment, cancel);
        if (download.outcome != DownloadOutcome::kAnswered) continue;
        // Pictures are fetched once and kept: an error page must not stand in for one.
        if (download.httpStatus >= 200 && download.httpStatus < 300) {
            ++fetched;
        } else {
            std::error_code ignored;
            std::filesystem::remove(file, ignored);
        }
    }
    return fetched;
}

RetrievalResult RetrieveWeather(const WeatherConfig& config, const std::filesystem::path& weatherFolder, int dpiX,
                                const NetEnvironment& environment, CancelToken* cancel)
{
    std::error_code ec;
    std::filesystem::create_directories(weatherFolder, ec);
    const std::filesystem::path cache = weatherFolder / WeatherCacheName(config.vendor);
    RetrievalResult result;
    switch (config.vendor) {
    case kWeatherVendorGoogle:
        result = Download(config.googleHost, GoogleRequestPath(config.location), cache, environment, cancel);
        break;
    case kWeatherVendorYahoo:
        result = Download(config.yahooHost, YahooRequestPath(config.location), cache, environment, cancel);
        break;
    case kWeatherVendorOpenMeteo: {
        const PlaceResult place = PlaceForOpenMeteo(config, weatherFolder, environment, cancel);
        if (place.latitude.empty()) return Fail(place.error);
        result = Download(config.openMeteoHost, OpenMeteoForecastPath(place.latitude, place.longitude), cache,
                          environment, cancel);
        break;
    }
    default:
        return Fail("날씨 서버가 설정되지 않았습니다: " + std::to_string(config.vendor));
    }
    if (result.ok && config.vendor == kWeatherVendorGoogle) {
        // The pictures before the view hears of the reply, so that it never waits on the network.
        WeatherTable scratch;
        std::vector<WeatherPictureRequest> pictures;
        LoadWeather(scratch, config.vendor, weatherFolder, dpiX, &pictures);
        FetchPictures(pictures, config.googleHost, weatherFolder, environment, cancel);
    }
    return result;
}

CWeatherRetrieval::CWeatherRetrieval(NetEnvironment environment) : m_environment(std::move(environment)) {}

CWeatherRetrieval::~CWeatherRetrieval() { Stop(); }

template <typename Work>
bool CWeatherRetrieval::Run(QObject* receiver, Work work)
{
    if (m_running.load()) return false;
    if (m_thread.joinable()) m_thread.join();  // an earlier one that has ended
    m_cancel = std::make_unique<CancelToken>();
    m_running.store(true);
    CancelToken* cancel = m_cancel.get();
    m_thread = std::thread([this, receiver, cancel, work = std::move(work)] {
        const RetrievalResult result = work(cancel);
        {
            std::lock_guard<std::mutex> guard(m_resultLock);
            m_result = result;
        }
        m_running.store(false);
        // The receiver outlives this thread: Stop() joins it before the receiver goes.
        if (!cancel->IsCancelled()) PostWindowMessage(receiver, WM_WEATHER_DONE);
    });
    return true;
}

bool CWeatherRetrieval::Start(QObject* receiver, const WeatherConfig& config,
                              const std::filesystem::path& weatherFolder, int dpiX)
{
    return Run(receiver, [config, weatherFolder, dpiX, environment = m_environment](CancelToken* cancel) {
        return RetrieveWeather(config, weatherFolder, dpiX, environment, cancel);
    });
}

bool CWeatherRetrieval::StartPictureFetch(QObject* receiver, std::vector<WeatherPictureRequest> pictures,
                                          const std::string& host, const std::filesystem::path& weatherFolder)
{
    return Run(receiver, [pictures = std::move(pictures), host, weatherFolder,
                          environment = m_environment](CancelToken* cancel) {
        const int fetched = FetchPictures(pictures, host, weatherFolder, environment, cancel);
        return RetrievalResult{fetched > 0, fetched > 0 ? std::string() : "no picture fetched"};
    });
}

void CWeatherRetrieval::Stop()
{
    if (m_cancel) m_cancel->Cancel();
    if (m_thread.joinable()) m_thread.join();
    m_running.store(false);
}

RetrievalResult CWeatherRetrieval::LastResult() const
{
    std::lock_guard<std::mutex> guard(m_resultLock);
    return m_result;
}
