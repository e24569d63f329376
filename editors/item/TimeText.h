// The time buttons' text: written with the shared time format and read back
// by a forgiving parser, because on the handheld the user could type into it.
#pragma once

#include <string>

struct ClockTime {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};

// "9:05" with the 24-hour setting, else "9:05 AM" / "12:05 PM" (midnight 0:00 AM).
std::string TimeButtonText(const ClockTime& time, bool hour24);

// Reads any text: an optional AM/PM suffix (12-hour setting only), hour and
// minute around a ':' or leading digits alone. A minute that cannot be read
// keeps `previousMinute`; text without a leading digit gives 12:00. Numbers
// out of range keep only their first digit, so the result is always a valid
// time of day.
ClockTime ParseTimeText(const std::string& text, bool hour24, int previousMinute);
