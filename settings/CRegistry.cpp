#include "settings/CRegistry.h"

#include <strings.h>

#include <optional>

#include "platform/registry/RegistryText.h"

namespace {

// A sub-key opened with create semantics for the length of one call.
class OpenedKey {
public:
    OpenedKey(HKEY root, const char* subKey)
    {
        if (RegCreateKeyEx(root, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~OpenedKey()
    {
        if (m_key != nullptr) RegCloseKey(m_key);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    explicit operator bool() const { return m_key != nullptr; }
    HKEY Handle() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

// The value's bytes, sized by asking first. Another process may change the
// value between the two questions, so a grown value is asked for again.
std::optional<std::vector<BYTE>> ReadBytes(HKEY key, const char* name, DWORD& type)
{
    constexpr int kAttempts = 3;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
        std::vector<BYTE> data(size);
        LONG rc = RegQueryValueEx(key, name, nullptr, &type, data.data(), &size);
        if (rc == ERROR_SUCCESS) {
            data.resize(size);
            return data;
        }
        if (rc != ERROR_MORE_DATA) return std::nullopt;
    }
    return std::nullopt;
}

int32_t IntFromBytes(const std::vector<BYTE>& data, int32_t defaultValue)
{
    // Whatever its type, only a value of a DWORD's size is a number: the first
    // bytes of a text or of a wider number would be noise.
    if (data.size() != sizeof(DWORD)) return defaultValue;
    DWORD value = 0;
    for (size_t i = 0; i < sizeof(DWORD); ++i) value |= DWORD{data[i]} << (8 * i);
    return static_cast<int32_t>(value);
}

std::string TextFromBytes(DWORD type, const std::vector<BYTE>& data, const std::string& fallback)
{
    // A number read as text would be noise.
    if (data.empty() || (type != REG_SZ && type != REG_EXPAND_SZ)) return fallback;
    return DecodeRegSz(data.data(), data.size());
}

} // namespace

int32_t CRegistry::GetInt(HKEY root, const char* subKey, const char* name, int32_t defaultValue) const
{
    OpenedKey key(root, subKey);
    if (!key) return defaultValue;
    DWORD type = REG_NONE;
    const std::optional<std::vector<BYTE>> data = ReadBytes(key.Handle(), name, type);
    return data ? IntFromBytes(*data, defaultValue) : defaultValue;
}

bool CRegistry::SetInt(HKEY root, const char* subKey, const char* name, int32_t value) const
{
    OpenedKey key(root, subKey);
    if (!key) return false;
    const auto bits = static_cast<DWORD>(value);
    const BYTE data[4] = {BYTE(bits), BYTE(bits >> 8), BYTE(bits >> 16), BYTE(bits >> 24)};
    return RegSetValueEx(key.Handle(), name, 0, REG_DWORD, data, sizeof data) == ERROR_SUCCESS;
}

std::string CRegistry::GetString(HKEY root, const char* subKey, const char* name, const char* defaultValue) const
{
    const std::string fallback = defaultValue != nullptr ? defaultValue : "";
    OpenedKey key(root, subKey);
    if (!key) return fallback;
    DWORD type = REG_NONE;
    const std::optional<std::vector<BYTE>> data = ReadBytes(key.Handle(), name, type);
    return data ? TextFromBytes(type, *data, fallback) : fallback;
}

bool CRegistry::SetString(HKEY root, const char* subKey, const char* name, const char* text) const
{
    std::optional<std::vector<BYTE>> data;
    if (text != nullptr) {
        data = EncodeRegSz(text);
        if (!data) return false;
    }
    OpenedKey key(root, subKey);
    if (!key) return false;
    if (!data) return RegDeleteValue(key.Handle(), name) == ERROR_SUCCESS;
    return RegSetValueEx(key.Handle(), name, 0, REG_SZ, data->data(), static_cast<DWORD>(data->size())) ==
           ERROR_SUCCESS;
}

LONG CRegistry::ListValues(HKEY root, const char* subKey, std::vector<RegistryValue>& values) const
{
    values.clear();
    HKEY key = nullptr;
    if (LONG rc = RegOpenKeyEx(root, subKey, 0, KEY_ALL_ACCESS, &key); rc != ERROR_SUCCESS) return rc;
    LONG rc = RegListValues(key, values);
    RegCloseKey(key);
    return rc;
}

RegistrySnapshot::RegistrySnapshot(HKEY root, const char* subKey) { CRegistry().ListValues(root, subKey, m_values); }

const RegistryValue* RegistrySnapshot::Find(const char* name) const
{
    for (const RegistryValue& value : m_values) {
        if (strcasecmp(value.name.c_str(), name) == 0) return &value;  // value names ignore case
    }
    return nullptr;
}

int32_t RegistrySnapshot::GetInt(const char* name, int32_t defaultValue) const
{
    const RegistryValue* value = Find(name);
    return value != nullptr ? IntFromBytes(value->data, defaultValue) : defaultValue;
}

std::string RegistrySnapshot::GetString(const char* name, const char* defaultValue) const
{
    const std::string fallback = defaultValue != nullptr ? defaultValue : "";
    const RegistryValue* value = Find(name);
    return value != nullptr ? TextFromBytes(value->type, value->data, fallback) : fallback;
}
