#include "platform/net/ConnectionManager.h"

#include <netdb.h>
#include <sys/socket.h>

#include <mutex>

namespace {

class FixedStatusRequest : public ConnectionRequest {
public:
    explicit FixedStatusRequest(uint32_t status) : m_status(status) { Changed().Set(); }
    HRESULT Status(uint32_t* status) override
    {
        *status = m_status;
        return S_OK;
    }

private:
    uint32_t m_status;
};

bool HostResolves(const std::string& host)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) return false;
    freeaddrinfo(found);
    return true;
}

class SystemConnectionManager : public ConnectionManager {
public:
    HRESULT MapUrl(const std::string& url, NetworkGuid* network) override
    {
        network->fill(0);  // one network: the machine's own
        std::lock_guard<std::mutex> guard(m_lock);
        m_lastHost = UrlHost(url);
        return UrlHost(url).empty() ? E_INVALIDARG : S_OK;
    }

    HRESULT Establish(const ConnectionInfo&, std::shared_ptr<ConnectionRequest>* request) override
    {
        // Every establish follows a MapUrl of its URL; a resolving host is a usable path.
        std::string host;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            host = m_lastHost;
        }
        const bool usable = !host.empty() && HostResolves(host);
        *request = std::make_shared<FixedStatusRequest>(usable ? CONNMGR_STATUS_CONNECTED
                                                               : CONNMGR_STATUS_CONNECTIONFAILED);
        return S_OK;
    }

    HRESULT Release(const std::shared_ptr<ConnectionRequest>&, bool) override { return S_OK; }

private:
    std::mutex m_lock;
    std::string m_lastHost;
};

} // namespace

NetEnvironment SystemNetEnvironment()
{
    return {std::make_shared<SystemConnectionManager>(), [](const std::string&, const std::string&) {}};
}

std::string UrlHost(const std::string& url)
{
    const size_t scheme = url.find("://");
    if (scheme == std::string::npos) return {};
    size_t start = scheme + 3;
    const size_t at = url.find_first_of("@/?#", start);
    if (at != std::string::npos && url[at] == '@') start = at + 1;
    if (start < url.size() && url[start] == '[') {
        const size_t close = url.find(']', start);
        return close == std::string::npos ? std::string() : url.substr(start + 1, close - start - 1);
    }
    const size_t end = url.find_first_of(":/?#", start);
    return url.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
