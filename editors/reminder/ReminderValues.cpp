#include "editors/reminder/ReminderValues.h"

#include <cctype>
#include <limits>

namespace {

constexpr int64_t kMinutesPerUnit[] = {1, 60, 1440, 10080};

int64_t Clamp32(int64_t value)
{
    constexpr int64_t low = std::numeric_limits<int32_t>::min();
    constexpr int64_t high = std::numeric_limits<int32_t>::max();
    return value < low ? low : (value > high ? high : value);
}

// Like the C library's atoi, but without its undefined overflow.
int64_t LeadingNumber(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int32_t>::max())
            value = int64_t{std::numeric_limits<int32_t>::max()} + 1;  // stays beyond the range
    }
    return negative ? -value : value;
}

}  // namespace

int32_t MinutesPerReminderUnit(int unit)
{
    return unit >= kReminderMinutes && unit <= kReminderWeeks ? static_cast<int32_t>(kMinutesPerUnit[unit]) : 1;
}

ReminderCount LargestExactUnit(int32_t minutes)
{
    if (minutes == 0)
        return {0, kReminderMinutes};
    for (int unit = kReminderWeeks; unit > kReminderMinutes; --unit) {
        if (minutes % MinutesPerReminderUnit(unit) == 0)
            return {minutes / MinutesPerReminderUnit(unit), unit};
    }
    return {minutes, kReminderMinutes};
}

int32_t ReminderMinutesFromText(const std::string& countText, int unit)
{
    const int64_t count = Clamp32(LeadingNumber(countText));
    return static_cast<int32_t>(Clamp32(count * MinutesPerReminderUnit(unit)));
}
