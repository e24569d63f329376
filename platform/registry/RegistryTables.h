// The statements behind the registry functions, on an open registry file.
// Keys are rows of reg_key linked to their parent; values are rows of
// reg_value. Every function throws SQLite::Exception on a database error.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <SQLiteCpp/Database.h>

#include "platform/registry/PlatformRegistry.h"

// Walks `path` down from the key `base`. With `create`, missing keys are added
// in one write transaction and `created` tells whether any was. Returns
// ERROR_FILE_NOT_FOUND for a missing key without `create`, ERROR_KEY_DELETED
// when `base` itself is gone.
LONG ResolveKeyPath(SQLite::Database& db, int64_t base, const std::vector<std::string>& path, bool create,
                    int64_t& id, bool& created);

std::optional<RegistryValue> ReadValue(SQLite::Database& db, int64_t key, const std::string& name);
// False when the key no longer exists.
bool WriteValue(SQLite::Database& db, int64_t key, const std::string& name, DWORD type, const BYTE* data,
                DWORD size);
// False when there was no such value.
bool DeleteValue(SQLite::Database& db, int64_t key, const std::string& name);

// Values and sub-keys in creation order.
std::optional<RegistryValue> ValueAt(SQLite::Database& db, int64_t key, DWORD index);
std::optional<std::string> SubKeyAt(SQLite::Database& db, int64_t key, DWORD index);
std::vector<RegistryValue> ValuesOf(SQLite::Database& db, int64_t key);
std::vector<std::string> SubKeysOf(SQLite::Database& db, int64_t key);

// Deletes the key with everything below it.
void DeleteKeyTree(SQLite::Database& db, int64_t key);
