#include "views/ViewPart.h"

#include <QPainter>

#include "views/ViewEx.h"

CViewPart::CViewPart(CViewEx& owner) : CDrawKit(owner.Dpi()), m_owner(owner) {}

void CViewPart::SetRect(int x, int y, int width, int height) {
    const QRect rect(x, y, std::max(0, width), std::max(0, height));
    if (rect == m_rect) return;
    const bool resized = rect.size() != m_rect.size();
    m_rect = rect;
    if (resized) OnResized();
}

void CViewPart::Invalidate() const {
    if (m_owner.isVisible() && !m_rect.isEmpty()) m_owner.update(m_rect);
}

QImage& CViewPart::BeginOffscreen(ColorRef background) {
    if (m_offscreen.size() != m_rect.size())
        m_offscreen = QImage(m_rect.size(), QImage::Format_RGB32);
    m_offscreen.fill(ColorFromRef(background));
    return m_offscreen;
}

void CViewPart::CopyOffscreen(QPainter& dc) const { dc.drawImage(m_rect.topLeft(), m_offscreen); }
