// The month view with lunar dates: six weeks around the frame's current date,
// each day with its civil day number and, at its foot, its lunar date. Taps
// and keys move the current date; letter keys send frame commands.
#pragma once

#include <QImage>
#include <functional>

#include "views/FrameViewHost.h"
#include "views/ViewEx.h"
#include "views/month/MonthGrid.h"

// True for a day whose number is drawn in the Sunday colour (a public holiday).
using HolidayPredicate = std::function<bool(const SolarDate&)>;

class CMonthViewLunar : public CViewEx {
    Q_OBJECT
public:
    explicit CMonthViewLunar(FrameViewHost& host, QWidget* parent = nullptr);

    // Fills the dates and lays the cells out again; repaints when `repaint` is 1.
    void RefreshMonthView(int repaint);
    // None (the default) marks no holidays.
    void SetHolidayPredicate(HolidayPredicate isHoliday);

    const MonthCells& Cells() const { return m_cells; }
    const MonthGeometry& Geometry() const { return m_geometry; }
    // The whole view as last painted; RenderOffscreen paints it now.
    const QImage& OffscreenImage() const { return m_offscreen; }
    void RenderOffscreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void PrepareCommandSurface();
    void FillDates();
    void Layout();
    void UpdateTitle();
    SolarDate CurrentDay() const;
    // Makes `date` current: two cells repainted within the month, else the
    // grid refilled.
    void MoveTo(TimeValue date);
    void UpdateCellOf(const SolarDate& day);

    void PaintCell(QPainter& dc, int index, const SolarDate& selected, const SolarDate& today) const;

    FrameViewHost& m_host;
    MonthCells m_cells{};
    MonthGeometry m_geometry;
    QSize m_layoutSize;
    int m_shownMonth = 0;
    int m_shownYear = 0;
    QFont m_dayFont;
    HolidayPredicate m_isHoliday;
    QImage m_offscreen;
};
