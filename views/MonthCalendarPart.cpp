#include "views/MonthCalendarPart.h"

#include <QPainter>

#include "platform/time/Gregorian.h"
#include "views/ViewEx.h"

namespace {

constexpr ColorRef kWeekHighlight = 0xE1D7CD;
constexpr ColorRef kTodayBox = 0xC37D7D;
constexpr int kFirstRowTop = 4;
constexpr int kRightAligned = Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine;

struct YearMonthDay {
    int year;
    int month;
    int day;
};

YearMonthDay DateOf(TimeValue t) {
    const TimeParts parts = *PartsFromTime(t);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

YearMonthDay DateFromDays(int64_t days) {
    const gregorian::CivilDate civil = gregorian::CivilFromDays(days);
    return {static_cast<int>(civil.year), civil.month, civil.day};
}

CalendarHitRecord Record(int left, int top, int right, int bottom, YearMonthDay date) {
    return {left, top, right, bottom, date.year, date.month, date.day};
}

}  // namespace

CMonthCalendarPart::CMonthCalendarPart(CViewEx& owner) : CViewPart(owner) {}

CMonthCalendarPart::MonthLayout CMonthCalendarPart::BuildLayout() const {
    const Settings& settings = Owner().GetSettings();
    const bool sundayAsStart = settings.m_SundayAsStart != 0;
    const YearMonthDay current = DateOf(Owner().Host().GetCurrentDate());
    const YearMonthDay today = DateOf(Now());

    MonthLayout layout;
    layout.year = current.year;
    layout.month = current.month;
    layout.todayDay =
        today.year == current.year && today.month == current.month ? today.day : 0;

    const int weekColumn = S(20, Axis::X);
    const int dayWidth = S(13, Axis::X);
    const int rowHeight = S(9, Axis::Y);
    const int64_t firstDays = gregorian::DaysFromCivil(current.year, current.month, 1);
    const int firstWeekday = gregorian::WeekdayFromDays(firstDays);
    const int firstColumn = WeekdayColumn(firstWeekday + 1, sundayAsStart) - 1;
    const int daysInMonth = DaysInMonth(current.year, current.month);

    int column = firstColumn;
    int y = kFirstRowTop;
    for (int d = 1; d <= daysInMonth; ++d) {
        DayCell cell;
        cell.x = weekColumn + column * dayWidth;
        cell.y = y;
        cell.day = d;
        cell.weekday = (firstWeekday + d - 1) % 7;
        cell.rowStart = d == 1 || column == 0;
        if (cell.rowStart) {
            cell.rowHighlighted = current.day >= d && current.day <= d - column + 6;
            // The row's week is that of its last column.
            const YearMonthDay rowEnd = DateFromDays(firstDays + (d - 1) + (6 - column));
            cell.weekNumber = WeekOfYear(rowEnd.year, rowEnd.month, rowEnd.day, sundayAsStart);
        }
        layout.days.push_back(cell);
        layout.records.push_back(Record(cell.x, y - 2, cell.x + dayWidth, y + rowHeight,
                                        {current.year, current.month, d}));
        if (++column == 7) {
            column = 0;
            y += rowHeight;
        }
    }

    const DayCell& last = layout.days.back();
    const int gridRight = weekColumn + 7 * dayWidth;
    if (last.x + dayWidth < gridRight)
        layout.records.push_back(Record(last.x + dayWidth, last.y - 2, gridRight,
                                        last.y + rowHeight,
                                        DateFromDays(firstDays + daysInMonth)));
    if (firstColumn != 0)
        layout.records.push_back(Record(weekColumn, kFirstRowTop - 2,
                                        layout.days.front().x, kFirstRowTop + rowHeight,
                                        DateFromDays(firstDays - 1)));
    return layout;
}

void CMonthCalendarPart::DrawRowHighlight(QPainter& dc, int y) const {
    const int w = Width();
    const int rowHeight = S(9, Axis::Y);
    DrawLine(dc, 3, y - 1, w - 5, 0, kWeekHighlight);
    FillBox(dc, 2, y, w - 3, rowHeight - 2, kWeekHighlight, kFillSolid);
    DrawLine(dc, 3, y + rowHeight - 2, w - 5, 0, kWeekHighlight);
}

void CMonthCalendarPart::DrawTodayBox(QPainter& dc, int x, int y) const {
    const int dayWidth = S(13, Axis::X);
    const int rowHeight = S(9, Axis::Y);
    DrawLine(dc, x + 2, y - 1, dayWidth - 1, 0, kTodayBox);
    FillBox(dc, x + 1, y, dayWidth + 1, rowHeight - 2, kTodayBox, kFillSolid);
    DrawLine(dc, x + 2, y + rowHeight - 2, dayWidth - 1, 0, kTodayBox);
}

void CMonthCalendarPart::Paint(QPainter& dc) {
    m_records.clear();
    m_weekNumbers.clear();
    if (!IsPaintable()) return;
    const MonthLayout layout = BuildLayout();
    m_records = layout.records;
    for (const DayCell& cell : layout.days)
        if (cell.rowStart) m_weekNumbers.push_back(cell.weekNumber);

    const bool clearType = Owner().GetSettings().m_ClearType != 0;
    const int fontHeight = (Dpi().y + 6) * 8 / 96;
    const QFont normal = MakeFont(DescribeFont("Lucida Console", fontHeight, false, false, false,
                                               clearType));
    const QFont bold = MakeFont(DescribeFont("Lucida Console", fontHeight, true, false, false,
                                             clearType));
    const int dayWidth = S(13, Axis::X);
    const int rowHeight = S(9, Axis::Y);

    QImage& image = BeginOffscreen(kWhite);
    QPainter painter(&image);
    for (const DayCell& cell : layout.days) {
        if (cell.rowStart) {
            if (cell.rowHighlighted) DrawRowHighlight(painter, cell.y);
            DrawTextInRectWith(painter, bold, 0, cell.y, dayWidth + 5, rowHeight,
                               QString::number(cell.weekNumber), kRightAligned, kBlack);
        }
        ColorRef text = kBlack;
        if (cell.day == layout.todayDay) {
            DrawTodayBox(painter, cell.x, cell.y);
            text = kWhite;
        } else if (cell.weekday == 0) {
            text = kSundayTextColour;
        } else if (cell.weekday == 6) {
            text = kSaturdayTextColour;
        }
        DrawTextInRectWith(painter, normal, cell.x, cell.y, dayWidth, rowHeight,
                           QString::number(cell.day), kRightAligned, text);
    }
    painter.end();
    CopyOffscreen(dc);
}

bool CMonthCalendarPart::HitTest(QPoint point) {
    // The records are those of the month on screen, as last painted.
    const QPoint local = point - Rect().topLeft();
    for (const CalendarHitRecord& record : m_records) {
        if (!record.Contains(local.x(), local.y())) continue;
        Owner().Host().SetCurrentDate(TimeFromFields(record.year, record.month, record.day, 0, 0, 0));
        return true;
    }
    return false;
}
