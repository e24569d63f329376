#include "tools/CliOptions.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads exactly `width` digits at `pos`.
bool ReadDigits(const std::string& text, size_t pos, size_t width, int& value)
{
    if (pos + width > text.size()) return false;
    value = 0;
    for (size_t i = pos; i < pos + width; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

std::string Quoted(const std::string& what, const std::string& text)
{
    return what + ": '" + text + "'";
}

} // namespace

CliOptions::CliOptions(const std::vector<std::string>& args, const std::vector<std::string>& flags)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            m_positionals.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2);
        if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
            m_values[name] = "";
            continue;
        }
        if (i + 1 >= args.size()) throw UsageError("옵션에 값이 없습니다: --" + name);
        m_values[name] = args[++i];
    }
}

bool CliOptions::Has(const std::string& name) const { return m_values.count(name) != 0; }

std::optional<std::string> CliOptions::Get(const std::string& name) const
{
    auto it = m_values.find(name);
    if (it == m_values.end()) return std::nullopt;
    return it->second;
}

std::string CliOptions::Require(const std::string& name) const
{
    auto value = Get(name);
    if (!value) throw UsageError("필요한 옵션이 없습니다: --" + name);
    return *value;
}

void CliOptions::AllowOnly(const std::vector<std::string>& known) const
{
    for (const auto& [name, value] : m_values)
        if (std::find(known.begin(), known.end(), name) == known.end())
            throw UsageError("알 수 없는 옵션입니다: --" + name);
}

std::optional<long> CliOptions::GetInt(const std::string& name, long min, long max) const
{
    auto value = Get(name);
    if (!value) return std::nullopt;
    return ParseInt(*value, min, max, "--" + name);
}

std::optional<Date> CliOptions::GetDate(const std::string& name) const
{
    auto value = Get(name);
    if (!value) return std::nullopt;
    return ParseDate(*value, "--" + name);
}

Date ParseDate(const std::string& text, const std::string& what)
{
    Date d;
    bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                  ReadDigits(text, 0, 4, d.year) && ReadDigits(text, 5, 2, d.month) &&
                  ReadDigits(text, 8, 2, d.day);
    if (!shaped) throw UsageError("날짜는 YYYY-MM-DD 형식이어야 합니다. " + Quoted(what, text));
    if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > DaysIn(d.year, d.month))
        throw UsageError("존재하지 않는 날짜입니다. " + Quoted(what, text));
    return d;
}

DateTime ParseDateTime(const std::string& text, const std::string& what)
{
    DateTime dt;
    if (text.size() == 16 && (text[10] == ' ' || text[10] == 'T') && text[13] == ':' &&
        ReadDigits(text, 11, 2, dt.hour) && ReadDigits(text, 14, 2, dt.minute)) {
        dt.date = ParseDate(text.substr(0, 10), what);
        if (dt.hour > 23 || dt.minute > 59)
            throw UsageError("존재하지 않는 시각입니다. " + Quoted(what, text));
        return dt;
    }
    if (text.size() == 10) {  // a date alone means midnight
        dt.date = ParseDate(text, what);
        return dt;
    }
    throw UsageError("날짜와 시각은 \"YYYY-MM-DD HH:MM\" 형식이어야 합니다. " + Quoted(what, text));
}

long ParseInt(const std::string& text, long min, long max, const std::string& what)
{
    size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size())
        throw UsageError("숫자가 아닙니다. " + Quoted(what, text));
    if (value < min || value > max)
        throw UsageError("범위(" + std::to_string(min) + "~" + std::to_string(max) +
                         ")를 벗어난 값입니다. " + Quoted(what, text));
    return value;
}

uint32_t ParseColor(const std::string& text, const std::string& what)
{
    bool shaped = text.size() == 7 && text[0] == '#' &&
                  std::all_of(text.begin() + 1, text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
    if (!shaped) throw UsageError("색은 #rrggbb 형식이어야 합니다. " + Quoted(what, text));
    uint32_t rgb = static_cast<uint32_t>(std::stoul(text.substr(1), nullptr, 16));
    uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r | (g << 8) | (b << 16);
}

std::string FormatDate(const Date& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string FormatColor(uint32_t colorref)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colorref & 0xFF, (colorref >> 8) & 0xFF,
                  (colorref >> 16) & 0xFF);
    return text;
}
