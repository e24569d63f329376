// The local weather server (weather_server.py) for one test: started on a
// free loopback port, stopped with the object.
#pragma once

#include <QProcess>
#include <string>

class WeatherServer {
public:
    WeatherServer();
    ~WeatherServer();
    // "http://127.0.0.1:PORT"; empty when the server did not start.
    const std::string& Url() const { return m_url; }
    // Switches how forecast requests are answered (see the script).
    void SetMode(const std::string& mode);
    // Request paths served so far, one a line.
    std::string Log();

private:
    QProcess m_process;
    std::string m_url;
};
