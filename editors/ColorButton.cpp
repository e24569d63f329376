#include "editors/ColorButton.h"

#include <QKeyEvent>
#include <QPainter>

#include "platform/shell/ColorRef.h"

CColorButton::CColorButton(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::StrongFocus); }

void CColorButton::SetColor(uint32_t color)
{
    m_color = color;
    update();
}

void CColorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, ColorFromRef(m_color));
    painter.setPen(hasFocus() ? Qt::black : QColor(0x80, 0x80, 0x80));
    painter.drawRect(box);
    if (isDown()) {
        painter.setPen(Qt::white);
        painter.drawRect(box.adjusted(1, 1, -1, -1));
    }
}

void CColorButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
