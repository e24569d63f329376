// "anniversary.dat" in the program folder: loading, saving and the first-start
// holiday file "_anniversary.dat". Functions return 1 on success, 0 on failure.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/Anniversary.h"

inline constexpr const char* kAnniversaryFileName = "anniversary.dat";
inline constexpr const char* kAnniversaryTempName = "anniversary.tmp";
inline constexpr const char* kAnniversaryInitialName = "_anniversary.dat";
inline constexpr const char* kAnniversaryBackupName = "anniversary.dat.bak";

// Appends every record of folder/anniversary.dat. When that file does not
// exist but "_anniversary.dat" does, the latter is renamed to it first.
// 0 when neither can be read (an existing but unreadable "anniversary.dat" is
// never replaced). Lines too short for their date are skipped and counted in
// the list (see AnniversaryList::SkippedLines).
int32_t LoadAnniversaries(AnniversaryList& list, const std::string& folder);

// Rewrites folder/anniversary.dat atomically through "anniversary.tmp". When
// the last load skipped lines, the file as it was is first kept as
// "anniversary.dat.bak". 0 when anything fails: the old file is then untouched
// and `error` (if given) says why.
int32_t SaveAnniversaries(AnniversaryList& list, const std::string& folder,
                          std::string* error = nullptr);

// Writes the built-in Korean holidays as folder/_anniversary.dat, in the form
// a save writes, when neither "anniversary.dat" nor "_anniversary.dat" exists;
// the next load then picks it up. 1 when one of the files is there afterwards.
int32_t InstallDefaultAnniversaries(const std::string& folder, std::string* error = nullptr);
