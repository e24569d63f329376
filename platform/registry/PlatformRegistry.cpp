#include "platform/registry/PlatformRegistry.h"

#include <SQLiteCpp/Exception.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>

#include "platform/device/DeviceDirectory.h"
#include "platform/registry/RegistryFile.h"
#include "platform/registry/RegistryTables.h"
#include "platform/registry/RegistryText.h"

// An open key: its own connection, so handles close independently and may be
// used from different threads.
struct HKEY__ {
    std::filesystem::path file;
    std::unique_ptr<SQLite::Database> db;
    int64_t id = 0;
};

namespace {

constexpr size_t kMaxKeyNameLength = 255;
constexpr size_t kMaxValueNameLength = 16383;

std::optional<int64_t> RootKeyId(HKEY key)
{
    const auto raw = reinterpret_cast<uintptr_t>(key);
    const auto first = reinterpret_cast<uintptr_t>(HKEY_CLASSES_ROOT);
    const auto last = reinterpret_cast<uintptr_t>(HKEY_USERS);
    if (raw < first || raw > last) return std::nullopt;
    return kRootKeyIdBase + static_cast<int64_t>(raw - first);
}

// Splits a sub-key path; nothing for an empty part or an invalid name.
std::optional<std::vector<std::string>> SplitKeyPath(const char* subKey)
{
    std::vector<std::string> parts;
    if (subKey == nullptr || *subKey == '\0') return parts;
    std::string_view rest(subKey);
    while (true) {
        const size_t separator = rest.find('\\');
        std::string_view part = rest.substr(0, separator);
        std::optional<size_t> length = Utf8Length(part);
        if (part.empty() || !length || *length > kMaxKeyNameLength) return std::nullopt;
        parts.emplace_back(part);
        if (separator == std::string_view::npos) return parts;
        rest.remove_prefix(separator + 1);
    }
}

std::optional<std::string> ValueName(const char* name)
{
    std::string_view text = name != nullptr ? name : "";
    std::optional<size_t> length = Utf8Length(text);
    if (!length || *length > kMaxValueNameLength) return std::nullopt;
    return std::string(text);
}

// Runs `work`, turning every exception into an error code.
template <typename Work>
LONG Guarded(LONG fallback, Work&& work)
{
    try {
        return work();
    } catch (const SQLite::Exception& e) {
        return RegistryErrorFromSqlite(e.getErrorCode(), fallback);
    } catch (const std::bad_alloc&) {
        return ERROR_OUTOFMEMORY;
    } catch (const std::exception&) {
        return fallback;
    }
}

// The key a call works on: an open handle, or a root key opened for this call.
class KeyInUse {
public:
    LONG Open(HKEY key, bool create)
    {
        if (key == nullptr) return ERROR_INVALID_HANDLE;
        if (std::optional<int64_t> root = RootKeyId(key)) {
            m_root.file = RegistryFile();
            m_root.id = *root;
            m_key = &m_root;
            return OpenRegistryFile(m_root.file, create, m_root.db);
        }
        m_key = key;
        return m_key->db ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }
    SQLite::Database& Db() const { return *m_key->db; }
    int64_t Id() const { return m_key->id; }

private:
    HKEY__ m_root;
    HKEY__* m_key = nullptr;
};

LONG OpenKey(HKEY parent, const char* subKey, bool create, HKEY* result, DWORD* disposition)
{
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (parent == nullptr) return ERROR_INVALID_HANDLE;
    std::optional<std::vector<std::string>> path = SplitKeyPath(subKey);
    if (!path) return ERROR_BAD_PATHNAME;

    return Guarded(create ? ERROR_CANTWRITE : ERROR_CANTREAD, [&]() -> LONG {
        auto key = std::make_unique<HKEY__>();
        int64_t base = 0;
        if (std::optional<int64_t> root = RootKeyId(parent)) {
            key->file = RegistryFile();
            base = *root;
        } else {
            key->file = parent->file;
            base = parent->id;
        }
        if (LONG rc = OpenRegistryFile(key->file, create, key->db); rc != ERROR_SUCCESS) return rc;
        bool created = false;
        if (LONG rc = ResolveKeyPath(*key->db, base, *path, create, key->id, created); rc != ERROR_SUCCESS)
            return rc;
        if (disposition != nullptr) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
        *result = key.release();
        return ERROR_SUCCESS;
    });
}

// A root key without a registry file simply has nothing in it.
LONG NothingToEnumerate(LONG openError)
{
    return openError == ERROR_FILE_NOT_FOUND ? ERROR_NO_MORE_ITEMS : openError;
}

// Copies a name into a caller's buffer sized in bytes, terminator included.
LONG CopyName(const std::string& name, char* buffer, DWORD* size)
{
    if (name.size() + 1 > *size) {
        *size = static_cast<DWORD>(name.size() + 1);
        return ERROR_MORE_DATA;
    }
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *size = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

} // namespace

LONG RegCreateKeyEx(HKEY hKey, const char* lpSubKey, DWORD, char*, DWORD, REGSAM, void*, HKEY* phkResult,
                    DWORD* lpdwDisposition)
{
    return OpenKey(hKey, lpSubKey, true, phkResult, lpdwDisposition);
}

LONG RegOpenKeyEx(HKEY hKey, const char* lpSubKey, DWORD, REGSAM, HKEY* phkResult)
{
    return OpenKey(hKey, lpSubKey, false, phkResult, nullptr);
}

LONG RegCloseKey(HKEY hKey)
{
    if (hKey == nullptr) return ERROR_INVALID_HANDLE;
    if (!RootKeyId(hKey)) delete hKey;
    return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY hKey, const char* lpValueName, DWORD*, DWORD* lpType, BYTE* lpData, DWORD* lpcbData)
{
    if (lpData != nullptr && lpcbData == nullptr) return ERROR_INVALID_PARAMETER;
    std::optional<std::string> name = ValueName(lpValueName);
    if (!name) return ERROR_INVALID_PARAMETER;
    return Guarded(ERROR_CANTREAD, [&]() -> LONG {
        KeyInUse key;
        if (LONG rc = key.Open(hKey, false); rc != ERROR_SUCCESS) return rc;
        std::optional<RegistryValue> value = ReadValue(key.Db(), key.Id(), *name);
        if (!value) return ERROR_FILE_NOT_FOUND;
        if (lpType != nullptr) *lpType = value->type;
        const auto size = static_cast<DWORD>(value->data.size());
        if (lpData != nullptr) {
            if (*lpcbData < size) {
                *lpcbData = size;
                return ERROR_MORE_DATA;
            }
            if (size != 0) std::memcpy(lpData, value->data.data(), size);
        }
        if (lpcbData != nullptr) *lpcbData = size;
        return ERROR_SUCCESS;
    });
}

LONG RegSetValueEx(HKEY hKey, const char* lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    if (lpData == nullptr && cbData != 0) return ERROR_INVALID_PARAMETER;
    std::optional<std::string> name = ValueName(lpValueName);
    if (!name) return ERROR_INVALID_PARAMETER;
    return Guarded(ERROR_CANTWRITE, [&]() -> LONG {
        KeyInUse key;
        if (LONG rc = key.Open(hKey, true); rc != ERROR_SUCCESS) return rc;
        return WriteValue(key.Db(), key.Id(), *name, dwType, lpData, cbData) ? ERROR_SUCCESS : ERROR_KEY_DELETED;
    });
}

LONG RegDeleteValue(HKEY hKey, const char* lpValueName)
{
    std::optional<std::string> name = ValueName(lpValueName);
    if (!name) return ERROR_INVALID_PARAMETER;
    return Guarded(ERROR_CANTWRITE, [&]() -> LONG {
        KeyInUse key;
        if (LONG rc = key.Open(hKey, false); rc != ERROR_SUCCESS) return rc;
        return DeleteValue(key.Db(), key.Id(), *name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegDeleteKey(HKEY hKey, const char* lpSubKey)
{
    if (lpSubKey == nullptr || *lpSubKey == '\0') return ERROR_ACCESS_DENIED;  // never a key by itself
    std::optional<std::vector<std::string>> path = SplitKeyPath(lpSubKey);
    if (!path) return ERROR_BAD_PATHNAME;
    return Guarded(ERROR_CANTWRITE, [&]() -> LONG {
        KeyInUse key;
        if (LONG rc = key.Open(hKey, false); rc != ERROR_SUCCESS) return rc;
        int64_t id = 0;
        bool created = false;
        if (LONG rc = ResolveKeyPath(key.Db(), key.Id(), *path, false, id, created); rc != ERROR_SUCCESS) return rc;
        DeleteKeyTree(key.Db(), id);
        return ERROR_SUCCESS;
    });
}

LONG RegEnumValue(HKEY hKey, DWORD dwIndex, char* lpValueName, DWORD* lpcchValueName, DWORD*, DWORD* lpType,
                  BYTE* lpData, DWORD* lpcbData)
{
    if (lpValueName == nullptr || lpcchValueName == nullptr) return ERROR_INVALID_PARAMETER;
    if (lpData != nullptr && lpcbData == nullptr) return ERROR_INVALID_PARAMETER;
    return Guarded(ERROR_CANTREAD, [&]() -> LONG {
        KeyInUse key;
        if (LONG rc = key.Open(hKey, false); rc != ERROR_SUCCESS) return NothingToEnumerate(rc);
        std::optional<RegistryValue> value = ValueAt(key.Db(), key.Id(), dwIndex);
        if (!value) return ERROR_NO_MORE_ITEMS;
        const auto size = static_cast<DWORD>(value->data.size());
        const bool dataFits = lpData == nullptr || *lpcbData >= size;
        if (lpcbData != nullptr) *lpcbData = size;
        if (lpType != nullptr) *lpType = value->type;
        if (LONG rc = CopyName(value->name, lpValueName, lpcchValueName); rc != ERROR_SUCCESS) return rc;
        if (!dataFits) return ERROR_MORE_DATA;
        if (lpData != nullptr && size != 0) std::memcpy(lpData, value->data.data(), size);
        return ERROR_SUCCESS;
    });
}

LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, char* lpName, DWORD* lpcchName, DWORD*, char* lpClass,
                  DWORD* lpcchClass, FILETIME* lpftLastWriteTime)
{
    if (lpName == nullptr || lpcchName == nullptr) return ERROR_INVALID_PARAMETER;
    return Guarded(ERROR_CANTREAD, [&]() -> LONG {
        KeyInUse key;
        if (LONG rc = key.Open(hKey, false); rc != ERROR_SUCCESS) return NothingToEnumerate(rc);
        std::optional<std::string> name = SubKeyAt(key.Db(), key.Id(), dwIndex);
        if (!name) return ERROR_NO_MORE_ITEMS;
        if (lpClass != nullptr && lpcchClass != nullptr && *lpcchClass > 0) lpClass[0] = '\0';
        if (lpcchClass != nullptr) *lpcchClass = 0;
        if (lpftLastWriteTime != nullptr) *lpftLastWriteTime = FILETIME{};
        return CopyName(*name, lpName, lpcchName);
    });
}

LONG RegListValues(HKEY hKey, std::vector<RegistryValue>& values)
{
    values.clear();
    return Guarded(ERROR_CANTREAD, [&]() -> LONG {
        KeyInUse key;
        if (LONG rc = key.Open(hKey, false); rc != ERROR_SUCCESS) return rc;
        values = ValuesOf(key.Db(), key.Id());
        return ERROR_SUCCESS;
    });
}

LONG RegListSubKeys(HKEY hKey, std::vector<std::string>& names)
{
    names.clear();
    return Guarded(ERROR_CANTREAD, [&]() -> LONG {
        KeyInUse key;
        if (LONG rc = key.Open(hKey, false); rc != ERROR_SUCCESS) return rc;
        names = SubKeysOf(key.Db(), key.Id());
        return ERROR_SUCCESS;
    });
}

std::string RegistryErrorText(LONG code)
{
    switch (code) {
    case ERROR_SUCCESS: return "done";
    case ERROR_FILE_NOT_FOUND: return "no such key or value";
    case ERROR_PATH_NOT_FOUND: return "the device directory or its registry file is missing";
    case ERROR_ACCESS_DENIED: return "access denied";
    case ERROR_INVALID_HANDLE: return "invalid key handle";
    case ERROR_OUTOFMEMORY: return "out of memory";
    case ERROR_INVALID_PARAMETER: return "invalid parameter";
    case ERROR_DISK_FULL: return "the disk is full";
    case ERROR_BAD_PATHNAME: return "invalid key path";
    case ERROR_BUSY: return "the registry stayed locked by another process";
    case ERROR_MORE_DATA: return "buffer too small";
    case ERROR_NO_MORE_ITEMS: return "no more items";
    case ERROR_BADDB: return "registry.db is damaged or not a Dayvane registry; it was left as it is";
    case ERROR_CANTREAD: return "the registry could not be read";
    case ERROR_CANTWRITE: return "the registry could not be written";
    case ERROR_KEY_DELETED: return "the key was deleted";
    default: return "error " + std::to_string(code);
    }
}
