#include "platform/net/DownloadUrl.h"

#include <chrono>

#include "platform/net/NetConnection.h"

namespace {

// Polls the connecting thread's state until it connects (true) or gives up.
bool WaitForConnection(CNetConnection& connection, CancelToken* cancel)
{
    NetEvent neverSet;
    NetEvent& cancelled = cancel != nullptr ? cancel->Event() : neverSet;
    for (int poll = 0; poll < kConnectionPolls; ++poll) {
        const int32_t state = connection.State();
        if (state == CONN_CONNECTED) return true;
        // A thread that has ended without connecting will not connect any more.
        if (state == CONN_FAILED || state == CONN_DISCONNECTED || state == CONN_FINISHED) return false;
        // Wakes early when the state changes; otherwise one poll period.
        if (NetEvent::WaitAny({&cancelled, &connection.StateChanged()},
                              std::chrono::milliseconds(kConnectionPollMs)) == 0)
            return false;
    }
    return false;
}

} // namespace

DownloadResult DownloadUrl(const std::string& host, const std::string& path, const std::filesystem::path& localFile,
                           const NetEnvironment& environment, CancelToken* cancel)
{
    DownloadResult result;
    CNetConnection connection(environment);
    if (connection.CheckConnection(host, 0) != 0) {
        if (connection.StartConnection(host, 0) != 0 || !WaitForConnection(connection, cancel)) {
            result.error = "no connection";
            return result;
        }
    }
    HttpOptions options;
    options.cancel = cancel;
    const HttpResult http = HttpGetToFile(host + path, localFile, options);
    result.outcome = http.answered ? DownloadOutcome::kAnswered : DownloadOutcome::kNoAnswer;
    result.httpStatus = http.status;
    result.error = http.error;
    return result;
}
