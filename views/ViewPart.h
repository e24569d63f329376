// A drawing part: something a view draws into its own window at a rectangle
// that the view's layout sets (a day cell, the small month calendar). Parts
// paint through an off-screen image that is copied to the window in one go.
#pragma once

#include <QImage>
#include <QRect>

#include "views/DrawKit.h"

class CViewEx;

class CViewPart : public CDrawKit {
public:
    explicit CViewPart(CViewEx& owner);
    ~CViewPart() override = default;
    CViewPart(const CViewPart&) = delete;
    CViewPart& operator=(const CViewPart&) = delete;

    CViewEx& Owner() const { return m_owner; }

    void SetRect(int x, int y, int width, int height);
    const QRect& Rect() const { return m_rect; }
    int Width() const { return m_rect.width(); }
    int Height() const { return m_rect.height(); }

    // Paints the part into dc (the owner's window painter) at its rectangle.
    virtual void Paint(QPainter& dc) = 0;
    // Asks the owner to repaint the part's rectangle.
    void Invalidate() const;

    // The last painted image, in the part's own coordinates.
    const QImage& OffscreenImage() const { return m_offscreen; }

protected:
    virtual void OnResized() {}
    // Prepares the off-screen image filled with the colour.
    QImage& BeginOffscreen(ColorRef background);
    void CopyOffscreen(QPainter& dc) const;

private:
    CViewEx& m_owner;
    QRect m_rect;
    QImage m_offscreen;
};
