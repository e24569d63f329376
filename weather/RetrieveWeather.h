// The weather refresh: download the reply of the configured service into the
// cache file, then the pictures it names, away from the user-interface thread.
//
// RetrieveWeather() is the whole refresh, run on any thread (dayvane-cli runs
// it directly). CWeatherRetrieval runs it on a worker thread, one at a time,
// and posts WM_WEATHER_DONE to its receiver when it ends, whatever the outcome.
// Make it a member of the receiver (or stop it in the receiver's destructor):
// it must stop before the receiver is gone, so that nothing reaches a dead view.
#pragma once

#include <QPointer>
#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/net/ConnectionManager.h"
#include "platform/net/NetEvent.h"
#include "weather/GoogleWeather.h"
#include "weather/WeatherSources.h"

class QObject;

struct RetrievalResult {
    bool ok = false;    // the service answered and the cache was replaced
    std::string error;  // why not
};

// Places Open-Meteo's location: "latitude,longitude" as it is, a remembered
// geocode of the same location, else a geocoding request whose answer is
// remembered. Empty latitude on failure, with `error` set.
struct PlaceResult {
    std::string latitude;
    std::string longitude;
    std::string error;
};
PlaceResult PlaceForOpenMeteo(const WeatherConfig& config, const std::filesystem::path& weatherFolder,
                              const NetEnvironment& environment, CancelToken* cancel);

RetrievalResult RetrieveWeather(const WeatherConfig& config, const std::filesystem::path& weatherFolder, int dpiX,
                                const NetEnvironment& environment, CancelToken* cancel = nullptr);

// Fetches each picture from the Google host into the weather folder; returns
// how many arrived.
int FetchPictures(const std::vector<WeatherPictureRequest>& pictures, const std::string& host,
                  const std::filesystem::path& weatherFolder, const NetEnvironment& environment,
                  CancelToken* cancel = nullptr);

class CWeatherRetrieval {
public:
    explicit CWeatherRetrieval(NetEnvironment environment);
    ~CWeatherRetrieval();  // stops a running retrieval
    CWeatherRetrieval(const CWeatherRetrieval&) = delete;
    CWeatherRetrieval& operator=(const CWeatherRetrieval&) = delete;

    // False, and nothing started, while another retrieval runs: two never
    // write the cache at once.
    bool Start(QObject* receiver, const WeatherConfig& config, const std::filesystem::path& weatherFolder, int dpiX);
    // Fetches pictures a cached reply names but the folder lacks.
    bool StartPictureFetch(QObject* receiver, std::vector<WeatherPictureRequest> pictures, const std::string& host,
                           const std::filesystem::path& weatherFolder);

    bool IsRunning() const { return m_running.load(); }
    // Ends the retrieval and waits for its thread. Once it returns no
    // WM_WEATHER_DONE will be posted; the cache keeps its last whole reply.
    void Stop();
    RetrievalResult LastResult() const;

private:
    template <typename Work>
    bool Run(QObject* receiver, Work work);

    NetEnvironment m_environment;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    std::unique_ptr<CancelToken> m_cancel;
    mutable std::mutex m_resultLock;
    RetrievalResult m_result;
};
