// The reminder dialogs' arithmetic: an appointment's lead time shown as a
// count in the largest unit that divides it exactly, and read back from any
// typed count text.
#pragma once

#include <cstdint>
#include <string>

enum ReminderUnit : int { kReminderMinutes = 0, kReminderHours = 1, kReminderDays = 2, kReminderWeeks = 3 };

struct ReminderCount {
    int32_t count = 0;
    int unit = kReminderMinutes;

    friend bool operator==(const ReminderCount&, const ReminderCount&) = default;
};

// Minutes in one of the unit (1, 60, 1 440, 10 080); 1 for an unknown unit.
int32_t MinutesPerReminderUnit(int unit);

// 0 gives 0 minutes; otherwise weeks, days, hours or minutes, the largest
// that divides the minutes exactly.
ReminderCount LargestExactUnit(int32_t minutes);

// The count text read as a decimal number as far as it goes (spaces, a sign,
// digits; anything else ends it; no digits give 0), times the unit's
// minutes. Results beyond the 32-bit range stop at its ends.
int32_t ReminderMinutesFromText(const std::string& countText, int unit);
