// Any text typed into the wizard's numeric fields and the reminder count:
// a number comes back only inside its range, the minutes stay 32-bit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/recurrence/RecurrenceValues.h"
#include "editors/reminder/ReminderValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int unit = data[0] % 5;  // one unknown unit too
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (const std::optional<int> number = ParseIntegerInRange(text, 1, 999); number && (*number < 1 || *number > 999))
        std::abort();
    const int32_t minutes = ReminderMinutesFromText(text, unit);
    const ReminderCount shown = LargestExactUnit(minutes);
    if (static_cast<int64_t>(shown.count) * MinutesPerReminderUnit(shown.unit) != minutes) std::abort();
    return 0;
}
