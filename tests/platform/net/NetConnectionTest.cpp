#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <mutex>
#include <vector>

#include "platform/net/DownloadUrl.h"
#include "platform/net/NetConnection.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/weather/WeatherServer.h"

namespace {

// Hands out the scripted statuses, one per change of the establish request.
class ScriptedRequest : public ConnectionRequest {
public:
    explicit ScriptedRequest(std::vector<uint32_t> statuses) : m_statuses(std::move(statuses))
    {
        if (!m_statuses.empty()) Changed().Set();
    }
    HRESULT Status(uint32_t* status) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        *status = m_statuses[m_next];
        if (m_next + 1 < m_statuses.size()) {
            ++m_next;
            Changed().Set();
        }
        return S_OK;
    }

private:
    std::mutex m_lock;
    std::vector<uint32_t> m_statuses;
    size_t m_next = 0;
};

class ScriptedManager : public ConnectionManager {
public:
    ScriptedManager(uint32_t checkStatus, std::vector<uint32_t> connectStatuses)
        : m_checkStatus(checkStatus), m_connectStatuses(std::move(connectStatuses))
    {
    }
    HRESULT MapUrl(const std::string&, NetworkGuid* network) override
    {
        network->fill(7);
        return S_OK;
    }
    HRESULT Establish(const ConnectionInfo& info, std::shared_ptr<ConnectionRequest>* request) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        requests.push_back(info);
        *request = std::make_shared<ScriptedRequest>(info.disabled ? std::vector<uint32_t>{m_checkStatus}
                                                                   : m_connectStatuses);
        return S_OK;
    }
    HRESULT Release(const std::shared_ptr<ConnectionRequest>&, bool cache) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        releases.push_back(cache);
        return S_OK;
    }
    std::vector<ConnectionInfo> requests;
    std::vector<bool> releases;

private:
    std::mutex m_lock;
    uint32_t m_checkStatus;
    std::vector<uint32_t> m_connectStatuses;
};

struct Scripted {
    Scripted(uint32_t check, std::vector<uint32_t> connect)
        : manager(std::make_shared<ScriptedManager>(check, std::move(connect)))
    {
        environment.manager = manager;
        environment.launchErrorReport = [this](const std::string& file, const std::string& parameters) {
            reports.push_back(file + " " + parameters);
        };
    }
    std::shared_ptr<ScriptedManager> manager;
    NetEnvironment environment;
    std::vector<std::string> reports;
};

class Download : public ::testing::Test {
protected:
    std::filesystem::path Target() const { return device.Dir() / "reply.xml"; }
    TempDevice device;
    WeatherServer server;
};

TEST_F(Download, AUsableConnectionDownloadsAtOnceWithoutAThread)
{
    for (uint32_t status : {CONNMGR_STATUS_CONNECTED, CONNMGR_STATUS_CONNECTIONDISABLED}) {
        Scripted net(status, {});
        const DownloadResult result = DownloadUrl(server.Url(), "/ig/api?weather=x&hl=ko", Target(), net.environment);
        EXPECT_EQ(result.outcome, DownloadOutcome::kAnswered);
        ASSERT_EQ(net.manager->requests.size(), 1u);  // only the test request
        EXPECT_TRUE(net.manager->requests[0].disabled);
        EXPECT_EQ(net.manager->requests[0].params, 9u);
        EXPECT_EQ(net.manager->requests[0].maxConnectionLatencyMs, 4000u);
        EXPECT_NE(ReadWholeFile(Target()).find("xml_api_reply"), std::string::npos);
    }
}

TEST_F(Download, ConnectingFirstThenDownloading)
{
    Scripted net(0x20, {CONNMGR_STATUS_WAITINGCONNECTION, CONNMGR_STATUS_CONNECTED});
    EXPECT_EQ(DownloadUrl(server.Url(), "/forecastrss?p=x&u=c", Target(), net.environment).outcome,
              DownloadOutcome::kAnswered);
    ASSERT_EQ(net.manager->requests.size(), 2u);
    EXPECT_FALSE(net.manager->requests[1].disabled);
    EXPECT_EQ(net.manager->requests[1].params, 1u);
    EXPECT_TRUE(net.reports.empty());
}

TEST_F(Download, DisconnectedOrFailedEndTheWaitAndTouchNothing)
{
    WriteWholeFile(Target(), "old forecast");
    Scripted disconnected(0x20, {CONNMGR_STATUS_DISCONNECTED});
    EXPECT_EQ(DownloadUrl(server.Url(), "/ig/api?weather=x&hl=ko", Target(), disconnected.environment).outcome,
              DownloadOutcome::kNoConnection);
    EXPECT_TRUE(disconnected.reports.empty());
    EXPECT_EQ(disconnected.manager->releases.back(), true);  // cached after a plain disconnection

    Scripted failed(0x20, {CONNMGR_STATUS_CONNECTIONFAILED});
    EXPECT_EQ(DownloadUrl(server.Url(), "/ig/api?weather=x&hl=ko", Target(), failed.environment).outcome,
              DownloadOutcome::kNoConnection);
    ASSERT_EQ(failed.reports.size(), 1u);
    EXPECT_EQ(failed.reports[0], ":MSREMNET -CMERROR 0x21 -report");
    EXPECT_EQ(ReadWholeFile(Target()), "old forecast");
}

