// The zone record from a POSIX TZ rule such as "EST5EDT,M3.2.0,M11.1.0",
// "AEST-10AEDT,M10.1.0,M4.1.0/3" or "<+09>-9".
#pragma once

#include <string_view>

#include "platform/time/PlatformTime.h"

// Fills the whole record; false (record untouched) when the text is not a
// complete rule. Transitions given as day-in-month keep that form; a Julian
// day ("Jn" or "n") becomes an absolute date in the current year.
bool ZoneFromPosixRule(std::string_view rule, TIME_ZONE_INFORMATION& tzi);
