#include "editors/ColorStatic.h"

#include <QPalette>

#include "platform/shell/ColorRef.h"

CColorStatic::CColorStatic(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    ApplyColors();
}

void CColorStatic::SetTextColor(int64_t color)
{
    m_text = color;
    ApplyColors();
}

void CColorStatic::SetBackgroundColor(int64_t color)
{
    m_background = color;
    ApplyColors();
}

QColor CColorStatic::TextColor() const { return palette().color(QPalette::WindowText); }

QColor CColorStatic::BackgroundColor() const { return palette().color(QPalette::Window); }

void CColorStatic::ApplyColors()
{
    QPalette colors = QWidget::palette();
    const QPalette system;
    colors.setColor(QPalette::WindowText,
                    m_text == kDefaultColor ? system.color(QPalette::ButtonText) : ColorFromRef(static_cast<ColorRef>(m_text)));
    colors.setColor(QPalette::Window, m_background == kDefaultColor ? system.color(QPalette::Button)
                                                                    : ColorFromRef(static_cast<ColorRef>(m_background)));
    setPalette(colors);
    update();
}
