#include "views/week/WeekLayout.h"

#include <algorithm>

namespace {

constexpr int kMinimumArea = 100;
constexpr int kWeightBase = 30;

// Stacks the cells [first, last] of one column from `top`, each but the last
// sized by its share of the column, the last down to the area's bottom.
void StackColumn(WeekCellLayout& layout, int first, int last, int x, int width, int top,
                 int columnHeight, int bottom, const std::array<int, kWeekDays>& weights) {
    int sum = 0;
    for (int i = first; i <= last; ++i) sum += weights[static_cast<size_t>(i)];
    const float perWeight =
        sum > 0 ? static_cast<float>(columnHeight) / static_cast<float>(sum) : 0.0f;
    int y = top;
    for (int i = first; i <= last; ++i) {
        int height = static_cast<int>(static_cast<float>(weights[static_cast<size_t>(i)]) * perWeight);
        if (i == last) height = bottom - y;
        height = std::clamp(height, 0, std::max(0, bottom - y));
        layout.cells[static_cast<size_t>(i)] = QRect(x, y, width, height);
        y += height + 1;
    }
}

}  // namespace

WeekScreenLayout ComputeScreenLayout(QSize client, ScreenDpi dpi) {
    WeekScreenLayout layout;
    const int w = client.width();
    const int h = client.height();
    layout.portrait = w < h;
    if (!layout.portrait) {
        layout.dayArea = QRect(0, 0, w, h);
        return layout;
    }
    const int header = dpi.S(16, Axis::Y);
    const int detail = dpi.S(15, Axis::Y);
    layout.headerLineY = header + 1;
    layout.headerStrip = QRect(0, 0, w, header + 1);
    layout.dayArea = QRect(0, header + 3, w, std::max(0, h - header - detail - 5));
    layout.monthBox = QRect(dpi.S(5, Axis::X), dpi.S(2, Axis::Y), dpi.S(55, Axis::X), dpi.S(14, Axis::Y));
    layout.monthHitBox = QRect(QPoint(dpi.S(5, Axis::X), dpi.S(2, Axis::Y)), QPoint(dpi.S(60, Axis::X) - 1, header - 1));
    const int detailTop = h - detail - 1;
    layout.detailStrip = QRect(0, detailTop, w, std::max(0, h - detailTop));
    return layout;
}

int CellWeight(int need, int areaHeight) { return std::min(need, areaHeight / 2) + kWeightBase; }

WeekCellLayout LayoutCells(const QRect& dayArea, const std::array<int, kWeekDays>& needs,
                           bool showCalendar, ScreenDpi dpi) {
    WeekCellLayout layout;
    const int w = dayArea.width();
    const int h = dayArea.height();
    if (w < kMinimumArea || h < kMinimumArea) return layout;

    std::array<int, kWeekDays> weights{};
    for (size_t i = 0; i < weights.size(); ++i) weights[i] = CellWeight(std::max(0, needs[i]), h);

    const int leftWidth = w / 2;
    const int rightX = dayArea.x() + w / 2 + 1;
    // Ends at the area's edge so that the right column's outline stays visible.
    const int rightWidth = dayArea.right() + 1 - rightX;
    const int bottom = dayArea.bottom() + 1;
    const int split = LeftColumnCells(showCalendar);

    StackColumn(layout, 0, split - 1, dayArea.x(), leftWidth, dayArea.y(), h, bottom, weights);
    int rightTop = dayArea.y();
    int rightHeight = h;
    if (showCalendar) {
        const int calendarHeight = dpi.S(58, Axis::Y);
        layout.calendar = QRect(rightX, dayArea.y(), rightWidth, calendarHeight);
        rightTop += calendarHeight + 1;
        rightHeight -= calendarHeight + 1;
    }
    StackColumn(layout, split, kWeekDays - 1, rightX, rightWidth, rightTop, rightHeight, bottom,
                weights);
    layout.laidOut = true;
    return layout;
}

DayCellHeader CellHeaderFor(const SolarDate& date, bool firstCell) {
    static const char* const kWeekdays[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    DayCellHeader header;
    header.dateText = firstCell || date.day == 1
                          ? QStringLiteral("%1/%2").arg(date.month).arg(date.day)
                          : QString::number(date.day);
    const int weekday = WeekdayOf(date);  // 1 = Sunday
    header.weekdayText = QString::fromLatin1(kWeekdays[weekday - 1]);
    if (weekday == 1) {
        header.edge = 0x6746E9;
        header.upper = 0xBBA0FA;
        header.lower = 0x8965FC;
    } else if (weekday == 7) {
        header.edge = 0xE94665;
        header.upper = 0xFDB3AA;
        header.lower = 0xFF8181;
    } else {
        header.edge = 0x787878;
        header.upper = 0xBBBBBB;
        header.lower = 0x999999;
    }
    return header;
}

ColorRef CellBackgroundFor(const SolarDate& date, const SolarDate& today) {
    return date == today ? kTodayCellColour : kCellColour;
}

QString MonthBoxText(const SolarDate& date) {
    return QString::asprintf("%4d/%02d", date.year, date.month);
}

QString WeekdayInitials(bool sundayAsStart) {
    return sundayAsStart ? QStringLiteral("#SMTWTFS") : QStringLiteral("#MTWTFSS");
}

QString WeekRangeTitle(const SolarDate& first, const SolarDate& last) {
    if (first.year == last.year)
        return QString::asprintf("%4d/%02d/%02d ~ %02d/%02d", first.year, first.month, first.day,
                                 last.month, last.day);
    return QString::asprintf("%4d/%02d/%02d ~ %04d/%02d/%02d", first.year, first.month, first.day,
                             last.year, last.month, last.day);
}
