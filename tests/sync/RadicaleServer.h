// A Radicale CalDAV server for one test: a free loopback port, a temporary
// storage folder and one htpasswd user; stopped and removed with the object.
#pragma once

#include <QProcess>

#include <filesystem>
#include <string>

#include "sync/DavClient.h"

class RadicaleServer {
public:
    static constexpr const char* kUser = "kim";
    static constexpr const char* kPassword = "secret";

    RadicaleServer();
    ~RadicaleServer();
    RadicaleServer(const RadicaleServer&) = delete;
    RadicaleServer& operator=(const RadicaleServer&) = delete;

    // Empty when Radicale is missing or did not start; Why() says why.
    bool Running() const { return !m_origin.empty(); }
    const std::string& Why() const { return m_why; }
    // "http://127.0.0.1:PORT"
    const std::string& Origin() const { return m_origin; }
    // Creates the user's calendar collection `name` and returns its URL (with
    // the trailing slash); empty on failure.
    std::string MakeCalendar(const std::string& name);
    // A password command that prints the user's password.
    static std::string PasswordCommand() { return std::string("echo ") + kPassword; }

private:
    QProcess m_process;
    std::filesystem::path m_folder;
    std::string m_origin;
    std::string m_why;
};

// A PUT of an iCalendar resource, as any client writes one.
inline DavRequest IcsPut(const std::string& url, const std::string& body)
{
    DavRequest request = MakeDavRequest("PUT", url, body);
    request.contentType = "text/calendar; charset=utf-8";
    return request;
}

// A free TCP port on 127.0.0.1 at the time of asking.
int FreeLoopbackPort();
