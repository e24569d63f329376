// HTTP GET into a file over libcurl. The body goes to a temporary file beside
// the target, which replaces the target only when the whole body has arrived:
// a cut connection never destroys the last good copy.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/net/NetEvent.h"

inline constexpr const char* kHttpUserAgent = "Dayvane/1.0";
// Bodies beyond this are refused, so that a hostile server cannot fill the disk.
inline constexpr uint64_t kMaxHttpBody = 1 << 20;

struct HttpOptions {
    long connectTimeoutSeconds = 20;
    long totalTimeoutSeconds = 60;
    uint64_t maxBody = kMaxHttpBody;
    CancelToken* cancel = nullptr;  // checked while the transfer runs
};

struct HttpResult {
    bool answered = false;  // a whole body arrived and replaced the target
    long status = 0;        // the HTTP status of the answer
    std::string error;      // why not, when not answered
};

// Only http and https, also on redirects; certificates are verified and no
// cached copy is used. Whatever the status, an answered request replaces the target.
HttpResult HttpGetToFile(const std::string& url, const std::filesystem::path& target, const HttpOptions& options = {});
