// The date picker's year overview: twelve month cells (3 x 4 in portrait,
// 4 x 3 in landscape), each a title band over a day grid of five rows, and
// how taps and arrow keys move the selected date.
#pragma once

#include <QRect>
#include <QSize>

#include "calendar/CivilDate.h"

struct PickerLayout {
    int columns = 3;
    int rows = 4;
    int cellWidth = 0;
    int cellHeight = 0;
    int titleHeight = 0;  // S(h): h = 10 at exactly 131 dpi, else 14
    int titleFontHeight = 0;  // S(h - 3)
    int gridTop = 0;      // S(h + 1) below the cell top
    int rowHeight = 0;
    int dayWidth = 0;
    int dayLeft = 0;      // left margin that centres the seven columns
    bool sundayAsStart = false;

    static constexpr int kDrawnRows = 5;
};

// The layout for a client of that size at the vertical dpi.
PickerLayout MakePickerLayout(QSize client, int dpiY, bool sundayAsStart);

// Month 1..12's cell; the month whose cell holds the point, 0 for none.
QRect MonthCellRect(const PickerLayout& layout, int month);
int MonthAt(const PickerLayout& layout, QPoint point);

// Where a day of the month sits: row 0.. (5 = the undrawn sixth row) and column 0..6.
struct DaySlot {
    int row = 0;
    int column = 0;
};
DaySlot DaySlotOf(const PickerLayout& layout, int year, int month, int day);
// The day's box inside its month cell, in client coordinates.
QRect DayBox(const PickerLayout& layout, int year, int month, int day);
// A fifth-row day with another day of the month a week later: drawn as "/ ".
bool SharesFifthRow(const PickerLayout& layout, int year, int month, int day);

// A tap: the month under the point with day 1 in the title band, the day
// whose box holds the point, else the month's last day. Nothing off the cells.
bool PickerTap(const PickerLayout& layout, int year, QPoint point, SolarDate& selected);

// Arrow keys (Qt key codes). False when the key does nothing.
bool PickerKey(int key, SolarDate& selected);
