#include "views/picker/PickerLayout.h"

#include <Qt>

#include <algorithm>

#include "pim/time/TimeValue.h"
#include "platform/shell/Density.h"

namespace {

int RoundedDivision(int a, int b) { return b == 0 ? 0 : (a + b / 2) / b; }

// The first year that Left may leave: the time values begin in 1970.
constexpr int kFirstYearLeftMayLeave = 1971;
constexpr int kLastYearRightMayLeave = 2105;

}  // namespace

PickerLayout MakePickerLayout(QSize client, int dpiY, bool sundayAsStart)
{
    PickerLayout layout;
    const bool portrait = client.width() <= client.height();
    layout.columns = portrait ? 3 : 4;
    layout.rows = portrait ? 4 : 3;
    layout.cellWidth = RoundedDivision(client.width(), layout.columns);
    layout.cellHeight = RoundedDivision(client.height(), layout.rows);
    const int h = dpiY == 131 ? 10 : 14;
    layout.titleHeight = ScaleForDpi(h, dpiY);
    layout.titleFontHeight = ScaleForDpi(h - 3, dpiY);
    layout.gridTop = ScaleForDpi(h + 1, dpiY);
    layout.rowHeight = RoundedDivision(layout.cellHeight - layout.gridTop, PickerLayout::kDrawnRows);
    layout.dayWidth = RoundedDivision(layout.cellWidth, 7);
    layout.dayLeft = RoundedDivision(layout.cellWidth - 7 * layout.dayWidth + 1, 2);
    layout.sundayAsStart = sundayAsStart;
    return layout;
}

QRect MonthCellRect(const PickerLayout& layout, int month)
{
    const int row = (month - 1) / layout.columns;
    const int column = (month - 1) % layout.columns;
    return QRect(column * layout.cellWidth, row * layout.cellHeight, layout.cellWidth, layout.cellHeight);
}

int MonthAt(const PickerLayout& layout, QPoint point)
{
    for (int month = 1; month <= 12; ++month) {
        if (MonthCellRect(layout, month).contains(point))
            return month;
    }
    return 0;
}

DaySlot DaySlotOf(const PickerLayout& layout, int year, int month, int day)
{
    const int firstColumn = WeekdayColumn(WeekdayOf(SolarDate{year, month, 1}), layout.sundayAsStart) - 1;
    const int index = firstColumn + day - 1;
    return {index / 7, index % 7};
}

QRect DayBox(const PickerLayout& layout, int year, int month, int day)
{
    const QRect cell = MonthCellRect(layout, month);
    const DaySlot slot = DaySlotOf(layout, year, month, day);
    return QRect(cell.left() + layout.dayLeft + slot.column * layout.dayWidth,
                 cell.top() + layout.gridTop + slot.row * layout.rowHeight, layout.dayWidth, layout.rowHeight);
}

bool SharesFifthRow(const PickerLayout& layout, int year, int month, int day)
{
    return DaySlotOf(layout, year, month, day).row == PickerLayout::kDrawnRows - 1 &&
           day + 7 <= CivilDaysInMonth(year, month);
}

bool PickerTap(const PickerLayout& layout, int year, QPoint point, SolarDate& selected)
{
    const int month = MonthAt(layout, point);
    if (month == 0)
        return false;
    const QRect cell = MonthCellRect(layout, month);
    const int days = CivilDaysInMonth(year, month);
    selected = SolarDate{year, month, days};
    if (point.y() < cell.top() + layout.titleHeight) {
        selected.day = 1;
        return true;
    }
    for (int day = 1; day <= days; ++day) {
        if (DaySlotOf(layout, year, month, day).row < PickerLayout::kDrawnRows &&
            DayBox(layout, year, month, day).contains(point)) {
            selected.day = day;
            break;
        }
    }
    return true;
}

bool PickerKey(int key, SolarDate& selected)
{
    const int days = CivilDaysInMonth(selected.year, selected.month);
    switch (key) {
    case Qt::Key_Left:
        if (selected.month == 1) {
            if (selected.year < kFirstYearLeftMayLeave)
                return false;
            selected = SolarDate{selected.year - 1, 12, 31};
        } else {
            selected.month -= 1;
            selected.day = CivilDaysInMonth(selected.year, selected.month);
        }
        return true;
    case Qt::Key_Right:
        // Time values end in February 2106: a later date could not be returned.
        if (selected.month == 12 && selected.year >= kLastYearRightMayLeave)
            return false;
        selected = selected.month == 12 ? SolarDate{selected.year + 1, 1, 1} : SolarDate{selected.year, selected.month + 1, 1};
        return true;
    case Qt::Key_Up:
        selected.day = std::max(1, selected.day - 7);
        return true;
    case Qt::Key_Down:
        selected.day = std::min(days, selected.day + 7);
        return true;
    default:
        return false;
    }
}
