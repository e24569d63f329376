#include "views/month/MonthGrid.h"

#include "views/ColorRef.h"

namespace {

constexpr int kMinimumSide = 100;
constexpr ColorRef kOtherMonthBackground = 0xEBEBEB;
constexpr ColorRef kSelectedBackground = 0xFAA5BE;
constexpr ColorRef kTodayBackground = 0xCDFFFF;
constexpr int kSunday = 1;
constexpr int kSaturday = 7;

}  // namespace

int FirstColumnOfMonth(const SolarDate& first, bool sundayAsStart) {
    const int weekday = WeekdayOf(first);
    if (sundayAsStart) return weekday - 1;
    return weekday == kSunday ? 6 : weekday - 2;
}

MonthCells FillMonthGrid(const SolarDate& date, bool sundayAsStart) {
    const SolarDate first{date.year, date.month, 1};
    const SolarDate start = AddDays(first, -FirstColumnOfMonth(first, sundayAsStart));
    MonthCells cells{};
    // One day number walk: each cell is the next calendar day.
    const uint32_t startNumber = DateToDayNumber(start);
    for (int i = 0; i < kMonthGridCells; ++i) {
        MonthCell& cell = cells[static_cast<size_t>(i)];
        DayNumberToDate(startNumber + static_cast<uint32_t>(i), cell.date);
        cell.hasLunar = SolarToLunar(cell.date.year, cell.date.month, cell.date.day, cell.lunar) == 1;
    }
    return cells;
}

MonthGeometry ComputeMonthGeometry(QSize view, ScreenDpi dpi) {
    MonthGeometry geometry{};
    if (view.width() < kMinimumSide || view.height() < kMinimumSide) return geometry;
    geometry.laidOut = true;
    geometry.portrait = view.height() > view.width();
    if (!geometry.portrait) {
        geometry.grid = QRect(0, 0, view.width(), view.height());
        geometry.footerTop = view.height();
        return geometry;
    }
    const int header = ScaleForDpi(16, dpi.y);
    const int footer = ScaleForDpi(55, dpi.y);
    geometry.headerHeight = header + 1;
    geometry.grid = QRect(0, header + 3, view.width(), std::max(0, view.height() - header - footer - 4));
    geometry.footerTop = view.height() - footer;
    return geometry;
}

void LayOutMonthCells(MonthCells& cells, const QRect& grid) {
    const int cw = grid.width() / kMonthGridColumns;
    const int rh = grid.height() / kMonthGridRows;
    for (int i = 0; i < kMonthGridCells; ++i) {
        const int row = i / kMonthGridColumns;
        const int column = i % kMonthGridColumns;
        MonthCell& cell = cells[static_cast<size_t>(i)];
        cell.left = grid.x() + column * cw - 1;
        cell.top = grid.y() + row * rh - 1;
        cell.right = column == kMonthGridColumns - 1 ? grid.x() + grid.width() + 1
                                                     : grid.x() + (column + 1) * cw + 1;
        cell.bottom = row == kMonthGridRows - 1 ? grid.y() + grid.height() + 1
                                                : grid.y() + (row + 1) * rh + 1;
    }
}

int MonthCellAt(const MonthCells& cells, QPoint point) {
    for (int i = 0; i < kMonthGridCells; ++i)
        if (cells[static_cast<size_t>(i)].Contains(point)) return i;
    return -1;
}

int MonthCellOf(const MonthCells& cells, const SolarDate& date) {
    for (int i = 0; i < kMonthGridCells; ++i)
        if (cells[static_cast<size_t>(i)].date == date) return i;
    return -1;
}

QString LunarLabel(const LunarDate& lunar, bool longForm) {
    const QString marker = lunar.isLeapMonth ? QStringLiteral("-") : QString();
    if (longForm) return QStringLiteral("L%1%2/%3").arg(marker).arg(lunar.month).arg(lunar.day);
    return QStringLiteral("L%1%2").arg(marker).arg(lunar.day);
}

bool UsesLongLunarLabel(int index, const LunarDate& lunar, bool isToday, bool isSelected) {
    return index == 0 || lunar.day == 1 || isToday || isSelected;
}

ColorRef MonthCellBackground(const SolarDate& cell, int shownMonth, const SolarDate& selected,
                             const SolarDate& today) {
    if (cell.month != shownMonth) return kOtherMonthBackground;
    if (cell == selected) return kSelectedBackground;
    if (cell == today) return kTodayBackground;
    return kWhite;
}

ColorRef DayNumberColour(const SolarDate& date, bool holiday) {
    const int weekday = WeekdayOf(date);
    if (weekday == kSunday || holiday) return kSundayTextColour;
    if (weekday == kSaturday) return kSaturdayTextColour;
    return kBlack;
}

QString MonthTitle(const SolarDate& date) {
    return QStringLiteral("%1/%2").arg(date.year, 4, 10, QLatin1Char(' ')).arg(date.month, 2, 10, QLatin1Char('0'));
}
