// The month grid shared by the two month views: six weeks of day cells around
// the current date's month, each with its civil and lunar date, laid out in
// overlapping rectangles; and what each cell shows (colours, lunar label).
//
// Order of use: FillMonthGrid when the month changes, ComputeMonthGeometry and
// LayOutMonthCells when the size changes, then the cell helpers while painting.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "calendar/Lunar.h"
#include "views/ColorRef.h"
#include "views/ScreenDpi.h"

inline constexpr int kMonthGridColumns = 7;
inline constexpr int kMonthGridRows = 6;
inline constexpr int kMonthGridCells = kMonthGridColumns * kMonthGridRows;

struct MonthCell {
    SolarDate date;
    LunarDate lunar;
    bool hasLunar = false;  // false outside the lunar tables: no label
    // Right and bottom exclusive; neighbours overlap by two pixels.
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Contains(QPoint point) const {
        return point.x() >= left && point.x() < right && point.y() >= top && point.y() < bottom;
    }
    QRect Rect() const { return QRect(left, top, right - left, bottom - top); }
};

using MonthCells = std::array<MonthCell, kMonthGridCells>;

// Column 0..6 of the month's 1st in a week that starts on Sunday or Monday.
int FirstColumnOfMonth(const SolarDate& first, bool sundayAsStart);
// The 42 dates (with their lunar dates) of the grid that shows `date`'s month.
// Rectangles are left empty.
MonthCells FillMonthGrid(const SolarDate& date, bool sundayAsStart);

// Where the grid goes in a view of that size; nothing for a view under
// 100 x 100 pixels.
struct MonthGeometry {
    bool laidOut = false;
    bool portrait = false;
    QRect grid;        // x0, y0, W, H
    int headerHeight = 0;  // portrait: the white band above the two rules
    int footerTop = 0;     // portrait: the empty white band below the grid
};
MonthGeometry ComputeMonthGeometry(QSize view, ScreenDpi dpi);
// Cell rectangles for the grid: the last column and row absorb the remainders.
void LayOutMonthCells(MonthCells& cells, const QRect& grid);
// The cell whose rectangle holds the point, first in cell order; -1 for none.
int MonthCellAt(const MonthCells& cells, QPoint point);
// The cell of that date; -1 when the grid does not show it.
int MonthCellOf(const MonthCells& cells, const SolarDate& date);

// "L" + leap marker "-" + month "/" day (long form) or + day (short form).
QString LunarLabel(const LunarDate& lunar, bool longForm);
// The long form for cell 0, the first day of a lunar month, today and the
// selected day.
bool UsesLongLunarLabel(int index, const LunarDate& lunar, bool isToday, bool isSelected);

// Another month grey; in the month the selected day wins over today.
ColorRef MonthCellBackground(const SolarDate& cell, int shownMonth, const SolarDate& selected,
                             const SolarDate& today);
// Sunday colour for Sundays and holidays, Saturday colour, else black.
ColorRef DayNumberColour(const SolarDate& date, bool holiday);

// "%4d/%02d" of the month shown.
QString MonthTitle(const SolarDate& date);
