// Colours in the drawing code: the stored form and its conversion to Qt's.
#pragma once

#include <QColor>

#include "pim/session/ColorRef.h"

inline constexpr ColorRef kWhite = 0xFFFFFF;
// Day numbers and weekday texts of Sundays and Saturdays.
inline constexpr ColorRef kSundayTextColour = 0x9600FF;
inline constexpr ColorRef kSaturdayTextColour = 0xFF8000;

inline QColor ColorFromRef(ColorRef ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

inline ColorRef RefFromColor(const QColor& color) {
    return static_cast<ColorRef>(color.red()) | (static_cast<ColorRef>(color.green()) << 8) |
           (static_cast<ColorRef>(color.blue()) << 16);
}
