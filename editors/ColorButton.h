// The owner-coloured button of the editors: a solid box of the item colour.
// A tap, or Enter while it has the focus, asks for another colour.
#pragma once

#include <QAbstractButton>

#include <cstdint>

class CColorButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit CColorButton(QWidget* parent = nullptr);

    void SetColor(uint32_t color);  // COLORREF
    uint32_t Color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    uint32_t m_color = 0;
};
