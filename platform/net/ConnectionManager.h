// The connection manager stand-in: maps a URL to a destination network,
// establishes a connection request whose status the caller watches, and
// releases it. The system one reports a usable connection when the URL's host
// resolves; tests inject another with any sequence of statuses.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/net/NetEvent.h"

using HRESULT = int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

inline constexpr uint32_t CONNMGR_STATUS_UNKNOWN = 0x00;
inline constexpr uint32_t CONNMGR_STATUS_CONNECTED = 0x10;
inline constexpr uint32_t CONNMGR_STATUS_DISCONNECTED = 0x20;
inline constexpr uint32_t CONNMGR_STATUS_CONNECTIONFAILED = 0x21;
inline constexpr uint32_t CONNMGR_STATUS_CONNECTIONDISABLED = 0x23;
inline constexpr uint32_t CONNMGR_STATUS_WAITINGCONNECTION = 0x40;

inline constexpr uint32_t CONNMGR_PARAM_GUIDDESTNET = 0x1;
inline constexpr uint32_t CONNMGR_PARAM_MAXCONNLATENCY = 0x8;
inline constexpr uint32_t CONNMGR_FLAG_PROXY_HTTP = 0x1;
inline constexpr uint32_t CONNMGR_PRIORITY_USERINTERACTIVE = 0x8000;

using NetworkGuid = std::array<uint8_t, 16>;

// CONNMGR_CONNECTIONINFO as both uses fill it.
struct ConnectionInfo {
    uint32_t size = 64;
    uint32_t params = 0;
    uint32_t flags = 0;
    uint32_t priority = CONNMGR_PRIORITY_USERINTERACTIVE;
    bool exclusive = false;
    bool disabled = false;  // only ask whether a connection could be made
    NetworkGuid destination{};
    uint32_t maxConnectionLatencyMs = 0;
};

// An established request (the handle): Changed() is set whenever the status changes.
class ConnectionRequest {
public:
    virtual ~ConnectionRequest() = default;
    virtual HRESULT Status(uint32_t* status) = 0;
    NetEvent& Changed() { return m_changed; }

private:
    NetEvent m_changed;
};

class ConnectionManager {
public:
    virtual ~ConnectionManager() = default;
    // A negative result means the URL cannot be mapped.
    virtual HRESULT MapUrl(const std::string& url, NetworkGuid* network) = 0;
    virtual HRESULT Establish(const ConnectionInfo& info, std::shared_ptr<ConnectionRequest>* request) = 0;
    virtual HRESULT Release(const std::shared_ptr<ConnectionRequest>& request, bool cache) = 0;
};

// Starts the platform's connection error report: file ":MSREMNET" and
// parameters such as "-CMERROR 0x21 -report".
using ErrorReportLauncher = std::function<void(const std::string& file, const std::string& parameters)>;

// What a download runs on; tests replace either part.
struct NetEnvironment {
    std::shared_ptr<ConnectionManager> manager;
    ErrorReportLauncher launchErrorReport;
};

// The system's manager (connected when the host resolves) and a report
// launcher that shows nothing: a desktop has no connection error report.
// The manager answers for the URL last mapped: give each downloading thread its own.
NetEnvironment SystemNetEnvironment();

// The host part of an http or https URL ("[::1]" gives "::1"); empty when none.
std::string UrlHost(const std::string& url);
