#include "platform/registry/RegistryText.h"

#include <cstdio>

namespace {

// Decodes one UTF-8 sequence at `pos`; nothing when it is malformed, overlong,
// a surrogate or beyond U+10FFFF.
std::optional<char32_t> NextCodePoint(std::string_view text, size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + extra >= text.size()) return std::nullopt;
    for (size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    pos += extra + 1;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUnit(std::vector<BYTE>& out, char16_t unit)
{
    out.push_back(static_cast<BYTE>(unit & 0xFF));
    out.push_back(static_cast<BYTE>(unit >> 8));
}

std::string HexBytes(const std::vector<BYTE>& data)
{
    std::string text;
    char byte[4];
    for (BYTE b : data) {
        std::snprintf(byte, sizeof byte, "%02x", b);
        if (!text.empty()) text += ' ';
        text += byte;
    }
    return text;
}

} // namespace

std::optional<size_t> Utf8Length(std::string_view text)
{
    size_t count = 0;
    for (size_t pos = 0; pos < text.size(); ++count)
        if (!NextCodePoint(text, pos)) return std::nullopt;
    return count;
}

std::optional<std::vector<BYTE>> EncodeRegSz(std::string_view text)
{
    std::vector<BYTE> out;
    out.reserve((text.size() + 1) * 2);
    for (size_t pos = 0; pos < text.size();) {
        std::optional<char32_t> cp = NextCodePoint(text, pos);
        if (!cp) return std::nullopt;
        if (*cp < 0x10000) {
            AppendUnit(out, static_cast<char16_t>(*cp));
        } else {
            char32_t v = *cp - 0x10000;
            AppendUnit(out, static_cast<char16_t>(0xD800 + (v >> 10)));
            AppendUnit(out, static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        }
    }
    AppendUnit(out, 0);
    return out;
}

std::string DecodeRegSz(const BYTE* data, size_t size)
{
    std::string out;
    const size_t units = data != nullptr ? size / 2 : 0;
    auto unitAt = [data](size_t i) { return static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8)); };
    for (size_t i = 0; i < units; ++i) {
        char16_t unit = unitAt(i);
        if (unit == 0) break;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            char16_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? char32_t{0xFFFD} : char32_t{unit});
    }
    return out;
}

std::string FormatRegistryData(DWORD type, const std::vector<BYTE>& data)
{
    if (type == REG_DWORD && data.size() == 4)
        return std::to_string(DWORD{data[0]} | DWORD{data[1]} << 8 | DWORD{data[2]} << 16 | DWORD{data[3]} << 24);
    if (type == REG_SZ || type == REG_EXPAND_SZ) return DecodeRegSz(data.data(), data.size());
    return HexBytes(data);
}

std::string RegistryTypeName(DWORD type)
{
    switch (type) {
    case REG_NONE: return "REG_NONE";
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_DWORD: return "REG_DWORD";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    default: return "type " + std::to_string(type);
    }
}
