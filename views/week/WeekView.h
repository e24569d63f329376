// The week view: the seven days of the week that holds the frame's current
// date, each a cell listing its anniversaries, appointments and tasks, with
// the small month calendar and, on a portrait screen, a strip above (the
// month) and one below (the selected entry in full). Taps select, strokes and
// keys send commands to the frame, a held pen opens the item menu.
#pragma once

#include <QImage>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "platform/shell/PopupMenu.h"
#include "views/DayCellPart.h"
#include "views/MonthCalendarPart.h"
#include "views/ViewEx.h"
#include "views/PenStroke.h"
#include "agenda/WeekEntries.h"
#include "views/week/WeekLayout.h"
#include "views/week/WeekViewHost.h"

class QMenu;
class ResourceLibrary;
class TapAndHold;

class CWeekView : public CViewEx {
    Q_OBJECT
public:
    // The tap-and-hold menu is shown through `runMenu`.
    explicit CWeekView(WeekViewHost& host, QWidget* parent = nullptr,
                       PopupMenuRunner runMenu = ShowPopupMenu);
    ~CWeekView() override;

    // Collects the week's entries again and lays the cells out; repaints when
    // `redraw` is 1. Each cell's selection starts on its first entry.
    void Reload(int redraw);
    // The same after an edit: every cell keeps its selected entry where it can.
    void Redraw();
    // Entry fonts from the week font settings, header font "Tahoma" 9.
    void SetFonts();
    // The pictures of the entries; null draws without pictures.
    void SetResourceLibrary(const ResourceLibrary* library);
    // The selected entry of the selected cell; identifier -1 when none.
    ItemEntry GetSelection() const;

    // Fills a right soft-key popup with the week view's commands.
    static void FillSoftKeyMenu(QMenu& popup);

    // State for the frame and for tests.
    int SelectedCell() const { return m_selectedCell; }
    const CDayCellPart& Cell(int index) const { return *m_cells.at(static_cast<size_t>(index)); }
    CDayCellPart& Cell(int index) { return *m_cells.at(static_cast<size_t>(index)); }
    const std::vector<ItemEntry>& CellEntries(int index) const {
        return m_entries.at(static_cast<size_t>(index));
    }
    const CMonthCalendarPart& Calendar() const { return m_calendar; }
    const WeekScreenLayout& ScreenLayout() const { return m_screen; }
    const WeekCellLayout& CellLayout() const { return m_cellLayout; }
    const QString& StrokeDigits() const { return m_stroke.Digits(); }
    // The whole view as last painted.
    const QImage& OffscreenImage() const { return m_offscreen; }
    // Paints the view into its off-screen image now.
    void RenderOffscreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PrepareCommandSurface();
    void Collect(WeekCells& cells);
    void FillCells(WeekCells cells);
    void Layout();
    void UpdateTitle();

    // The cell of the current date within the shown week.
    int CellOfCurrentDate() const;
    void SyncSelectedCell();
    int CellAt(QPoint point) const;
    QPoint InCell(int cell, QPoint point) const;

    // Makes `cell` the selected one and the current date its day.
    void MoveToCell(int cell);
    void ChangeCurrentDate(TimeValue date);
    void MoveSelection(int code);
    void GoToDay(TimeValue date, bool selectLastEntry);

    void PenDownInCell(int cell, QPoint point);
    void PenDownInCalendar(QPoint point);
    void PenDownInMonthBox();
    void ShowHoldMenu(QPoint point);
    void EndPenCapture();
    void RunStrokeCommand(StrokeCommand command);
    void ToggleSelectedTaskCompletion();

    void PaintHeaderStrip(QPainter& dc) const;
    void PaintDetailStrip(QPainter& dc) const;
    void PaintCellOutlines(QPainter& dc) const;

    WeekViewHost& m_host;
    std::array<std::unique_ptr<CDayCellPart>, kWeekDays> m_cells;
    WeekCells m_entries;
    CMonthCalendarPart m_calendar;
    SolarDate m_first;  // the first day of the week shown
    int m_selectedCell = 0;

    WeekScreenLayout m_screen;
    WeekCellLayout m_cellLayout;
    QImage m_offscreen;

    PenStroke m_stroke;
    bool m_penCaptured = false;
    bool m_forwardMoves = false;
    TapAndHold* m_hold = nullptr;
    PopupMenuRunner m_runMenu;
};
