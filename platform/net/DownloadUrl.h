// DownloadUrl: brings a connection up when needed (CNetConnection) and copies
// host + path into a local file. Nothing is written without a whole answer.
#pragma once

#include <filesystem>
#include <string>

#include "platform/net/ConnectionManager.h"
#include "platform/net/HttpDownload.h"

// How long a download waits for a connection: 120 polls of 500 ms.
inline constexpr int kConnectionPolls = 120;
inline constexpr int kConnectionPollMs = 500;

enum class DownloadOutcome { kNoConnection, kNoAnswer, kAnswered };

struct DownloadResult {
    DownloadOutcome outcome = DownloadOutcome::kNoConnection;
    long httpStatus = 0;
    std::string error;
};

DownloadResult DownloadUrl(const std::string& host, const std::string& path, const std::filesystem::path& localFile,
                           const NetEnvironment& environment, CancelToken* cancel = nullptr);
