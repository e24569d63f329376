#include "views/week/WeekView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "platform/shell/TapAndHold.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "resources/ResourceLibrary.h"
#include "agenda/WeekDates.h"
#include "views/week/WeekEntryLine.h"

namespace {

// Finds the entry again after a reload: same item and occurrence.
int FindSameEntry(const std::vector<ItemEntry>& entries, const ItemEntry& wanted) {
    if (wanted.oid == kNoItem) return -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        const ItemEntry& entry = entries[i];
        if (entry.oid == wanted.oid && entry.kind == wanted.kind && entry.start == wanted.start)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

CWeekView::CWeekView(WeekViewHost& host, QWidget* parent, PopupMenuRunner runMenu)
    : CViewEx(host, parent), m_host(host), m_calendar(*this), m_runMenu(std::move(runMenu)) {
    // Letter keys are commands here, not text for the input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    for (auto& cell : m_cells) cell = std::make_unique<CDayCellPart>(*this);
    m_hold = new TapAndHold(this);
    connect(m_hold, &TapAndHold::held, this, [this](QPoint pos) { ShowHoldMenu(pos); });
    m_first = DateOfTime(m_host.GetWeekStart());
    PrepareCommandSurface();
    SetFonts();
    SetResourceLibrary(m_host.GetResourceLibrary());
}

CWeekView::~CWeekView() = default;

void CWeekView::PrepareCommandSurface() {
    if (QMenu* popup = m_host.RightSoftKeyPopup())
        FillSoftKeyMenu(*popup);
    else
        m_host.ShowItemButtons(true, false);
}

void CWeekView::FillSoftKeyMenu(QMenu& popup) { ReplaceMenu(popup, WeekViewSoftKeyMenu()); }

void CWeekView::SetFonts() {
    const Settings& settings = GetSettings();
    const bool clearType = settings.m_ClearType != 0;
    const QString face = QString::fromStdString(settings.m_WeekFontName);
    for (auto& cell : m_cells) {
        cell->SetEntryFont(face, settings.m_WeekFontSize, clearType);
        cell->SetHeaderFont(QStringLiteral("Tahoma"), S(9, Axis::Y), clearType);
    }
    Layout();
    update();
}

void CWeekView::SetResourceLibrary(const ResourceLibrary* library) {
    const PictureLookup lookup = [library](int id) {
        return library != nullptr ? library->Bitmap(id) : QPixmap();
    };
    for (auto& cell : m_cells) cell->SetPictures(lookup);
    Layout();
    update();
}

void CWeekView::Reload(int redraw) {
    m_first = DateOfTime(m_host.GetWeekStart());
    WeekCells cells;
    Collect(cells);
    FillCells(std::move(cells));
    SyncSelectedCell();
    Layout();
    UpdateTitle();
    if (redraw == 1) update();
}

void CWeekView::Redraw() {
    std::array<ItemEntry, kWeekDays> selected;
    std::array<int, kWeekDays> indices{};
    for (int i = 0; i < kWeekDays; ++i) {
        indices[static_cast<size_t>(i)] = m_cells[static_cast<size_t>(i)]->GetSelectedIndex();
        const auto& entries = m_entries[static_cast<size_t>(i)];
        const int index = indices[static_cast<size_t>(i)];
        if (index >= 0 && index < static_cast<int>(entries.size()))
            selected[static_cast<size_t>(i)] = entries[static_cast<size_t>(index)];
    }
    Reload(0);
    for (size_t i = 0; i < m_cells.size(); ++i) {
        const int same = FindSameEntry(m_entries[i], selected[i]);
        m_cells[i]->SetSelectedIndex(same >= 0 ? same : indices[i]);
    }
    update();
}

void CWeekView::Collect(WeekCells& cells) {
    const WeekContext week{m_first, DateOfTime(Now()), GetSettings()};
    cells = CollectWeekFromSource(week, m_host.GetWeekStart(), m_host.GetWeekEnd(),
                                  m_host.GetItemSource(), m_host.GetAnniversaries());
}

void CWeekView::FillCells(WeekCells cells) {
    const Settings& settings = GetSettings();
    const SolarDate today = DateOfTime(Now());
    for (size_t i = 0; i < m_cells.size(); ++i) {
        CDayCellPart& cell = *m_cells[i];
        const SolarDate date = AddDays(m_first, static_cast<int>(i));
        cell.Clear();
        cell.SetMultiline(settings.m_Multiline != 0);
        cell.SetHeader(CellHeaderFor(date, i == 0));
        cell.SetBackground(CellBackgroundFor(date, today));
        for (const ItemEntry& entry : cells[i]) cell.AddEntry(LineOfEntry(entry));
    }
    m_entries = std::move(cells);
}

void CWeekView::Layout() {
    m_screen = ComputeScreenLayout(size(), Dpi());
    const bool showCalendar = GetSettings().m_ShowCalendar != 0;
    // Each cell measures its entries at its column's width first; what it
    // then needs decides its share of the column's height.
    m_cellLayout = LayoutCells(m_screen.dayArea, {}, showCalendar, Dpi());
    std::array<int, kWeekDays> needs{};
    if (m_cellLayout.laidOut) {
        for (size_t i = 0; i < m_cells.size(); ++i) {
            const QRect& r = m_cellLayout.cells[i];
            m_cells[i]->SetRect(r.x(), r.y(), r.width(), m_screen.dayArea.height());
            needs[i] = m_cells[i]->NeededHeight();
        }
        m_cellLayout = LayoutCells(m_screen.dayArea, needs, showCalendar, Dpi());
    }
    for (size_t i = 0; i < m_cells.size(); ++i) {
        const QRect& r = m_cellLayout.cells[i];
        m_cells[i]->SetRect(r.x(), r.y(), r.width(), r.height());
    }
    const QRect& calendar = m_cellLayout.calendar;
    m_calendar.SetRect(calendar.x(), calendar.y(), calendar.width(), calendar.height());
}

void CWeekView::UpdateTitle() {
    m_host.SetWeekTitle(m_screen.portrait ? QString()
                                          : WeekRangeTitle(m_first, AddDays(m_first, kWeekDays - 1)));
}

ItemEntry CWeekView::GetSelection() const {
    const size_t cell = static_cast<size_t>(m_selectedCell);
    const int index = m_cells[cell]->GetSelectedIndex();
    const std::vector<ItemEntry>& entries = m_entries[cell];
    if (index < 0 || index >= static_cast<int>(entries.size())) return ItemEntry{};
    return entries[static_cast<size_t>(index)];
}

int CWeekView::CellOfCurrentDate() const {
    const int offset = DaysBetween(m_first, DateOfTime(m_host.GetCurrentDate()));
    return std::clamp(offset, 0, kWeekDays - 1);
}

void CWeekView::SyncSelectedCell() {
    m_selectedCell = CellOfCurrentDate();
    for (size_t i = 0; i < m_cells.size(); ++i)
        m_cells[i]->SetFocusFlag(static_cast<int>(i) == m_selectedCell);
}

int CWeekView::CellAt(QPoint point) const {
    if (!m_cellLayout.laidOut) return -1;
    for (size_t i = 0; i < m_cells.size(); ++i)
        if (m_cells[i]->Rect().contains(point)) return static_cast<int>(i);
    return -1;
}

QPoint CWeekView::InCell(int cell, QPoint point) const {
    return point - m_cells[static_cast<size_t>(cell)]->Rect().topLeft();
}

void CWeekView::ChangeCurrentDate(TimeValue date) {
    m_host.SetCurrentDate(date);
    SyncSelectedCell();
    update();
}

void CWeekView::MoveToCell(int cell) {
    ChangeCurrentDate(MidnightOfDate(AddDays(m_first, cell)));
}

void CWeekView::GoToDay(TimeValue date, bool selectLastEntry) {
    m_host.SetCurrentDate(date);
    Reload(0);
    CDayCellPart& cell = *m_cells[static_cast<size_t>(m_selectedCell)];
    if (selectLastEntry) cell.SetSelectedIndex(cell.Count() - 1);
    update();
}

void CWeekView::MoveSelection(int code) {
    const int cell = m_selectedCell;
    const TimeValue current = m_host.GetCurrentDate();
    switch (m_cells[static_cast<size_t>(cell)]->MoveSelection(code)) {
    case kListMoved:
        update();
        break;
    case kListLeftAbove:
        if (cell == 0) {
            GoToDay(AddCalendarDays(current, -1), true);
        } else {
            ChangeCurrentDate(AddCalendarDays(current, -1));
            CDayCellPart& previous = *m_cells[static_cast<size_t>(m_selectedCell)];
            previous.SetSelectedIndex(previous.Count() - 1);
        }
        break;
    case kListLeftBelow:
        if (cell == kWeekDays - 1) {
            GoToDay(AddCalendarDays(current, 1), false);
        } else {
            ChangeCurrentDate(AddCalendarDays(current, 1));
            m_cells[static_cast<size_t>(m_selectedCell)]->SetSelectedIndex(0);
        }
        break;
    default:
        break;
    }
}

void CWeekView::paintEvent(QPaintEvent* event) {
    RenderOffscreen();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_offscreen, event->rect());
}

void CWeekView::resizeEvent(QResizeEvent* event) {
    CViewEx::resizeEvent(event);
    const bool wasPortrait = m_screen.portrait;
    Layout();
    if (wasPortrait != m_screen.portrait) UpdateTitle();
    update();
}

void CWeekView::keyPressEvent(QKeyEvent* event) {
    // Shortcuts with modifiers belong to the frame.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        CViewEx::keyPressEvent(event);
        return;
    }
    const TimeValue current = m_host.GetCurrentDate();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_host.PostCommand(ID_EDIT_ITEM);
        break;
    case Qt::Key_O:
        m_host.PostCommand(ID_GO_TODAY);
        break;
    case Qt::Key_A:
        m_host.PostCommand(ID_NEW_APPOINTMENT);
        break;
    case Qt::Key_T:
        m_host.PostCommand(ID_NEW_TASK);
        break;
    case Qt::Key_N:
        m_host.PostCommand(ID_VIEW_ANNIVERSARIES);
        break;
    case Qt::Key_M:
        m_host.PostCommand(ID_VIEW_MONTH_LUNAR);
        break;
    case Qt::Key_Left:
    case Qt::Key_D:
        GoToDay(AddCalendarDays(current, -7), false);
        break;
    case Qt::Key_Right:
    case Qt::Key_G:
        GoToDay(AddCalendarDays(current, 7), false);
        break;
    case Qt::Key_Up:
    case Qt::Key_R:
        MoveSelection(Qt::Key_Up);
        break;
    case Qt::Key_Down:
    case Qt::Key_C:
        MoveSelection(Qt::Key_Down);
        break;
    default:
        CViewEx::keyPressEvent(event);
        return;
    }
    event->accept();
}
