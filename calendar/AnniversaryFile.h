// "anniversary.dat" in the program folder: loading, the writers' transaction,
// saving and the first-start holiday file "_anniversary.dat". Functions return
// 1 on success, 0 on failure.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "calendar/Anniversary.h"

inline constexpr const char* kAnniversaryFileName = "anniversary.dat";
inline constexpr const char* kAnniversaryTempName = "anniversary.tmp";  // prefix of each writer's own
inline constexpr const char* kAnniversaryLockName = "anniversary.lock";
inline constexpr const char* kAnniversaryInitialName = "_anniversary.dat";
inline constexpr const char* kAnniversaryBackupName = "anniversary.dat.bak";

inline constexpr const char* kAnniversaryFileUnreadable = "기념일 파일(anniversary.dat)을 읽을 수 없습니다.";

// Appends every record of folder/anniversary.dat. When that file does not
// exist but "_anniversary.dat" does, the latter is renamed to it first.
// 0 when neither can be read (an existing but unreadable "anniversary.dat" is
// never replaced). Lines too short for their date are skipped and counted in
// the list (see AnniversaryList::SkippedLines).
int32_t LoadAnniversaries(AnniversaryList& list, const std::string& folder);

// Several processes write the file (the application, the command line, the
// Today item, the sync): every writer holds an exclusive lock on
// "anniversary.lock" beside it while it reads, changes and replaces the file,
// and writes through a temporary name of its own.

// What an edit inside UpdateAnniversaries decided.
struct AnniversaryEditResult {
    bool refused = false;
    std::string message;  // why it refused, for the user

    static AnniversaryEditResult Save() { return {}; }
    static AnniversaryEditResult Refuse(std::string why) { return {true, std::move(why)}; }
};

// The one way to change the file: under the lock, loads it afresh, lets `edit`
// change the list and rewrites the file atomically. 1 when the edit was saved,
// and `result` (if given) holds the list as saved. 0 when the file cannot be
// locked or read, the edit refused, or the write failed: the file is then as
// it was, `error` says why, and `result` holds the list as it is on disk
// (when that could be read).
int32_t UpdateAnniversaries(const std::string& folder,
                            const std::function<AnniversaryEditResult(AnniversaryList&)>& edit,
                            AnniversaryList* result, std::string* error);

// Rewrites folder/anniversary.dat with exactly `list`, under the lock, dropping
// whatever other writers saved since `list` was loaded: for a writer that owns
// the whole content (a restore, a first install). Changes go through
// UpdateAnniversaries. When the last load skipped lines, the file as it was is
// first kept as "anniversary.dat.bak". 0 when anything fails: the old file is
// then untouched and `error` (if given) says why.
int32_t SaveAnniversaries(AnniversaryList& list, const std::string& folder,
                          std::string* error = nullptr);

// Writes the built-in Korean holidays as folder/_anniversary.dat, in the form
// a save writes, when neither "anniversary.dat" nor "_anniversary.dat" exists;
// the next load then picks it up. 1 when one of the files is there afterwards.
int32_t InstallDefaultAnniversaries(const std::string& folder, std::string* error = nullptr);
