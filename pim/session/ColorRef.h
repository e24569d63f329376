// Colours as the stored data and the drawing code give them: 0x00BBGGRR, red in
// the low byte.
#pragma once

#include <cstdint>

using ColorRef = uint32_t;
