#include "platform/net/HttpDownload.h"

#include "platform/net/CurlGlobal.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <thread>

namespace {

// A name no other writer, thread or process, picks at the same time.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    const size_t thread = std::hash<std::thread::id>{}(std::this_thread::get_id());
    char suffix[80];
    std::snprintf(suffix, sizeof suffix, ".%ld.%zx.%u.tmp", static_cast<long>(getpid()), thread, counter++);
    std::string name = target.filename().string();
    name.insert(name.begin(), '.');
    name.append(suffix);
    return target.parent_path() / name;
}

struct Transfer {
    int fd = -1;
    uint64_t written = 0;
    uint64_t maxBody = 0;
    bool tooLarge = false;
    bool writeFailed = false;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    if (transfer->written + bytes > transfer->maxBody) {
        transfer->tooLarge = true;
        return 0;  // aborts the transfer
    }
    size_t done = 0;
    while (done < bytes) {
        const ssize_t n = ::write(transfer->fd, data + done, bytes - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            transfer->writeFailed = true;
            return 0;
        }
        done += static_cast<size_t>(n);
    }
    transfer->written += bytes;
    return bytes;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* cancel = static_cast<CancelToken*>(user);
    return cancel != nullptr && cancel->IsCancelled() ? 1 : 0;
}

bool SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

HttpResult HttpGetToFile(const std::string& url, const std::filesystem::path& target, const HttpOptions& options)
{
    HttpResult result;
    InitCurlOnce();
    const std::filesystem::path temporary = TemporaryBeside(target);
    Transfer transfer;
    transfer.maxBody = options.maxBody;
    transfer.fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (transfer.fd < 0) {
        result.error = "cannot create " + temporary.string();
        return result;
    }

    CURL* curl = curl_easy_init();
    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    headers = curl_slist_append(headers, "Pragma: no-cache");
    CURLcode code = CURLE_FAILED_INIT;
    if (curl != nullptr) {
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_USERAGENT, kHttpUserAgent);
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, options.connectTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, options.totalTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, options.cancel);
        code = curl_easy_perform(curl);
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
        curl_easy_cleanup(curl);
    }
    curl_slist_free_all(headers);

    bool complete = code == CURLE_OK && ::fsync(transfer.fd) == 0;
    if (::close(transfer.fd) != 0) complete = false;
    if (complete) {
        std::error_code ec;
        std::filesystem::rename(temporary, target, ec);
        if (!ec) {
            SyncFolder(target.parent_path());
            result.answered = true;
            return result;
        }
        result.error = "cannot replace " + target.string() + ": " + ec.message();
    } else if (transfer.tooLarge) {
        result.error = "reply larger than " + std::to_string(options.maxBody) + " bytes";
    } else if (transfer.writeFailed) {
        result.error = "cannot write " + temporary.string();
    } else {
        result.error = curl_easy_strerror(code);
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return result;
}
