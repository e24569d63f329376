#include "calendar/AnniversaryLine.h"

#include <cstdio>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The white space of Unicode beyond ASCII, as the handheld's character
// classification knows it: lines typed on a Korean keyboard often start with
// an ideographic space, and copied text brings no-break spaces.
bool IsWideSpace(char32_t c) {
    return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// The code point of a two- or three-byte UTF-8 sequence (every wide space is
// one), or 0 for anything else.
char32_t WideSpaceAt(std::string_view s) {
    const auto byte = [&](size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(s[i])); };
    char32_t c = 0;
    if (s.size() == 2 && (byte(0) & 0xE0) == 0xC0 && IsContinuationByte(s[1])) {
        c = (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    } else if (s.size() == 3 && (byte(0) & 0xF0) == 0xE0 && IsContinuationByte(s[1]) &&
               IsContinuationByte(s[2])) {
        c = (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    }
    return IsWideSpace(c) ? c : 0;
}

// Length in bytes of the white space character at the front (or back) of s; 0 for none.
size_t LeadingSpace(std::string_view s) {
    if (s.empty()) return 0;
    if (IsBlank(s.front())) return 1;
    for (size_t n = 2; n <= 3 && n <= s.size(); ++n) {
        if (WideSpaceAt(s.substr(0, n)) != 0) return n;
    }
    return 0;
}

size_t TrailingSpace(std::string_view s) {
    if (s.empty()) return 0;
    if (IsBlank(s.back())) return 1;
    for (size_t n = 2; n <= 3 && n <= s.size(); ++n) {
        if (WideSpaceAt(s.substr(s.size() - n)) != 0) return n;
    }
    return 0;
}

std::string_view Trim(std::string_view s) {
    while (const size_t n = LeadingSpace(s)) s.remove_prefix(n);
    while (const size_t n = TrailingSpace(s)) s.remove_suffix(n);
    return s;
}

// Positions and lengths count characters, not bytes, as the format does.
std::string_view DropChars(std::string_view s, size_t count) {
    size_t pos = 0;
    for (; count > 0 && pos < s.size(); --count) {
        ++pos;
        while (pos < s.size() && IsContinuationByte(s[pos])) ++pos;
    }
    return s.substr(pos);
}

std::string_view CharsAt(std::string_view s, size_t first, size_t count) {
    const std::string_view rest = DropChars(s, first);
    return rest.substr(0, rest.size() - DropChars(rest, count).size());
}

// Whether s holds at least `count` characters; stops counting there.
bool HasChars(std::string_view s, size_t count) {
    size_t n = 0;
    for (size_t i = 0; i < s.size() && n < count; ++i) n += IsContinuationByte(s[i]) ? 0 : 1;
    return n >= count;
}

int DigitValue(char c, int base) {
    int v = base;
    if (c >= '0' && c <= '9') v = c - '0';
    if (c >= 'a' && c <= 'z') v = c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// A field's value as a string-to-long conversion reads it: leading blanks and a
// sign allowed, reading stops at the first non-digit, no digits gives 0. (The
// fields are at most four characters, too short for a "0x" prefix to count.)
long FieldValue(std::string_view field, int base) {
    while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
    bool negative = false;
    if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    long value = 0;
    for (const char c : field) {
        const int digit = DigitValue(c, base);
        if (digit < 0) break;
        value = value * base + digit;
    }
    return negative ? -value : value;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A bracketed line is a section or colour-only line unless it is a record
// whose name happens to end in "]": those have their colour's "]" at index 8.
bool IsBracketedLine(std::string_view line) {
    if (line.front() != '[' || line.back() != ']') return false;
    return !HasChars(line, 10) || CharsAt(line, 8, 1) != "]";
}

uint32_t ReadColour(std::string_view line) {
    if (!HasChars(line, 9)) return 0;
    auto channel = [&](size_t at) {
        return static_cast<uint32_t>(FieldValue(CharsAt(line, at, 2), 16)) & 0xFF;
    };
    return channel(2) | channel(4) << 8 | channel(6) << 16;
}

bool Consume(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) return false;
    s.remove_prefix(1);
    return true;
}

}  // namespace

AnniversaryLineKind ParseAnniversaryLine(std::string_view line, Anniversary& out) {
    line = Trim(line);
    if (line.empty() || line.front() == '#' || IsBracketedLine(line)) {
        return AnniversaryLineKind::kIgnored;
    }

    Anniversary record;
    std::string_view rest = line;
    if (line.front() == '[') {
        record.color = ReadColour(line);
        rest = Trim(DropChars(line, 9));
    }
    if (Consume(rest, '@')) {
        record.kind = kAnniversaryByWeekday;
    } else if (Consume(rest, '!')) {
        record.kind = kAnniversaryBirthday;
    }
    record.lunar = Consume(rest, 'L') ? 1 : 0;
    record.leapMonth = Consume(rest, 'P') ? 1 : 0;

    if (!HasChars(rest, 10)) return AnniversaryLineKind::kMalformed;
    record.year = static_cast<int32_t>(FieldValue(CharsAt(rest, 0, 4), 10));
    // A by-weekday month field of October..December has three digits (101..125)
    // as "%02d" writes it, which moves the day one character on. It is told
    // apart by a digit where the separator stands and the separator after it.
    size_t dayAt = 8;
    const std::string_view wide = CharsAt(rest, 5, 4);
    if (record.kind == kAnniversaryByWeekday && HasChars(rest, 11) && wide.size() == 4 &&
        IsDigit(wide[0]) && IsDigit(wide[1]) && IsDigit(wide[2]) && wide[3] == '/') {
        record.month = static_cast<int32_t>(FieldValue(wide.substr(0, 3), 10));
        dayAt = 9;
    } else {
        record.month = static_cast<int32_t>(FieldValue(CharsAt(rest, 5, 2), 10));
    }
    record.day = static_cast<int32_t>(FieldValue(CharsAt(rest, dayAt, 2), 10));

    rest = DropChars(rest, dayAt + 2);
    record.dayBefore = Consume(rest, '-') ? 1 : 0;
    record.dayAfter = Consume(rest, '+') ? 1 : 0;
    record.name = std::string(Trim(rest));
    out = std::move(record);
    return AnniversaryLineKind::kRecord;
}

std::string FormatAnniversaryLine(const Anniversary& record) {
    const char* kind = record.kind == kAnniversaryByWeekday ? "@"
                       : record.kind == kAnniversaryBirthday ? "!"
                                                             : "";
    char head[96];
    std::snprintf(head, sizeof head, "[#%02x%02x%02x] %s%s%s%04d/%02d/%02d%s%s ",
                  record.color & 0xFF, (record.color >> 8) & 0xFF, (record.color >> 16) & 0xFF,
                  kind, record.lunar != 0 ? "L" : "", record.leapMonth != 0 ? "P" : "",
                  record.year, record.month, record.day, record.dayBefore != 0 ? "-" : "",
                  record.dayAfter != 0 ? "+" : "");
    std::string line = head;
    line.reserve(line.size() + record.name.size());
    for (const char c : record.name) {
        line += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
    return line;
}
