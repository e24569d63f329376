// The handheld platform's registry, kept in the device's registry.db: keys by
// backslash-separated path under a few root keys (names compared without
// regard to ASCII case), each holding named, typed values stored as raw bytes.
// Same identifiers, numbers and calling conventions as the platform; names are
// UTF-8 here. Every function returns an error code and never throws.
// Several processes may use the file at once: a write that meets another
// waits for it. A file that is not a Dayvane registry (not a database, another
// program's tables, a newer format) is never changed: opening fails with
// ERROR_BADDB.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/time/PlatformTime.h"

using DWORD = uint32_t;
using BYTE = uint8_t;
using LONG = int32_t;
using REGSAM = DWORD;

struct HKEY__;
using HKEY = HKEY__*;

// Root keys are fixed handles that need no opening or closing.
inline HKEY const HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(uintptr_t{0x80000000});
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(uintptr_t{0x80000001});
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(uintptr_t{0x80000002});
inline HKEY const HKEY_USERS = reinterpret_cast<HKEY>(uintptr_t{0x80000003});

// Value types.
inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;          // UTF-16LE text with its terminator
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;       // 4 bytes, little-endian
inline constexpr DWORD REG_MULTI_SZ = 7;

// Dispositions reported by RegCreateKeyEx.
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// Results.
inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;      // no such key or value
inline constexpr LONG ERROR_PATH_NOT_FOUND = 3;      // no device directory or registry file
inline constexpr LONG ERROR_ACCESS_DENIED = 5;       // read-only file, or a root key
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_OUTOFMEMORY = 14;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_DISK_FULL = 112;
inline constexpr LONG ERROR_BAD_PATHNAME = 161;
inline constexpr LONG ERROR_BUSY = 170;              // another writer held the file too long
inline constexpr LONG ERROR_MORE_DATA = 234;         // buffer too small; the size is reported
inline constexpr LONG ERROR_NO_MORE_ITEMS = 259;
inline constexpr LONG ERROR_BADDB = 1009;            // registry.db is not a usable registry
inline constexpr LONG ERROR_CANTREAD = 1012;
inline constexpr LONG ERROR_CANTWRITE = 1013;
inline constexpr LONG ERROR_KEY_DELETED = 1018;      // the open key was deleted meanwhile

// Opens `lpSubKey` under `hKey`, creating every missing key on the way.
// An empty or null sub-key opens `hKey` itself again.
LONG RegCreateKeyEx(HKEY hKey, const char* lpSubKey, DWORD Reserved, char* lpClass, DWORD dwOptions,
                    REGSAM samDesired, void* lpSecurityAttributes, HKEY* phkResult,
                    DWORD* lpdwDisposition);

// Opens an existing key; ERROR_FILE_NOT_FOUND when it (or registry.db) is missing.
LONG RegOpenKeyEx(HKEY hKey, const char* lpSubKey, DWORD ulOptions, REGSAM samDesired, HKEY* phkResult);

LONG RegCloseKey(HKEY hKey);

// With lpData null, reports the size (and type) only. A buffer smaller than the
// value gets ERROR_MORE_DATA and the needed size in *lpcbData. A null or empty
// name is the key's unnamed value.
LONG RegQueryValueEx(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType, BYTE* lpData,
                     DWORD* lpcbData);

// Stores `cbData` bytes as given, under any type number.
LONG RegSetValueEx(HKEY hKey, const char* lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                   DWORD cbData);

LONG RegDeleteValue(HKEY hKey, const char* lpValueName);

// Deletes a key with all its sub-keys and values.
LONG RegDeleteKey(HKEY hKey, const char* lpSubKey);

// The dwIndex-th value in the order the values were created. *lpcchValueName
// holds the name buffer's size in bytes (terminator included) and returns the
// name's length; ERROR_NO_MORE_ITEMS past the last value.
LONG RegEnumValue(HKEY hKey, DWORD dwIndex, char* lpValueName, DWORD* lpcchValueName, DWORD* lpReserved,
                  DWORD* lpType, BYTE* lpData, DWORD* lpcbData);

// The dwIndex-th sub-key in the order the keys were created. Classes and
// write times are not kept: the class comes back empty, the time zero.
LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, char* lpName, DWORD* lpcchName, DWORD* lpReserved,
                  char* lpClass, DWORD* lpcchClass, FILETIME* lpftLastWriteTime);

// Listing in one go, for tools.
struct RegistryValue {
    std::string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};
LONG RegListValues(HKEY hKey, std::vector<RegistryValue>& values);
LONG RegListSubKeys(HKEY hKey, std::vector<std::string>& names);

// A short English description of a result, for tools and logs.
std::string RegistryErrorText(LONG code);
