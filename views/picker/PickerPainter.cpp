#include "views/picker/PickerPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include "calendar/PublicHolidays.h"
#include "platform/shell/ColorRef.h"

namespace {

constexpr ColorRef kBandColor = 0xC0C0C0;
constexpr ColorRef kFrameColor = 0x808080;
constexpr ColorRef kSelectedWeekColor = 0xC8C8C8;
constexpr ColorRef kSundayColor = 0x0000FF;
constexpr ColorRef kSaturdayColor = 0xFF0000;

QFont PickerFont(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(std::max(1, pixelHeight));
    font.setBold(bold);
    return font;
}

// The day font is a seventh of the cell high; where the face is wider than
// the handheld's, it shrinks until two digits fit a column.
QFont DayFont(const PickerLayout& layout)
{
    QFont font = PickerFont((layout.cellHeight + 3) / 7, false);
    while (font.pixelSize() > 4 && QFontMetrics(font).horizontalAdvance(QStringLiteral("28")) > layout.dayWidth - 1)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

}  // namespace

PickerPainter::PickerPainter(const PickerLayout& layout)
    : m_layout(layout),
      m_titleFont(PickerFont(layout.titleFontHeight, true)),
      m_dayFont(DayFont(layout))
{
}

void PickerPainter::PaintAll(QPainter& painter, const PickerState& state) const
{
    painter.fillRect(painter.viewport(), Qt::white);
    for (int month = 1; month <= 12; ++month)
        PaintMonth(painter, state, month);
}

void PickerPainter::PaintMonth(QPainter& painter, const PickerState& state, int month) const
{
    const int year = state.selected.year;
    const QRect cell = MonthCellRect(m_layout, month);
    const bool selectedMonth = month == state.selected.month;
    painter.fillRect(cell, Qt::white);

    const QRect band(cell.left(), cell.top(), cell.width(), m_layout.titleHeight);
    painter.fillRect(band, selectedMonth ? QColor(Qt::black) : ColorFromRef(kBandColor));
    painter.setFont(m_titleFont);
    painter.setPen(selectedMonth ? Qt::white : Qt::black);
    const QString title = month == 1 ? QStringLiteral("%1/%2").arg(year).arg(month) : QString::number(month);
    painter.drawText(band, Qt::AlignCenter, title);

    const int days = CivilDaysInMonth(year, month);
    if (selectedMonth) {
        const int row = std::min(DaySlotOf(m_layout, year, month, state.selected.day).row, PickerLayout::kDrawnRows - 1);
        const QRect week(cell.left() + 1, cell.top() + m_layout.gridTop + row * m_layout.rowHeight, cell.width() - 2,
                         m_layout.rowHeight);
        painter.fillRect(week, ColorFromRef(kSelectedWeekColor));
    }
    painter.setFont(m_dayFont);
    for (int day = 1; day <= days; ++day) {
        if (DaySlotOf(m_layout, year, month, day).row >= PickerLayout::kDrawnRows)
            break;
        const SolarDate date{year, month, day};
        const QRect box = DayBox(m_layout, year, month, day);
        const bool today = date == state.today;
        const int weekday = WeekdayOf(date);
        ColorRef colour = 0;
        if (weekday == 1 || (state.showHolidays && IsPublicHoliday(date)))
            colour = kSundayColor;
        else if (weekday == 7)
            colour = kSaturdayColor;
        if (today) {
            painter.fillRect(box, Qt::black);
            painter.setPen(Qt::white);
        } else {
            painter.setPen(ColorFromRef(colour));
        }
        const QString text = SharesFifthRow(m_layout, year, month, day) ? QStringLiteral("/ ") : QString::number(day);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    }

    painter.setPen(ColorFromRef(kFrameColor));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band.adjusted(0, 0, -1, -1));
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
}
