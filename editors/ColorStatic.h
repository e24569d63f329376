// A label with its own text and background colours; -1 restores the
// system's button colours.
#pragma once

#include <QLabel>

#include <cstdint>

class CColorStatic : public QLabel {
    Q_OBJECT

public:
    static constexpr int64_t kDefaultColor = -1;

    explicit CColorStatic(QWidget* parent = nullptr);

    // COLORREF values, or kDefaultColor.
    void SetTextColor(int64_t color);
    void SetBackgroundColor(int64_t color);
    QColor TextColor() const;
    QColor BackgroundColor() const;

private:
    void ApplyColors();

    int64_t m_text = kDefaultColor;
    int64_t m_background = kDefaultColor;
};