TEST_F(Download, AnErrorPageStillReplacesTheFileButACutBodyDoesNot)
{
    NetEnvironment net = SystemNetEnvironment();
    WriteWholeFile(Target(), "old forecast");
    server.SetMode("cut");
    EXPECT_EQ(DownloadUrl(server.Url(), "/ig/api?weather=x&hl=ko", Target(), net).outcome, DownloadOutcome::kNoAnswer);
    EXPECT_EQ(ReadWholeFile(Target()), "old forecast");

    server.SetMode("huge");
    EXPECT_EQ(DownloadUrl(server.Url(), "/ig/api?weather=x&hl=ko", Target(), net).outcome, DownloadOutcome::kNoAnswer);
    EXPECT_EQ(ReadWholeFile(Target()), "old forecast");

    server.SetMode("404");
    const DownloadResult page = DownloadUrl(server.Url(), "/ig/api?weather=x&hl=ko", Target(), net);
    EXPECT_EQ(page.outcome, DownloadOutcome::kAnswered);
    EXPECT_EQ(page.httpStatus, 404);
    EXPECT_NE(ReadWholeFile(Target()).find("Not Found"), std::string::npos);

    // No temporary file is left behind by any of them.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(device.Dir()))
        files += entry.path().filename().string().find("reply") != std::string::npos ? 1 : 0;
    EXPECT_EQ(files, 1);
}

TEST_F(Download, OnlyHttpSchemesAndACancelledDownloadEndsPromptly)
{
    const NetEnvironment net = SystemNetEnvironment();
    EXPECT_NE(HttpGetToFile("file:///etc/hostname", Target()).answered, true);
    EXPECT_FALSE(std::filesystem::exists(Target()));

    server.SetMode("slow");
    CancelToken cancel;
    cancel.Cancel();
    EXPECT_EQ(DownloadUrl(server.Url(), "/ig/api?weather=x&hl=ko", Target(), net, &cancel).outcome,
              DownloadOutcome::kNoAnswer);
    EXPECT_FALSE(std::filesystem::exists(Target()));
}

// Tells the test when the connecting thread has reported its outcome.
class ReportingConnection : public CNetConnection {
public:
    using CNetConnection::CNetConnection;
    NetEvent reported{true, false};

protected:
    HRESULT OnConnected() override
    {
        const HRESULT result = CNetConnection::OnConnected();
        reported.Set();
        return result;
    }
    HRESULT OnFailed() override
    {
        const HRESULT result = CNetConnection::OnFailed();
        reported.Set();
        return result;
    }
};

TEST(NetConnection, StartingNeverHidesWhatTheConnectingThreadReported)
{
    // The thread may report before StartConnection returns; a poller must
    // still see that outcome. Repeated because the order is up to the scheduler.
    for (uint32_t status : {CONNMGR_STATUS_CONNECTED, CONNMGR_STATUS_CONNECTIONFAILED}) {
        for (int attempt = 0; attempt < 200; ++attempt) {
            Scripted net(0x20, {status});
            ReportingConnection connection(net.environment);
            ASSERT_EQ(connection.StartConnection("http://example.invalid/", 0), S_OK);
            ASSERT_GE(NetEvent::WaitAny({&connection.reported}, std::chrono::seconds(30)), 0);
            ASSERT_EQ(connection.State(), status == CONNMGR_STATUS_CONNECTED ? CONN_CONNECTED : CONN_FAILED)
                << "attempt " << attempt;
        }
    }
}

TEST(NetConnection, StoppingRightAfterStartingEndsTheThread)
{
    // A stop sent before the thread first waits must not be lost, or the
    // destructor would wait for the thread forever.
    for (int attempt = 0; attempt < 200; ++attempt) {
        Scripted net(0x20, {CONNMGR_STATUS_WAITINGCONNECTION});
        CNetConnection connection(net.environment);
        ASSERT_EQ(connection.StartConnection("http://example.invalid/", 0), S_OK);
    }
}

TEST(NetConnection, UnmappableUrlAndErrorParameters)
{
    const NetEnvironment net = SystemNetEnvironment();
    CNetConnection connection(net);
    EXPECT_LT(connection.CheckConnection("not a url", 0), 0);
    EXPECT_EQ(ErrorReportParameters(0x21), "-CMERROR 0x21 -report");
    EXPECT_EQ(ErrorReportParameters(0x2F), "-CMERROR 0x2f -report");
    EXPECT_EQ(UrlHost("http://user@[::1]:8080/x"), "::1");
    EXPECT_EQ(UrlHost("https://api.open-meteo.com/v1"), "api.open-meteo.com");
}

} // namespace
