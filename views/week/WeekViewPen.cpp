// The week view's pen: taps in the cells, the month box and the calendar,
// strokes that stand for commands, and the tap-and-hold menu.
#include <QMouseEvent>

#include "platform/shell/TapAndHold.h"
#include "resources/CommandIds.h"
#include "resources/Menus.h"
#include "agenda/WeekDates.h"
#include "views/week/WeekView.h"

void CWeekView::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const int cell = CellAt(point);
    if (event->button() == Qt::RightButton) {
        // A desktop's context click stands for the held pen.
        if (cell < 0) return;
        PenDownInCell(cell, point);
        ShowHoldMenu(point);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (m_screen.portrait && m_screen.monthHitBox.contains(point)) {
        m_hold->Cancel();
        PenDownInMonthBox();
    } else if (cell >= 0) {
        PenDownInCell(cell, point);
    } else if (!m_calendar.Rect().isEmpty() && m_calendar.Rect().contains(point)) {
        m_hold->Cancel();
        PenDownInCalendar(point);
    }
}

void CWeekView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_penCaptured) return;
    const QPoint point = event->position().toPoint();
    if (m_forwardMoves) {
        const QPoint local = InCell(m_selectedCell, point);
        m_cells[static_cast<size_t>(m_selectedCell)]->PenMove(local.x(), local.y());
    }
    // A sideways stroke no longer drags the list.
    if (m_stroke.Move(point)) m_forwardMoves = false;
}

void CWeekView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_penCaptured || event->button() != Qt::LeftButton) return;
    m_penCaptured = false;
    RunStrokeCommand(CommandForStroke(m_stroke.Digits()));
    m_cells[static_cast<size_t>(m_selectedCell)]->PenUp();
    m_stroke.Clear();
    m_forwardMoves = false;
}

void CWeekView::PenDownInCell(int cell, QPoint point) {
    m_penCaptured = true;
    m_stroke.Begin(point);
    m_forwardMoves = true;
    if (cell != m_selectedCell) MoveToCell(cell);
    const QPoint local = InCell(cell, point);
    m_cells[static_cast<size_t>(cell)]->PenDown(local.x(), local.y());
    update();
}

void CWeekView::PenDownInCalendar(QPoint point) {
    const TimeValue weekBefore = m_host.GetWeekStart();
    if (!m_calendar.HitTest(point)) return;
    if (m_host.GetWeekStart() == weekBefore) {
        SyncSelectedCell();
        update();
    } else {
        Reload(1);
    }
}

void CWeekView::PenDownInMonthBox() {
    const std::optional<TimeValue> chosen = m_host.PickDate(m_host.GetCurrentDate());
    if (!chosen) return;
    m_host.SetCurrentDate(*chosen);
    Reload(1);
}

void CWeekView::EndPenCapture() {
    if (!m_penCaptured) return;
    m_penCaptured = false;
    m_cells[static_cast<size_t>(m_selectedCell)]->PenUp();
    m_stroke.Clear();
    m_forwardMoves = false;
}

void CWeekView::ShowHoldMenu(QPoint point) {
    const int cell = CellAt(point);
    if (cell < 0) return;
    // The menu takes the pen; its release must not end a stroke here.
    EndPenCapture();
    const bool inCorner = m_cells[static_cast<size_t>(cell)]->HeaderBox().contains(InCell(cell, point));
    const int command = m_runMenu(this, WeekViewHoldMenu(inCorner), mapToGlobal(point), PopupCorner::TopLeft);
    if (command != 0) m_host.PostCommand(command);
}

void CWeekView::RunStrokeCommand(StrokeCommand command) {
    switch (command) {
    case StrokeCommand::ToggleCompletion:
        ToggleSelectedTaskCompletion();
        break;
    case StrokeCommand::Delete:
        m_host.PostCommand(ID_DELETE_ITEM);
        break;
    case StrokeCommand::NewAppointment:
        m_host.PostCommand(ID_NEW_APPOINTMENT);
        break;
    case StrokeCommand::NewTask:
        m_host.PostCommand(ID_NEW_TASK);
        break;
    case StrokeCommand::Edit:
        m_host.PostCommand(ID_EDIT_ITEM);
        break;
    case StrokeCommand::None:
        break;
    }
}

void CWeekView::ToggleSelectedTaskCompletion() {
    const ItemEntry selection = GetSelection();
    if (selection.kind != kKindTask || selection.oid == kNoItem) return;
    // The store's change notification brings the view up to date.
    const SolarDate day = DateOfTime(m_host.GetCurrentDate());
    m_host.GetItemSource().ToggleTaskCompletion(selection.oid, MidnightOfDate(day));
}
