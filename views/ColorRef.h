// Colours in the drawing code: the stored form and its conversion to Qt's.
#pragma once

#include "platform/shell/ColorRef.h"

inline constexpr ColorRef kWhite = 0xFFFFFF;
// Day numbers and weekday texts of Sundays and Saturdays.
inline constexpr ColorRef kSundayTextColour = 0x9600FF;
inline constexpr ColorRef kSaturdayTextColour = 0xFF8000;
inline constexpr ColorRef kBlack = 0x000000;
// The two lines under a portrait header band, and cell frames.
inline constexpr ColorRef kRuleColour = 0xBEBEBE;
