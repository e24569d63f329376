// Colours in the drawing code: the stored form and its conversion to Qt's.
#pragma once

#include "platform/shell/ColorRef.h"

inline constexpr ColorRef kWhite = 0xFFFFFF;
// Day numbers and weekday texts of Sundays and Saturdays.
inline constexpr ColorRef kSundayTextColour = 0x9600FF;
inline constexpr ColorRef kSaturdayTextColour = 0xFF8000;
