#include "tests/weather/WeatherServer.h"

#include <filesystem>

#include "platform/net/HttpDownload.h"
#include "tests/platform/device/TempDevice.h"

WeatherServer::WeatherServer()
{
    m_process.start(QStringLiteral("python3"), {QStringLiteral(DAYVANE_WEATHER_SERVER)});
    if (!m_process.waitForStarted(10000)) return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
    }
    const QByteArray port = m_process.readLine().trimmed();
    if (!port.isEmpty()) m_url = "http://127.0.0.1:" + port.toStdString();
}

WeatherServer::~WeatherServer()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

namespace {

std::string Get(const std::string& url)
{
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("dayvane-server-" + std::to_string(::getpid()));
    HttpGetToFile(url, file);
    std::string body = ReadWholeFile(file);
    std::filesystem::remove(file);
    return body;
}

} // namespace

void WeatherServer::SetMode(const std::string& mode) { Get(m_url + "/_mode/" + mode); }

std::string WeatherServer::Log() { return Get(m_url + "/_log"); }
