#include "weather/WeatherText.h"

#include <QString>
#include <limits>

int32_t LeadingDecimal(std::u16string_view text)
{
    size_t p = 0;
    while (p < text.size() && (text[p] == u' ' || (text[p] >= u'\t' && text[p] <= u'\r'))) ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == u'+' || text[p] == u'-')) negative = text[p++] == u'-';
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; p < text.size() && text[p] >= u'0' && text[p] <= u'9'; ++p)
        value = std::min<int64_t>(value * 10 + (text[p] - u'0'), kLimit);
    if (negative) return static_cast<int32_t>(-value);
    return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

int32_t FixedDigits(std::u16string_view text)
{
    if (text.empty() || text.size() > 9) return -1;
    int32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

std::string ToUtf8(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

std::u16string ToUtf16(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdU16String();
}
