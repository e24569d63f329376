#include "today/listing/TodayText.h"

#include <cstdio>

#include "platform/store/PimTypes.h"
#include "resources/StringTable.h"

namespace {

// The table's patterns hold at most one %d and one %s, in that order.
std::string Format(int id, int32_t number, const std::string& text)
{
    char buffer[128];
    const char* pattern = StringText(id);
    const bool hasNumber = std::string_view(pattern).find("%d") != std::string_view::npos;
    if (hasNumber)
        std::snprintf(buffer, sizeof buffer, pattern, number, text.c_str());
    else
        std::snprintf(buffer, sizeof buffer, pattern, text.c_str());
    return buffer;
}

} // namespace

std::string FormatTodayTime(int hour, int minute)
{
    const int clockHour = hour % 12 == 0 ? 12 : hour % 12;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d:%02d", clockHour, minute);
    return StringText(hour < 12 ? IDS_TODAY_MORNING : IDS_TODAY_AFTERNOON) + std::string(buffer);
}

std::string WeekdayName(int32_t weekday)
{
    if (weekday < 1 || weekday > 7) return {};
    return StringText(IDS_TODAY_SUNDAY + weekday - 1);
}

std::string DayPrefix(int32_t daysAhead, const SolarDate& day)
{
    if (daysAhead < 0) return StringText(IDS_TODAY_RUNNING_PREFIX);
    if (daysAhead == 0) return {};
    const std::string weekday = WeekdayName(WeekdayOf(day));
    if (daysAhead == 1) return Format(IDS_TODAY_TOMORROW_PREFIX, 0, weekday);
    return Format(IDS_TODAY_DAYS_AHEAD_PREFIX, daysAhead, weekday);
}

std::string DuePrefix(int32_t daysAhead, const SolarDate& dueDay)
{
    if (daysAhead > 0) return Format(IDS_TODAY_DAYS_AHEAD_PREFIX, daysAhead, WeekdayName(WeekdayOf(dueDay)));
    if (daysAhead < 0) return Format(IDS_TODAY_DAYS_LATE_PREFIX, -daysAhead, {});
    return {};
}

std::string ImportanceMark(int32_t importance)
{
    if (importance == olImportanceHigh) return StringText(IDS_TODAY_HIGH_IMPORTANCE);
    if (importance == olImportanceLow) return StringText(IDS_TODAY_LOW_IMPORTANCE);
    return {};
}
