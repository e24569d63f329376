#include "editors/BitmapButtonEx.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kTransparentKey(255, 0, 255);
const QColor kSunkenDark(0x40, 0x40, 0x40);
const QColor kSunkenLight(0xC0, 0xC0, 0xC0);

}  // namespace

CBitmapButtonEx::CBitmapButtonEx(bool mayBeActivated, QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(mayBeActivated ? Qt::StrongFocus : Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CBitmapButtonEx::SetBitmap(const QPixmap& bitmap)
{
    m_bitmap = bitmap;
    if (!m_bitmap.isNull())
        m_bitmap.setMask(m_bitmap.createMaskFromColor(kTransparentKey, Qt::MaskInColor));
    resize(sizeHint());
    update();
}

void CBitmapButtonEx::SetColors(QColor normal, QColor pressed)
{
    m_normal = normal;
    m_pressed = pressed;
    update();
}

QSize CBitmapButtonEx::sizeHint() const
{
    if (m_bitmap.isNull())
        return {1, 1};
    return m_bitmap.size() / m_bitmap.devicePixelRatio();
}

void CBitmapButtonEx::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect();
    const bool pressed = isDown();
    painter.fillRect(box, pressed ? m_pressed : m_normal);
    if (!m_bitmap.isNull())
        painter.drawPixmap(0, 0, m_bitmap);
    if (pressed) {
        painter.setPen(kSunkenDark);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(kSunkenLight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    } else if (hasFocus()) {
        painter.setPen(Qt::black);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
}

void CBitmapButtonEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second tap of a quick pair is a press of its own.
    mousePressEvent(event);
}
