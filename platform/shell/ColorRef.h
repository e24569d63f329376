// Colours as the stored data and the drawing code give them: 0x00BBGGRR, red in
// the low byte.
#pragma once

#include <QColor>
#include <cstdint>

using ColorRef = uint32_t;

inline QColor ColorFromRef(ColorRef ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

inline ColorRef RefFromColor(const QColor& color) {
    return static_cast<ColorRef>(color.red()) | (static_cast<ColorRef>(color.green()) << 8) |
           (static_cast<ColorRef>(color.blue()) << 16);
}
