#include "calendar/AnniversaryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "calendar/AnniversaryText.h"
#include "calendar/DefaultAnniversaries.h"
#include "calendar/FileIo.h"

namespace {

void SetError(std::string* error, std::string text) {
    if (error != nullptr) *error = std::move(text);
}

}  // namespace

int32_t LoadAnniversaries(AnniversaryList& list, const std::string& folder) {
    const std::string path = JoinPath(folder, kAnniversaryFileName);
    std::string bytes;
    int rc = ReadWholeFile(path, bytes);
    if (rc == ENOENT) {
        const std::string initial = JoinPath(folder, kAnniversaryInitialName);
        if (!PathExists(initial) || std::rename(initial.c_str(), path.c_str()) != 0) return 0;
        SyncFolder(folder);
        rc = ReadWholeFile(path, bytes);
    }
    if (rc != 0) return 0;
    list.NoteLoad(AppendAnniversariesFromBytes(bytes, list).skippedLines);
    return 1;
}

int32_t SaveAnniversaries(AnniversaryList& list, const std::string& folder, std::string* error) {
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
                                              std::string(kAnniversaryBackupName) + ".tmp",
                                              loaded, failure)) {
            SetError(error, failure);
            return 0;
        }
        list.NoteBackupDone();
    }
    if (!ReplaceFileAtomically(folder, kAnniversaryFileName, kAnniversaryTempName,
                               AnniversaryFileBytes(list), failure)) {
        SetError(error, failure);
        return 0;
    }
    return 1;
}

int32_t InstallDefaultAnniversaries(const std::string& folder, std::string* error) {
    if (PathExists(JoinPath(folder, kAnniversaryFileName)) ||
        PathExists(JoinPath(folder, kAnniversaryInitialName))) {
        return 1;
    }
    AnniversaryList holidays;
    AppendAnniversariesFromText(DefaultAnniversariesText(), holidays);
    std::string failure;
    if (!ReplaceFileAtomically(folder, kAnniversaryInitialName,
                               std::string(kAnniversaryInitialName) + ".tmp",
                               AnniversaryFileBytes(holidays), failure)) {
        SetError(error, failure);
        return 0;
    }
    return 1;
}
