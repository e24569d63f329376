#include "views/month/MonthView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "calendar/PublicHolidays.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "views/HeaderBand.h"
#include "views/ColorRef.h"
#include "agenda/WeekDates.h"

namespace {

constexpr ColorRef kFootTextColour = 0x7D7D7D;

SolarDate FirstOfMonth(int year, int month) {
    if (month < 1) return {year - 1, 12, 1};
    if (month > 12) return {year + 1, 1, 1};
    return {year, month, 1};
}

}  // namespace

CMonthView::CMonthView(FrameViewHost& host, int otherMonthView, QWidget* parent)
    : CViewEx(host, parent), m_host(host), m_otherMonthView(otherMonthView) {
    // Letter keys are commands here, not text for the input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    const Settings& settings = GetSettings();
    m_dayFont = MakeFont(DescribeFont(QStringLiteral("Lucida Console"), S(8, Axis::Y), false, false,
                                      false, settings.m_ClearType != 0));
    FillDates();
    Layout();
}

void CMonthView::PrepareCommandSurface(const MenuDesc& softKeyMenu, bool weatherRefresh) {
    if (QMenu* popup = m_host.RightSoftKeyPopup())
        ReplaceMenu(*popup, softKeyMenu);
    else
        m_host.ShowItemButtons(false, weatherRefresh);
}

SolarDate CMonthView::CurrentDay() const { return DateOfTime(m_host.GetCurrentDate()); }

void CMonthView::RefreshMonthView(int repaint) {
    FillDates();
    Layout();
    UpdateTitle();
    if (repaint == 1) update();
}

void CMonthView::FillDates() {
    const SolarDate current = CurrentDay();
    m_cells = FillMonthGrid(current, GetSettings().m_SundayAsStart != 0);
    m_shownYear = current.year;
    m_shownMonth = current.month;
    OnDatesFilled();
}

void CMonthView::Layout() {
    m_layoutSize = size();
    m_geometry = ComputeMonthGeometry(size(), Dpi());
    if (m_geometry.laidOut) LayOutMonthCells(m_cells, m_geometry.grid);
}

void CMonthView::UpdateTitle() {
    if (!m_geometry.laidOut) return;
    m_host.SetViewTitle(m_geometry.portrait ? QString() : MonthTitle(CurrentDay()) + TitleSuffix());
}

void CMonthView::UpdateCellOf(const SolarDate& day) {
    const int index = MonthCellOf(m_cells, day);
    if (index >= 0) update(m_cells[static_cast<size_t>(index)].Rect());
}

void CMonthView::MoveTo(TimeValue date) {
    const SolarDate before = CurrentDay();
    m_host.SetCurrentDate(date);
    const SolarDate after = CurrentDay();
    if (after.year == m_shownYear && after.month == m_shownMonth) {
        UpdateCellOf(before);
        UpdateCellOf(after);
        return;
    }
    FillDates();
    Layout();
    UpdateTitle();
    update();
}

void CMonthView::resizeEvent(QResizeEvent* event) {
    CViewEx::resizeEvent(event);
    Layout();
    UpdateTitle();
    update();
}

void CMonthView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_geometry.laidOut) {
        CViewEx::mousePressEvent(event);
        return;
    }
    const int index = MonthCellAt(m_cells, event->position().toPoint());
    if (index >= 0) MoveTo(MidnightOfDate(m_cells[static_cast<size_t>(index)].date));
    CViewEx::mousePressEvent(event);
}

