// The registry helper every settings reader and writer uses. It keeps no state:
// each call opens the sub-key (creating it, also on a read), does its work and
// closes the key again. Reads never fail, they fall back to the default; a
// failed write only returns false.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry/PlatformRegistry.h"

class CRegistry {
public:
    // The first 4 bytes of the value whatever its type (fewer bytes are
    // zero-extended); the default when the value is missing or empty.
    int32_t GetInt(HKEY root, const char* subKey, const char* name, int32_t defaultValue) const;
    // Stores a 4-byte REG_DWORD.
    bool SetInt(HKEY root, const char* subKey, const char* name, int32_t value) const;

    // The stored REG_SZ text; the default (empty for null) when the value is
    // missing or holds no text.
    std::string GetString(HKEY root, const char* subKey, const char* name, const char* defaultValue) const;
    // Stores `text` (UTF-8) as REG_SZ; a null text deletes the value instead.
    // False for text that is not valid UTF-8.
    bool SetString(HKEY root, const char* subKey, const char* name, const char* text) const;

    // Every value of the key in creation order, without creating the key.
    // Returns the registry's error code (ERROR_FILE_NOT_FOUND for a missing key).
    LONG ListValues(HKEY root, const char* subKey, std::vector<RegistryValue>& values) const;
};

// The values of one key read in a single visit to the registry, for readers
// of several settings at once; each value reads as CRegistry's would.
class RegistrySnapshot {
public:
    RegistrySnapshot(HKEY root, const char* subKey);
    int32_t GetInt(const char* name, int32_t defaultValue) const;
    std::string GetString(const char* name, const char* defaultValue) const;

private:
    const RegistryValue* Find(const char* name) const;
    std::vector<RegistryValue> m_values;
};
