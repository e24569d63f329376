// The anniversary list: every anniversary once at its next occurrence, soonest
// first, under today's date. Taps select, strokes and keys send commands to
// the frame, a held pen opens the add / edit / delete menu.
#pragma once

#include <QImage>
#include <functional>
#include <optional>

#include "platform/shell/MenuDesc.h"
#include "platform/shell/PopupMenu.h"
#include "views/FrameViewHost.h"
#include "views/ViewEx.h"
#include "views/anniversary/AnniversaryListPart.h"
#include "views/PenStroke.h"

class TapAndHold;

class CAnniversaryView : public CViewEx {
    Q_OBJECT
public:
    // The tap-and-hold menu is shown through `runMenu`.
    explicit CAnniversaryView(FrameViewHost& host, QWidget* parent = nullptr,
                              PopupMenuRunner runMenu = ShowPopupMenu);

    // Builds the rows again from the anniversaries and today's date, keeping
    // the selected position; repaints when `repaint` is 1.
    void RefreshAnniversaryView(int repaint);
    // The row font from the anniversary font settings.
    void ApplyAnniversaryFont();
    // The selected row (its index names the record), or none.
    std::optional<AnniversaryOccurrence> GetSelectedAnniversary() const;

    const CAnniversaryListPart& List() const { return m_list; }
    CAnniversaryListPart& List() { return m_list; }
    bool IsPortrait() const { return m_portrait; }
    const QString& StrokeDigits() const { return m_stroke.Digits(); }
    const QImage& OffscreenImage() const { return m_offscreen; }
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
    void Layout();
    void UpdateTitle();
    QString Title() const;
    QPoint InList(QPoint point) const { return point - m_list.Rect().topLeft(); }
    void MoveSelection(int code);
    void ShowHoldMenu(QPoint point);
    void EndPenCapture();

    FrameViewHost& m_host;
    CAnniversaryListPart m_list;
    bool m_laidOut = false;
    QSize m_layoutSize;
    bool m_portrait = false;
    QImage m_offscreen;

    PenStroke m_stroke;
    bool m_penCaptured = false;
    bool m_forwardMoves = false;
    TapAndHold* m_hold = nullptr;
    PopupMenuRunner m_runMenu;
};
