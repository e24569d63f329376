#include "editors/item/TimeText.h"

#include <cctype>
#include <string_view>

#include "pim/time/TimeValue.h"

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size())
        return false;
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(tail[i])) != suffix[i])
            return false;
    }
    return true;
}

// The leading digits of at most `width` characters; -1 when there are none.
int LeadingNumber(std::string_view text, size_t width)
{
    int value = -1;
    for (size_t i = 0; i < text.size() && i < width && IsDigit(text[i]); ++i)
        value = (value < 0 ? 0 : value * 10) + (text[i] - '0');
    return value;
}

// A two-digit number too large for its field counts by its first digit.
int FirstDigitWhenAbove(int value, int limit) { return value > limit ? value / 10 : value; }

int WithOffset(int hour, int offset)
{
    if (offset == 12 && hour == 12)
        hour = 0;
    hour += offset;
    return hour == 24 ? 0 : hour;
}

}  // namespace

std::string TimeButtonText(const ClockTime& time, bool hour24) { return FormatTime(time.hour, time.minute, hour24); }

ClockTime ParseTimeText(const std::string& input, bool hour24, int previousMinute)
{
    const std::string_view text = Trimmed(input);
    int offset = 0;
    if (!hour24 && text.size() >= 2 && EndsWithIgnoringCase(text, "PM"))
        offset = 12;

    ClockTime time{12, 0};
    const size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        const int hour = LeadingNumber(text.substr(0, colon), 2);
        time.hour = WithOffset(FirstDigitWhenAbove(hour < 0 ? 0 : hour, 23), offset);
        const std::string_view after = text.substr(colon + 1);
        const int minute = LeadingNumber(after, 2);
        time.minute = minute < 0 ? previousMinute : FirstDigitWhenAbove(minute, 59);
        if (time.minute < 0 || time.minute > 59)
            time.minute = 0;
        return time;
    }
    const int hour = LeadingNumber(text, 2);
    if (hour >= 0)
        time.hour = WithOffset(FirstDigitWhenAbove(hour, 23), offset);
    return time;
}
