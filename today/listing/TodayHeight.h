// The geometry of the Today items at the screen's density: the height each
// item reports to the Today screen, and where it draws its icon, lines and bars.
#pragma once

#include <cstdint>

#include "today/listing/TodayEntry.h"

struct TodayDensity {
    int dpiX = 96;
    int dpiY = 96;
};

// The least height of either item: 20 pixels at 96 dpi.
int TodayMinimumHeight(const TodayDensity& density);
// Calendar item: top margin, one or two lines per entry and a gap after each.
int TodayCalendarHeight(const TodayEntries& entries, int lineHeight, const TodayDensity& density);
// Task item: one line per entry and one gap.
int TodayTaskHeight(const TodayEntries& entries, int lineHeight, const TodayDensity& density);

// Positions, in pixels.
int TodayMarginX(const TodayDensity& density);  // icon left; 2 at 96 dpi
int TodayMarginY(const TodayDensity& density);  // icon and first line top; 2 at 96 dpi
int TodayGapY(const TodayDensity& density);     // between calendar entries; 4 at 96 dpi
int TodayTextX(const TodayDensity& density);    // one-line entries, empty text, the bar; 28 at 96 dpi
int TodayTwoLineX(const TodayDensity& density); // two-line entries; 33 at 96 dpi
int TodayBarWidth(const TodayDensity& density); // 2 at 96 dpi
// Icon side: 16 at 96 dpi.
int TodayIconWidth(const TodayDensity& density);
int TodayIconHeight(const TodayDensity& density);
