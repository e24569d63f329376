#include "today/listing/TodayHeight.h"

#include <algorithm>

// Integer divisions throughout, rounded the way the handheld rounded them.
int TodayMinimumHeight(const TodayDensity& d) { return (20 * d.dpiY + 48) / 96; }
int TodayMarginX(const TodayDensity& d) { return 2 * (d.dpiX + 24) / 96; }
int TodayMarginY(const TodayDensity& d) { return 2 * (d.dpiY + 24) / 96; }
int TodayGapY(const TodayDensity& d) { return 4 * (d.dpiY + 12) / 96; }
int TodayTextX(const TodayDensity& d) { return (d.dpiX * 28 + 48) / 96; }
int TodayTwoLineX(const TodayDensity& d) { return (d.dpiX * 33 + 48) / 96; }
int TodayBarWidth(const TodayDensity& d) { return 2 * (d.dpiX + 24) / 96; }
int TodayIconWidth(const TodayDensity& d) { return ((d.dpiX + 3) * 16) / 96; }
int TodayIconHeight(const TodayDensity& d) { return ((d.dpiY + 3) * 16) / 96; }

int TodayCalendarHeight(const TodayEntries& entries, int lineHeight, const TodayDensity& density)
{
    int height = TodayMarginY(density);
    for (const TodayEntry& entry : entries)
        height += (entry.secondLine.empty() ? 1 : 2) * lineHeight + TodayGapY(density);
    return std::max(height, TodayMinimumHeight(density));
}

int TodayTaskHeight(const TodayEntries& entries, int lineHeight, const TodayDensity& density)
{
    const int height = static_cast<int>(entries.size()) * lineHeight + TodayGapY(density);
    return std::max(height, TodayMinimumHeight(density));
}
