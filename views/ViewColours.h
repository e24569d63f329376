// Colours the views share, as 0x00BBGGRR values.
#pragma once

#include "views/ColorRef.h"

inline constexpr ColorRef kViewWhite = 0xFFFFFF;
inline constexpr ColorRef kViewBlack = 0x000000;
// Day numbers of Sundays (and holidays) and of Saturdays.
inline constexpr ColorRef kSundayColour = 0x9600FF;
inline constexpr ColorRef kSaturdayColour = 0xFF8000;
// The two lines under a portrait header band, and cell frames.
inline constexpr ColorRef kRuleColour = 0xBEBEBE;
