// Where the week view puts things: the strips of a portrait screen, the day
// area, the seven cells in two columns (sized by what each day holds) and the
// small calendar; the texts and colours of the cell headers and the title.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "agenda/WeekDates.h"
#include "calendar/CivilDate.h"
#include "views/DayCellPart.h"
#include "views/ScreenDpi.h"

inline constexpr ColorRef kStripLineColour = 0xBEBEBE;
inline constexpr ColorRef kDetailStripColour = 0xE6E6E6;
inline constexpr ColorRef kTodayCellColour = 0xC8FFFF;
inline constexpr ColorRef kCellColour = kWhite;
inline constexpr ColorRef kCellOutlineColour = 0xBEBEBE;

struct WeekScreenLayout {
    bool portrait = false;
    QRect dayArea;
    // Portrait only (empty in landscape): the strip above the cells with its
    // two grey lines, the month box inside it, and the detail strip below.
    QRect headerStrip;
    int headerLineY = 0;  // first of the two lines; the second is one below
    QRect monthBox;
    QRect monthHitBox;    // where a tap opens the date picker
    QRect detailStrip;    // the grey line lies just above it
};

// Portrait when the client is narrower than high.
WeekScreenLayout ComputeScreenLayout(QSize client, ScreenDpi dpi);

struct WeekCellLayout {
    bool laidOut = false;  // false while the day area is too small
    std::array<QRect, kWeekDays> cells;
    QRect calendar;        // empty without the calendar
};

// `needs` are the heights the cells ask for, cell 0 first.
WeekCellLayout LayoutCells(const QRect& dayArea, const std::array<int, kWeekDays>& needs,
                           bool showCalendar, ScreenDpi dpi);

// The weight that sizes a cell within its column.
int CellWeight(int need, int areaHeight);

// How many cells the left column holds.
inline int LeftColumnCells(bool showCalendar) { return showCalendar ? 4 : 3; }

// The header box texts and colours of the cell showing `date`.
DayCellHeader CellHeaderFor(const SolarDate& date, bool firstCell);
ColorRef CellBackgroundFor(const SolarDate& date, const SolarDate& today);

// "2009/03" of the header strip's month box.
QString MonthBoxText(const SolarDate& date);
// One letter per calendar column, the week-number column ("#") first.
QString WeekdayInitials(bool sundayAsStart);
// The week's range for the frame's title on a landscape screen.
QString WeekRangeTitle(const SolarDate& first, const SolarDate& last);
