// An image button for a touch screen: its size follows its bitmap, magenta
// pixels of the bitmap are transparent, and a second quick tap is a second
// click rather than a double click.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

class CBitmapButtonEx : public QAbstractButton {
    Q_OBJECT

public:
    // A button that may not be activated never takes the focus on a tap.
    explicit CBitmapButtonEx(bool mayBeActivated, QWidget* parent = nullptr);

    void SetBitmap(const QPixmap& bitmap);
    const QPixmap& Bitmap() const { return m_bitmap; }

    // Background colours of the normal and the pressed state (white unless set).
    void SetColors(QColor normal, QColor pressed);
    QColor NormalColor() const { return m_normal; }
    QColor PressedColor() const { return m_pressed; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap m_bitmap;  // with magenta already masked out
    QColor m_normal{Qt::white};
    QColor m_pressed{Qt::white};
};
