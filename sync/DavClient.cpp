#include "sync/DavClient.h"

#include <curl/curl.h>
#include <strings.h>
#include <sys/wait.h>

#include <algorithm>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/net/CurlGlobal.h"
#include "platform/net/HttpDownload.h"
#include "resources/StringTable.h"

namespace {

struct Transfer {
    std::string body;
    std::string etag;
    uint64_t maxReply = 0;
    bool tooLarge = false;
};

size_t TakeBody(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    if (transfer->body.size() + bytes > transfer->maxReply) {
        transfer->tooLarge = true;
        return 0;  // aborts the transfer
    }
    transfer->body.append(data, bytes);
    return bytes;
}

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    return text.substr(start);
}

size_t TakeHeader(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    const std::string line(data, bytes);
    constexpr std::string_view name = "etag:";
    if (line.size() > name.size() && strncasecmp(line.c_str(), name.data(), name.size()) == 0)
        transfer->etag = Trimmed(line.substr(name.size()));
    if (line.rfind("HTTP/", 0) == 0) transfer->etag.clear();  // a new response (after a redirect or 100)
    return bytes;
}

bool MayPass(CURLcode code)
{
    switch (code) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_COULDNT_RESOLVE_HOST:
        return true;
    default:
        return false;
    }
}

bool MayPass(long status) { return status == 500 || status == 502 || status == 503 || status == 504 || status == 429; }

} // namespace

std::string NetrcFile()
{
    if (const char* netrc = std::getenv("NETRC"); netrc != nullptr && *netrc != '\0') return netrc;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.netrc";
}

bool RunPasswordCommand(const std::string& command, std::string& password, std::string& error)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        error = FormatText(IDS_SYNC_PASSWORD_COMMAND, {command});
        return false;
    }
    std::string output;
    char buffer[512];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    const int status = ::pclose(pipe);
    const std::string firstLine = output.substr(0, output.find('\n'));
    password = firstLine.empty() || firstLine.back() != '\r' ? firstLine : firstLine.substr(0, firstLine.size() - 1);
    if (status != 0 || password.empty()) {
        password.clear();
        error = FormatText(IDS_SYNC_PASSWORD_COMMAND,
                           {command + (status != 0 ? " (exit " + std::to_string(WEXITSTATUS(status)) + ")" : "")});
        return false;
    }
    return true;
}

std::string DavReply::Problem(const std::string& url) const
{
    return !error.empty() ? error : FormatText(IDS_SYNC_SERVER_STATUS, {std::to_string(status), url});
}

DavClient::DavClient(DavAccount account, DavOptions options) : m_account(std::move(account)), m_options(std::move(options))
{
    InitCurlOnce();
    m_curl = curl_easy_init();
    if (!m_options.wait) {
        m_options.wait = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    }
}

DavClient::~DavClient()
{
    std::fill(m_password.begin(), m_password.end(), '\0');
    if (m_curl != nullptr) curl_easy_cleanup(static_cast<CURL*>(m_curl));
}

bool DavClient::Prepare(std::string& error)
{
    if (m_prepared) return true;
    if (!m_account.passwordCommand.empty() && !RunPasswordCommand(m_account.passwordCommand, m_password, error))
        return false;
    m_prepared = true;
    return true;
}

DavReply DavClient::Send(const DavRequest& request)
{
    DavReply reply;
    if (!Prepare(reply.error)) return reply;
    int backoff = m_options.firstBackoffMs;
    for (int attempt = 0;; ++attempt) {
        reply = SendOnce(request);
        const bool transient = reply.answered ? MayPass(reply.status) : reply.status == -1;
        if (!transient || attempt >= m_options.retries) break;
        m_options.wait(backoff);
        backoff *= 2;
    }
    if (reply.answered && reply.status == 401) {
        reply.error = FormatText(IDS_SYNC_WRONG_CREDENTIALS, {request.url});
    } else if (reply.answered && reply.status >= 500) {
        reply.error = FormatText(IDS_SYNC_SERVER_STATUS, {std::to_string(reply.status), request.url});
    }
    if (reply.status == -1) reply.status = 0;
    return reply;
}

// status -1 marks a failure that may pass (a retry is worth it).
DavReply DavClient::SendOnce(const DavRequest& request)
{
    DavReply reply;
    auto* curl = static_cast<CURL*>(m_curl);
    if (curl == nullptr) {
        reply.error = FormatText(IDS_SYNC_NO_ANSWER, {request.url, "libcurl"});
        return reply;
    }
    curl_easy_reset(curl);  // keeps the open connection
    Transfer transfer;
    transfer.maxReply = m_options.maxReply;

    curl_slist* headers = curl_slist_append(nullptr, "Expect:");
    headers = curl_slist_append(headers, ("Content-Type: " + request.contentType).c_str());
    if (request.depth >= 0) headers = curl_slist_append(headers, ("Depth: " + std::to_string(request.depth)).c_str());
    if (!request.ifMatch.empty()) headers = curl_slist_append(headers, ("If-Match: " + request.ifMatch).c_str());
    if (request.ifNoneMatchAny) headers = curl_slist_append(headers, "If-None-Match: *");

    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    CURLU* curlUrl = nullptr;
    curl_easy_setopt(curl, CURLOPT_USERAGENT, kHttpUserAgent);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, m_options.connectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, m_options.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());
    if (!request.body.empty() || request.method == "PUT") {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
    }
    curl_easy_setopt(curl, CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
    const std::string netrc = NetrcFile();
    if (m_account.passwordCommand.empty()) {
        // The login in the URL picks the netrc entry of that user on the host.
        curl_easy_setopt(curl, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
        curl_easy_setopt(curl, CURLOPT_NETRC_FILE, netrc.c_str());
        CURLU* url = curl_url();
        if (curl_url_set(url, CURLUPART_URL, request.url.c_str(), 0) == CURLUE_OK &&
            curl_url_set(url, CURLUPART_USER, m_account.user.c_str(), CURLU_URLENCODE) == CURLUE_OK)
            curl_easy_setopt(curl, CURLOPT_CURLU, url);
        curlUrl = url;
    } else {
        curl_easy_setopt(curl, CURLOPT_USERNAME, m_account.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, m_password.c_str());
    }
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, TakeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, TakeHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);

    ++m_sent;
    const CURLcode code = curl_easy_perform(curl);
    long connects = 0;
    if (curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &connects) == CURLE_OK) m_connections += static_cast<int>(connects);
    curl_slist_free_all(headers);
    curl_easy_setopt(curl, CURLOPT_PASSWORD, "");
    curl_easy_setopt(curl, CURLOPT_CURLU, nullptr);
    if (curlUrl != nullptr) curl_url_cleanup(curlUrl);

    if (code == CURLE_OK) {
        reply.answered = true;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
        reply.body = std::move(transfer.body);
        reply.etag = std::move(transfer.etag);
    } else if (transfer.tooLarge) {
        reply.error = FormatText(IDS_SYNC_REPLY_TOO_LARGE, {std::to_string(m_options.maxReply)});
    } else {
        reply.error = FormatText(IDS_SYNC_NO_ANSWER, {request.url, curl_easy_strerror(code)});
        if (MayPass(code)) reply.status = -1;
    }
    return reply;
}
