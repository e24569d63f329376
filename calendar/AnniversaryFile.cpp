#include "calendar/AnniversaryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "calendar/AnniversaryText.h"
#include "calendar/DefaultAnniversaries.h"
#include "calendar/FileIo.h"

namespace {

void SetError(std::string* error, std::string text) {
    if (error != nullptr) *error = std::move(text);
}

bool LockWriters(ExclusiveFileLock& lock, const std::string& folder, std::string* error) {
    std::string failure;
    if (lock.Acquire(JoinPath(folder, kAnniversaryLockName), failure)) return true;
    SetError(error, failure);
    return false;
}

std::string TempPrefix(const char* target) {
    return std::string(target) + ".tmp";
}

// Temporary files of writers that were killed mid-save. Only called under the
// lock, when no live writer has one open.
void RemoveStaleTemporaryFiles(const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        for (const std::string& prefix : {std::string(kAnniversaryTempName), TempPrefix(kAnniversaryBackupName),
                                          TempPrefix(kAnniversaryInitialName)}) {
            if (name.starts_with(prefix)) std::filesystem::remove(entry.path(), ec);
        }
    }
}

// The save itself; the caller holds the lock.
int32_t WriteLocked(AnniversaryList& list, const std::string& folder, std::string* error) {
    RemoveStaleTemporaryFiles(folder);
    std::string failure;
    if (list.LoadedFileNeedsBackup()) {
        std::string loaded;
        const int rc = ReadWholeFile(JoinPath(folder, kAnniversaryFileName), loaded);
        if (rc != 0 && rc != ENOENT) {
            SetError(error, std::string("cannot keep a copy of ") + kAnniversaryFileName + ": " +
                                std::strerror(rc));
            return 0;
        }
        if (rc == 0 && !ReplaceFileAtomically(folder, kAnniversaryBackupName,
                                              WriterUniqueName(TempPrefix(kAnniversaryBackupName)),
                                              loaded, failure)) {
            SetError(error, failure);
            return 0;
        }
        list.NoteBackupDone();
    }
    if (!ReplaceFileAtomically(folder, kAnniversaryFileName, WriterUniqueName(kAnniversaryTempName),
                               AnniversaryFileBytes(list), failure)) {
        SetError(error, failure);
        return 0;
    }
    return 1;
}

}  // namespace

int32_t LoadAnniversaries(AnniversaryList& list, const std::string& folder) {
    const std::string path = JoinPath(folder, kAnniversaryFileName);
    std::string bytes;
    int rc = ReadWholeFile(path, bytes);
    if (rc == ENOENT) {
        const std::string initial = JoinPath(folder, kAnniversaryInitialName);
        if (!PathExists(initial)) return 0;
        // When the rename fails, another process starting at the same moment
        // may have just made the same rename; the read below tells.
        if (std::rename(initial.c_str(), path.c_str()) == 0) SyncFolder(folder);
        rc = ReadWholeFile(path, bytes);
    }
    if (rc != 0) return 0;
    list.NoteLoad(AppendAnniversariesFromBytes(bytes, list).skippedLines);
    return 1;
}

int32_t UpdateAnniversaries(const std::string& folder,
                            const std::function<AnniversaryEditResult(AnniversaryList&)>& edit,
                            AnniversaryList* result, std::string* error) {
    ExclusiveFileLock lock;
    if (!LockWriters(lock, folder, error)) return 0;
    // Another writer may have saved since the caller loaded: edit what is on disk now.
    AnniversaryList list;
    if (LoadAnniversaries(list, folder) == 0) {
        SetError(error, kAnniversaryFileUnreadable);
        return 0;
    }
    const AnniversaryEditResult decision = edit(list);
    if (!decision.refused && WriteLocked(list, folder, error) != 0) {
        if (result != nullptr) *result = std::move(list);
        return 1;
    }
    if (decision.refused) SetError(error, decision.message);
    if (result != nullptr) {
        // The edit may have changed the list before it refused: show the file.
        AnniversaryList onDisk;
        if (LoadAnniversaries(onDisk, folder) != 0) *result = std::move(onDisk);
    }
    return 0;
}

int32_t SaveAnniversaries(AnniversaryList& list, const std::string& folder, std::string* error) {
    ExclusiveFileLock lock;
    if (!LockWriters(lock, folder, error)) return 0;
    return WriteLocked(list, folder, error);
}

int32_t InstallDefaultAnniversaries(const std::string& folder, std::string* error) {
    ExclusiveFileLock lock;
    if (!LockWriters(lock, folder, error)) return 0;
    if (PathExists(JoinPath(folder, kAnniversaryFileName)) ||
        PathExists(JoinPath(folder, kAnniversaryInitialName))) {
        return 1;
    }
    AnniversaryList holidays;
    AppendAnniversariesFromText(DefaultAnniversariesText(), holidays);
    std::string failure;
    if (!ReplaceFileAtomically(folder, kAnniversaryInitialName,
                               WriterUniqueName(TempPrefix(kAnniversaryInitialName)),
                               AnniversaryFileBytes(holidays), failure)) {
        SetError(error, failure);
        return 0;
    }
    return 1;
}