void CMonthView::keyPressEvent(QKeyEvent* event) {
    // Shortcuts with modifiers belong to the frame.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        CViewEx::keyPressEvent(event);
        return;
    }
    const TimeValue current = m_host.GetCurrentDate();
    const SolarDate day = CurrentDay();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_W:
        m_host.PostCommand(ID_VIEW_WEEK);
        break;
    case Qt::Key_O:
        m_host.PostCommand(ID_GO_TODAY);
        break;
    case Qt::Key_N:
        m_host.PostCommand(ID_VIEW_ANNIVERSARIES);
        break;
    case Qt::Key_M:
        m_host.PostCommand(m_otherMonthView);
        break;
    case Qt::Key_Left:
    case Qt::Key_D:
        MoveTo(AddCalendarDays(current, -1));
        break;
    case Qt::Key_Right:
    case Qt::Key_G:
        MoveTo(AddCalendarDays(current, 1));
        break;
    case Qt::Key_Up:
    case Qt::Key_R:
        MoveTo(AddCalendarDays(current, -7));
        break;
    case Qt::Key_Down:
    case Qt::Key_C:
        MoveTo(AddCalendarDays(current, 7));
        break;
    case Qt::Key_S:
        MoveTo(MidnightOfDate(FirstOfMonth(day.year, day.month - 1)));
        break;
    case Qt::Key_H:
        MoveTo(MidnightOfDate(FirstOfMonth(day.year, day.month + 1)));
        break;
    default:
        CViewEx::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CMonthView::paintEvent(QPaintEvent* event) {
    RenderOffscreen();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_offscreen, event->rect());
}

void CMonthView::RenderOffscreen() {
    if (m_offscreen.size() != size()) m_offscreen = QImage(size(), QImage::Format_RGB32);
    if (m_offscreen.isNull()) return;
    m_offscreen.fill(Qt::white);
    // A hidden view gets its resize event only when shown.
    if (m_layoutSize != size()) Layout();
    if (!m_geometry.laidOut) return;
    QPainter dc(&m_offscreen);
    const SolarDate selected = CurrentDay();
    if (m_geometry.portrait)
        PaintHeaderBand(dc, *this, width(), MonthTitle(selected) + TitleSuffix(),
                        GetSettings().m_ClearType != 0, WideTitleBox());
    const SolarDate today = DateOfTime(Now());
    for (int i = 0; i < kMonthGridCells; ++i) PaintCell(dc, i, selected, today);
    if (m_geometry.portrait)
        FillBox(dc, 0, m_geometry.footerTop, width(), height() - m_geometry.footerTop, kWhite,
                kFillSolid);
}

void CMonthView::PaintCell(QPainter& dc, int index, const SolarDate& selected,
                           const SolarDate& today) const {
    const MonthCell& cell = m_cells[static_cast<size_t>(index)];
    const int width = cell.right - cell.left;
    const int height = cell.bottom - cell.top;
    const ColorRef background = MonthCellBackground(cell.date, m_shownMonth, selected, today);
    FillBox(dc, cell.left, cell.top, width, height, background, kFillSolid);
    FillBox(dc, cell.left, cell.top, width, height, kRuleColour, 0);

    // Texts stay inside the cell, however small the screen.
    dc.save();
    dc.setClipRect(cell.Rect());
    const bool holiday = GetSettings().m_ShowHolidays != 0 && IsPublicHoliday(cell.date);
    DrawTextWith(dc, m_dayFont, cell.left + S(2, Axis::X), cell.top + S(3, Axis::Y),
                 QString::number(cell.date.day), DayNumberColour(cell.date, holiday));
    PaintCellContent(dc, index, cell, background, cell.date == today, cell.date == selected);
    dc.restore();
}

QRect CMonthView::FreeCornerArea(const MonthCell& cell) const {
    const QFontMetrics metrics(m_dayFont);
    const int left = cell.left + S(2, Axis::X) + metrics.horizontalAdvance(QString::number(cell.date.day)) + 1;
    const int bottom = cell.bottom - S(2, Axis::Y) - metrics.height();
    return QRect(QPoint(left, cell.top + 1), QPoint(cell.right - 2, bottom - 1));
}

void CMonthView::PaintFootText(QPainter& dc, const MonthCell& cell, const QString& text) const {
    const int h = QFontMetrics(m_dayFont).height();
    DrawTextInRectWith(dc, m_dayFont, cell.left + S(2, Axis::X), cell.bottom - S(2, Axis::Y) - h,
                       cell.right - S(2, Axis::X) - cell.left, S(2, Axis::Y) + h, text,
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, kFootTextColour);
}
