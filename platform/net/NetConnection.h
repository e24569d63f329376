// CNetConnection: asks whether a connection to a URL's network is usable,
// brings one up on a connecting thread and watches its status until told to
// stop. The downloading thread polls the state; the two threads share only
// that word and the stop event.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "platform/net/ConnectionManager.h"
#include "platform/net/NetEvent.h"

// States, polled by the download.
inline constexpr int32_t CONN_CONNECTED = 0;
inline constexpr int32_t CONN_FAILED = 1;
inline constexpr int32_t CONN_DISCONNECTED = 2;
inline constexpr int32_t CONN_WAITING = 3;
inline constexpr int32_t CONN_FINISHED = 4;
inline constexpr int32_t CONN_ESTABLISHING = 5;
inline constexpr int32_t CONN_STARTED = 6;
inline constexpr int32_t CONN_UNSET = -1;

// The stop-and-wait for the connecting thread is bounded to this.
inline constexpr int kConnectionStopWaitMs = 3000;

class CNetConnection {
public:
    explicit CNetConnection(NetEnvironment environment);
    virtual ~CNetConnection();
    CNetConnection(const CNetConnection&) = delete;
    CNetConnection& operator=(const CNetConnection&) = delete;

    HRESULT MapUrl(const std::string& url, int32_t proxyFlag);
    // 0 when a connection is usable now, 1 when not, else a failure code.
    // Never brings a connection up.
    HRESULT CheckConnection(const std::string& url, int32_t proxyFlag);
    // Maps the URL and starts the connecting thread.
    HRESULT StartConnection(const std::string& url, int32_t proxyFlag);

    int32_t State() const { return m_state.load(); }
    uint32_t LastStatus() const { return m_lastStatus.load(); }
    // Set whenever the state changes, so that a poll need not sleep its full period.
    NetEvent& StateChanged() { return m_stateChanged; }

protected:
    virtual HRESULT OnStatus(uint32_t status);
    virtual HRESULT OnConnecting();
    virtual HRESULT OnFailed();
    virtual HRESULT OnConnected();
    virtual HRESULT OnDisconnected();
    virtual HRESULT OnWaiting();
    virtual HRESULT OnFinished();

    void SetState(int32_t state);

private:
    ConnectionInfo Request(bool onlyTest) const;
    uint32_t ConnectionThread();
    void StopThread();

    NetEnvironment m_environment;
    std::atomic<int32_t> m_state{CONN_UNSET};
    std::string m_url;
    int32_t m_proxyFlag = 0;
    std::shared_ptr<ConnectionRequest> m_connection;
    bool m_cacheOnRelease = false;
    NetworkGuid m_destination{};
    std::atomic<uint32_t> m_lastStatus{0};
    NetEvent m_stop;
    NetEvent m_stateChanged;
    NetEvent m_threadEnded{true, false};
    std::thread m_thread;
};

// "-CMERROR 0x21 -report": the error report's parameters for a status.
std::string ErrorReportParameters(uint32_t status);
