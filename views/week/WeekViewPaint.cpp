// The week view's painting: everything goes into one off-screen image that
// is copied to the window in one go.
#include <QPainter>

#include "views/TextFit.h"
#include "agenda/WeekDates.h"
#include "views/week/WeekEntryLine.h"
#include "views/week/WeekView.h"

namespace {

constexpr ColorRef kInitialsColour = 0x808080;
// The small calendar's colours for Sunday and Saturday.

QFont TahomaFont(int height, bool bold, bool clearType) {
    return MakeFont(DescribeFont(QStringLiteral("Tahoma"), height, bold, false, false, clearType));
}

}  // namespace

void CWeekView::RenderOffscreen() {
    if (m_offscreen.size() != size()) m_offscreen = QImage(size(), QImage::Format_RGB32);
    m_offscreen.fill(Qt::white);
    if (m_offscreen.isNull()) return;
    SyncSelectedCell();
    QPainter dc(&m_offscreen);
    if (m_screen.portrait) {
        PaintHeaderStrip(dc);
        PaintDetailStrip(dc);
    }
    if (!m_cellLayout.laidOut) return;
    PaintCellOutlines(dc);
    for (auto& cell : m_cells) cell->Paint(dc);
    if (!m_calendar.Rect().isEmpty()) m_calendar.Paint(dc);
}

void CWeekView::PaintCellOutlines(QPainter& dc) const {
    for (const auto& cell : m_cells) {
        const QRect& r = cell->Rect();
        FillBox(dc, r.x() - 1, r.y() - 1, r.width() + 2, r.height() + 2, kCellOutlineColour, 0);
    }
}

void CWeekView::PaintHeaderStrip(QPainter& dc) const {
    const Settings& settings = GetSettings();
    const bool clearType = settings.m_ClearType != 0;
    const int width = m_screen.headerStrip.width();
    FillBox(dc, 0, 0, width, m_screen.headerStrip.height(), kWhite, kFillSolid);
    DrawLine(dc, 0, m_screen.headerLineY, width, 0, kStripLineColour);
    DrawLine(dc, 0, m_screen.headerLineY + 1, width, 0, kStripLineColour);

    const QRect& box = m_screen.monthBox;
    FillBox(dc, box.x(), box.y(), box.width(), box.height(), kWhite, kFillSolid);
    DrawTextInRectWith(dc, TahomaFont(S(11, Axis::Y), true, clearType), box.x(), box.y(),
                       box.width(), box.height(), MonthBoxText(DateOfTime(m_host.GetCurrentDate())),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, kBlack);

    const QRect& calendar = m_calendar.Rect();
    if (settings.m_ShowCalendar == 0 || calendar.isEmpty()) return;
    // One letter over each column of the calendar below, aligned as its numbers.
    const QFont font = TahomaFont(S(10, Axis::Y), false, clearType);
    const QString initials = WeekdayInitials(settings.m_SundayAsStart != 0);
    const int dayWidth = S(13, Axis::X);
    const int flags = Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine;
    DrawTextInRectWith(dc, font, calendar.x(), box.y(), dayWidth + 5, box.height(),
                       initials.left(1), flags, kInitialsColour);
    const int sundayColumn = settings.m_SundayAsStart != 0 ? 0 : 6;
    const int saturdayColumn = settings.m_SundayAsStart != 0 ? 6 : 5;
    for (int column = 0; column < kWeekDays; ++column) {
        const ColorRef colour = column == sundayColumn     ? kSundayTextColour
                                : column == saturdayColumn ? kSaturdayTextColour
                                                           : kBlack;
        DrawTextInRectWith(dc, font, calendar.x() + S(20, Axis::X) + column * dayWidth, box.y(),
                           dayWidth, box.height(), initials.mid(column + 1, 1), flags, colour);
    }
}

void CWeekView::PaintDetailStrip(QPainter& dc) const {
    const QRect& strip = m_screen.detailStrip;
    DrawLine(dc, 0, strip.y() - 1, strip.width(), 0, kStripLineColour);
    FillBox(dc, strip.x(), strip.y(), strip.width(), strip.height(), kDetailStripColour, kFillSolid);
    const ItemEntry selection = GetSelection();
    if (selection.oid == kNoItem) return;

    const CEntryPainter& painter = m_cells[static_cast<size_t>(m_selectedCell)]->EntryPainter();
    const DayCellLine line = LineOfEntry(selection);
    const QFont& font = painter.FontFor(line.style);
    const int y = strip.y() + (strip.height() - painter.LineHeight(line.style)) / 2;
    dc.save();
    dc.setClipRect(strip);
    int x = painter.DrawLead(dc, 2, y, line, false, kDetailStripColour);
    const QString body = FitTextToWidth(QFontMetrics(font), line.bodyText,
                                        strip.width() - x - S(2, Axis::X),
                                        painter.MarksWidth(line.marks));
    x += DrawTextWith(dc, font, x, y, body, line.color);
    painter.DrawMarks(dc, x, y, line, kDetailStripColour);
    dc.restore();
}
