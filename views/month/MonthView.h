// What the two month views share: six weeks around the frame's current date,
// each day with its civil day number; taps and keys move the current date and
// letter keys send frame commands. A month view adds what each cell shows
// beyond its number, and M switches to the other month view.
#pragma once

#include <QImage>
#include <functional>

#include "platform/shell/MenuDesc.h"
#include "views/FrameViewHost.h"
#include "views/ViewEx.h"
#include "views/month/MonthGrid.h"

class CMonthView : public CViewEx {
    Q_OBJECT
public:
    // Fills the dates and lays the cells out again; repaints when `repaint` is 1.
    void RefreshMonthView(int repaint);

    const MonthCells& Cells() const { return m_cells; }
    const MonthGeometry& Geometry() const { return m_geometry; }
    // The whole view as last painted; RenderOffscreen paints it now.
    const QImage& OffscreenImage() const { return m_offscreen; }
    void RenderOffscreen();

protected:
    // `otherMonthView`: the command M sends.
    CMonthView(FrameViewHost& host, int otherMonthView, QWidget* parent);

    // The right soft key's menu, else the button row with or without the
    // weather refresh button.
    void PrepareCommandSurface(const MenuDesc& softKeyMenu, bool weatherRefresh);
    // Called after every date fill, before the cells are laid out.
    virtual void OnDatesFilled() {}
    // What a cell shows beyond its background, border and day number; the
    // painter is clipped to the cell.
    virtual void PaintCellContent(QPainter& dc, int index, const MonthCell& cell, ColorRef background,
                                  bool isToday, bool isSelected) const = 0;
    // Appended to the month in the title.
    virtual QString TitleSuffix() const { return {}; }
    virtual bool WideTitleBox() const { return false; }

    // A grey text at the cell's foot, left-aligned, in the day numbers' font.
    void PaintFootText(QPainter& dc, const MonthCell& cell, const QString& text) const;
    // The part of the cell right of its day number and above its foot text,
    // inside the border.
    QRect FreeCornerArea(const MonthCell& cell) const;
    void FillDates();
    void UpdateTitle();
    FrameViewHost& Host() const { return m_host; }
    MonthCells& MutableCells() { return m_cells; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Layout();
    SolarDate CurrentDay() const;
    // Makes `date` current: two cells repainted within the month, else the
    // grid refilled.
    void MoveTo(TimeValue date);
    void UpdateCellOf(const SolarDate& day);

    void PaintCell(QPainter& dc, int index, const SolarDate& selected, const SolarDate& today) const;

    FrameViewHost& m_host;
    int m_otherMonthView;
    MonthCells m_cells{};
    MonthGeometry m_geometry;
    QSize m_layoutSize;
    int m_shownMonth = 0;
    int m_shownYear = 0;
    QFont m_dayFont;
    QImage m_offscreen;
};
