// registry.db on disk: recognising it, opening it and setting up a new one.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <SQLiteCpp/Database.h>

#include "platform/registry/PlatformRegistry.h"

enum class RegistryFileState {
    Missing,        // no file yet; the first write creates it
    Empty,          // an empty database; the first write sets it up
    Ready,
    NotADatabase,   // damaged, or some other kind of file
    ForeignSchema,  // a database of another program
    NewerVersion,   // written by a newer Dayvane
    Unreadable,     // could not be opened or read (permissions, I/O)
};

struct RegistryFileReport {
    RegistryFileState state = RegistryFileState::Missing;
    std::string detail;  // one English sentence
};

// Looks at a registry file without changing it.
RegistryFileReport InspectRegistryFile(const std::filesystem::path& file);

// Opens the registry file for one key handle. With `create`, a missing or empty
// file is set up; without, ERROR_FILE_NOT_FOUND. A file that is not ours gives
// ERROR_BADDB before anything is written to it.
LONG OpenRegistryFile(const std::filesystem::path& file, bool create, std::unique_ptr<SQLite::Database>& db);

// Error code for a failed SQLite call; `fallback` when nothing more precise fits.
LONG RegistryErrorFromSqlite(int sqliteCode, LONG fallback);

// Row ids of the root keys in the key table.
inline constexpr int64_t kRootKeyIdBase = 1;
