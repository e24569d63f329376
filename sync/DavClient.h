// WebDAV requests over one libcurl handle, so that a whole run reuses one
// connection. Every request is bounded (reply size, time) and retried with
// back-off when the server or the network fails in a way that may pass.
// Passwords come from the user's netrc file (libcurl reads it) or from the
// first line of a password command's output; neither is kept beyond the client.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

inline constexpr uint64_t kDefaultSyncMaxReply = 64ull << 20;

struct DavAccount {
    std::string user;
    std::string passwordCommand;  // empty: the netrc file ($NETRC, else ~/.netrc)
};

struct DavOptions {
    uint64_t maxReply = kDefaultSyncMaxReply;
    long connectTimeoutSeconds = 20;
    long stallSeconds = 60;      // no byte for this long ends the request
    int retries = 3;             // further attempts after a failure that may pass
    int firstBackoffMs = 1000;   // doubled before each further attempt
    // Waits between attempts; replaced by tests.
    std::function<void(int ms)> wait;
};

struct DavRequest {
    std::string method;   // PROPFIND, REPORT, PUT, DELETE, GET
    std::string url;
    std::string body;
    std::string contentType = "application/xml; charset=utf-8";
    int depth = -1;       // -1: no Depth header
    std::string ifMatch;  // an ETag
    bool ifNoneMatchAny = false;
};

inline DavRequest MakeDavRequest(std::string method, std::string url, std::string body = {}, int depth = -1)
{
    DavRequest request;
    request.method = std::move(method);
    request.url = std::move(url);
    request.body = std::move(body);
    request.depth = depth;
    return request;
}

struct DavReply {
    bool answered = false;  // a whole reply arrived (any status)
    long status = 0;
    std::string body;
    std::string etag;       // the ETag header, when the server sent one
    std::string error;      // for the user, when not answered or the status is an error

    bool Success() const { return answered && status >= 200 && status < 300; }
    // What went wrong with the request to `url`, for the user.
    std::string Problem(const std::string& url) const;
};

class DavClient {
public:
    DavClient(DavAccount account, DavOptions options = {});
    ~DavClient();
    DavClient(const DavClient&) = delete;
    DavClient& operator=(const DavClient&) = delete;

    // Runs the password command now (once); false with `error` set when it fails.
    bool Prepare(std::string& error);
    // One request with its retries. A reply of status 401 or 5xx, or no reply,
    // carries an error text for the user; other statuses are for the caller.
    DavReply Send(const DavRequest& request);
    // Requests sent over the network so far, retries included.
    int RequestsSent() const { return m_sent; }
    // Connections opened for them: fewer than the requests when the server keeps them alive.
    int ConnectionsOpened() const { return m_connections; }

private:
    DavReply SendOnce(const DavRequest& request);

    DavAccount m_account;
    DavOptions m_options;
    std::string m_password;
    bool m_prepared = false;
    int m_sent = 0;
    int m_connections = 0;
    void* m_curl = nullptr;
};

// The first line of the command's output (run by /bin/sh); false with `error`
// when it cannot run, fails or prints nothing.
bool RunPasswordCommand(const std::string& command, std::string& password, std::string& error);

// The netrc file libcurl reads: $NETRC, else ~/.netrc.
std::string NetrcFile();
