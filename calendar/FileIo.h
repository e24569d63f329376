// Whole-file reads and atomic replacement for the calendar's own files.
#pragma once

#include <string>
#include <string_view>

// Reads the whole file. Returns 0, or the errno that stopped it (EFBIG for a
// file too large to be one of ours).
int ReadWholeFile(const std::string& path, std::string& out);

// Writes `bytes` to folder/tempName, flushes it to disk, renames it over
// folder/targetName and flushes the folder. The old file is never deleted
// first: on any failure it stays as it was, the temporary file is removed and
// `error` says what failed.
bool ReplaceFileAtomically(const std::string& folder, const std::string& targetName,
                           const std::string& tempName, std::string_view bytes,
                           std::string& error);

bool SyncFolder(const std::string& folder);
bool PathExists(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);

// An exclusive advisory lock (flock) on a file, created when missing and held
// until the object goes. The kernel drops it when the process dies, so a
// killed writer never leaves the others waiting.
class ExclusiveFileLock {
public:
    ExclusiveFileLock() = default;
    ~ExclusiveFileLock();
    ExclusiveFileLock(const ExclusiveFileLock&) = delete;
    ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;

    // Waits for the lock. False with `error` set when the file cannot be opened.
    bool Acquire(const std::string& path, std::string& error);

private:
    int fd_ = -1;
};

// A name for a temporary file that no other process or thread writing the
// same folder uses at the same time: `prefix` followed by ".pid.tid".
std::string WriterUniqueName(const std::string& prefix);
