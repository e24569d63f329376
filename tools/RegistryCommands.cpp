// reg: inspect and script registry values (DWORD and SZ).
#include <cctype>
#include <cstdint>
#include <optional>
#include <ostream>

#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"
#include "platform/registry/RegistryText.h"
#include "tools/CliOptions.h"
#include "tools/Commands.h"
#include "tools/DeviceFiles.h"

namespace {

const char kUsage[] =
    "사용법: dayvane-cli reg list [--key KEY]\n"
    "        dayvane-cli reg get NAME [--key KEY]\n"
    "        dayvane-cli reg set NAME VALUE [--type dword|sz] [--key KEY]\n"
    "        dayvane-cli reg del NAME [--key KEY]\n"
    "KEY 는 HKEY_LOCAL_MACHINE 아래의 경로입니다 (기본값 SOFTWARE\\Dayvane).";

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::vector<RegistryValue> ListKey(const std::string& key)
{
    std::vector<RegistryValue> values;
    LONG result = CRegistry().ListValues(HKEY_LOCAL_MACHINE, key.c_str(), values);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
        throw CommandError("레지스트리를 읽지 못했습니다: " + RegistryErrorText(result));
    return values;
}

const RegistryValue* FindValue(const std::vector<RegistryValue>& values, const std::string& name)
{
    for (const RegistryValue& value : values)
        if (SameName(value.name, name)) return &value;
    return nullptr;
}

void PrintValue(const RegistryValue& value, std::ostream& out)
{
    out << value.name << '\t' << RegistryTypeName(value.type) << '\t'
        << FormatRegistryData(value.type, value.data) << '\n';
}

bool LooksLikeInteger(const std::string& text)
{
    try {
        ParseInt(text, INT32_MIN, UINT32_MAX, "VALUE");
        return true;
    } catch (const UsageError&) {
        return false;
    }
}

int Set(const std::string& key, const std::string& name, const std::string& text,
        const std::optional<std::string>& typeOption)
{
    // Without --type a value keeps the type it has; a new one is a DWORD when it reads as a number.
    std::vector<RegistryValue> values = ListKey(key);
    const RegistryValue* existing = FindValue(values, name);
    std::string type = typeOption.value_or(existing ? (existing->type == REG_SZ ? "sz" : "dword")
                                                    : (LooksLikeInteger(text) ? "dword" : "sz"));
    bool written = false;
    if (type == "dword") {
        long value = ParseInt(text, INT32_MIN, UINT32_MAX, "VALUE");
        written = CRegistry().SetInt(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), static_cast<int32_t>(value));
    } else if (type == "sz") {
        written = CRegistry().SetString(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), text.c_str());
    } else {
        throw UsageError("--type 은 dword 또는 sz 입니다.");
    }
    if (!written) throw CommandError("레지스트리에 쓰지 못했습니다: " + name);
    return 0;
}

int Delete(const std::string& key, const std::string& name)
{
    HKEY handle = nullptr;
    LONG result = RegOpenKeyEx(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS, &handle);
    if (result == ERROR_SUCCESS) {
        result = RegDeleteValue(handle, name.c_str());
        RegCloseKey(handle);
    }
    if (result == ERROR_FILE_NOT_FOUND) throw CommandError("그런 값이 없습니다: " + name);
    if (result != ERROR_SUCCESS) throw CommandError("값을 지우지 못했습니다: " + RegistryErrorText(result));
    return 0;
}

} // namespace

int RunRegistryCommand(const CommandArgs& args, std::ostream& out)
{
    CliOptions options(args, {});
    options.AllowOnly({"key", "type"});
    const auto& positionals = options.Positionals();
    std::string verb = positionals.size() > 1 ? positionals[1] : "";
    std::string key = options.Get("key").value_or(kSettingsKey);
    PrepareDevice();

    if (verb == "list" && positionals.size() == 2) {
        for (const RegistryValue& value : ListKey(key)) PrintValue(value, out);
        return 0;
    }
    if (verb == "get" && positionals.size() == 3) {
        std::vector<RegistryValue> values = ListKey(key);
        const RegistryValue* value = FindValue(values, positionals[2]);
        if (!value) throw CommandError("그런 값이 없습니다: " + positionals[2]);
        PrintValue(*value, out);
        return 0;
    }
    if (verb == "set" && positionals.size() == 4) return Set(key, positionals[2], positionals[3], options.Get("type"));
    if (verb == "del" && positionals.size() == 3) return Delete(key, positionals[2]);
    throw UsageError(kUsage);
}
