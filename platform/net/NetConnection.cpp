#include "platform/net/NetConnection.h"

#include <chrono>
#include <cstdio>

std::string ErrorReportParameters(uint32_t status)
{
    char text[40];
    std::snprintf(text, sizeof text, "-CMERROR 0x%x -report", status);
    return text;
}

CNetConnection::CNetConnection(NetEnvironment environment) : m_environment(std::move(environment)) {}

CNetConnection::~CNetConnection() { StopThread(); }

void CNetConnection::StopThread()
{
    if (!m_thread.joinable()) return;
    m_stop.Set();
    // The stand-in's connecting thread ends as soon as it sees the stop event,
    // so the bounded wait is the whole wait in practice.
    NetEvent::WaitAny({&m_threadEnded}, std::chrono::milliseconds(kConnectionStopWaitMs));
    m_thread.join();
    m_threadEnded.Reset();
}

void CNetConnection::SetState(int32_t state)
{
    m_state.store(state);
    m_stateChanged.Set();
}

ConnectionInfo CNetConnection::Request(bool onlyTest) const
{
    ConnectionInfo info;
    info.flags = m_proxyFlag != 0 ? CONNMGR_FLAG_PROXY_HTTP : 0;
    info.destination = m_destination;
    info.disabled = onlyTest;
    info.params = onlyTest ? (CONNMGR_PARAM_GUIDDESTNET | CONNMGR_PARAM_MAXCONNLATENCY) : CONNMGR_PARAM_GUIDDESTNET;
    info.maxConnectionLatencyMs = onlyTest ? 4000 : 0;
    return info;
}

HRESULT CNetConnection::MapUrl(const std::string& url, int32_t proxyFlag)
{
    m_proxyFlag = proxyFlag;
    m_url = url;
    return m_environment.manager->MapUrl(m_url, &m_destination);
}

HRESULT CNetConnection::CheckConnection(const std::string& url, int32_t proxyFlag)
{
    HRESULT result = MapUrl(url, proxyFlag);
    if (result < 0) return result;
    std::shared_ptr<ConnectionRequest> request;
    result = m_environment.manager->Establish(Request(true), &request);
    if (result < 0) return result;
    if (NetEvent::WaitAny({&request->Changed()}, std::chrono::milliseconds(400)) < 0) {
        result = E_FAIL;
    } else {
        uint32_t status = 0;
        const bool known = request->Status(&status) >= 0;
        result = known && (status == CONNMGR_STATUS_CONNECTED || status == CONNMGR_STATUS_CONNECTIONDISABLED) ? 0 : 1;
    }
    m_environment.manager->Release(request, false);
    return result;
}

HRESULT CNetConnection::StartConnection(const std::string& url, int32_t proxyFlag)
{
    // The previous thread reads the mapped destination: end it before mapping anew.
    StopThread();
    const HRESULT mapped = MapUrl(url, proxyFlag);
    if (mapped < 0) return mapped;
    m_stop.Reset();
    // Before the thread exists: set afterwards, it could hide a state the
    // thread had already reported and leave the poller waiting for nothing.
    SetState(CONN_STARTED);
    try {
        m_thread = std::thread([this] {
            ConnectionThread();
            m_threadEnded.Set();
        });
    } catch (const std::system_error&) {
        SetState(CONN_FAILED);
        return E_FAIL;
    }
    return S_OK;
}

uint32_t CNetConnection::ConnectionThread()
{
    if (m_environment.manager->Establish(Request(false), &m_connection) < 0 || !m_connection) {
        m_connection.reset();
        OnFailed();
        m_cacheOnRelease = false;
    } else {
        OnConnecting();
        // m_stop is never reset here: a stop sent while establishing must still end the loop.
        for (;;) {
            if (NetEvent::WaitAny({&m_connection->Changed(), &m_stop}) != 0) break;
            uint32_t status = 0;
            const HRESULT queried = m_connection->Status(&status);
            if (queried < 0) {
                m_lastStatus.store(static_cast<uint32_t>(queried));
                break;
            }
            m_lastStatus.store(status);
            if (OnStatus(status) != 0) break;
        }
    }
    OnFinished();
    if (m_connection) {
        m_environment.manager->Release(m_connection, m_cacheOnRelease);
        m_connection.reset();
    }
    return m_lastStatus.load();
}

HRESULT CNetConnection::OnStatus(uint32_t status)
{
    if (status & 0x20) {
        if (status == CONNMGR_STATUS_DISCONNECTED) {
            const HRESULT result = OnDisconnected();
            m_cacheOnRelease = true;
            return result;
        }
        const HRESULT result = OnFailed();
        m_cacheOnRelease = false;
        return result;
    }
    if (status == CONNMGR_STATUS_CONNECTED) return OnConnected();
    if (status & 0x40) return OnWaiting();
    return 0;
}

HRESULT CNetConnection::OnConnecting()
{
    SetState(CONN_ESTABLISHING);
    return 0;
}

HRESULT CNetConnection::OnFailed()
{
    SetState(CONN_FAILED);
    if (m_environment.launchErrorReport)
        m_environment.launchErrorReport(":MSREMNET", ErrorReportParameters(m_lastStatus.load()));
    return E_FAIL;
}

HRESULT CNetConnection::OnConnected()
{
    SetState(CONN_CONNECTED);
    return 0;
}

HRESULT CNetConnection::OnDisconnected()
{
    SetState(CONN_DISCONNECTED);
    return E_FAIL;
}

HRESULT CNetConnection::OnWaiting()
{
    SetState(CONN_WAITING);
    return 0;
}

HRESULT CNetConnection::OnFinished()
{
    // A failure or disconnection stays visible to the polling download, which
    // would otherwise read "finished" and wait out its full minute.
    const int32_t state = State();
    if (state != CONN_FAILED && state != CONN_DISCONNECTED) SetState(CONN_FINISHED);
    return 0;
}
