// What the recurrence wizard edits: every page's values in one record, taken
// from the item's pattern when the wizard starts and written back to it only
// when the last page finishes. Pages read and write this record; the numeric
// edits go through ParseIntegerInRange so that any typed text is safe.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calendar/CivilDate.h"
#include "platform/store/Recurrence.h"

class PoomRecurrencePattern;

enum RecurrenceKind : int { kRecurDaily = 0, kRecurWeekly = 1, kRecurMonthly = 2, kRecurYearly = 3 };
enum RecurrenceRangeOption : int { kRangeNoEnd = 0, kRangeCount = 1, kRangeEndDate = 2 };

struct RecurrenceWizardValues {
    int kind = kRecurDaily;
    int dailyInterval = 1;                  // 1-999
    int weeklyInterval = 1;                 // 1-999
    std::array<bool, 7> weekdays{};         // Sunday .. Saturday
    int monthlyMode = 0;                    // 0 on a day, 1 on the n-th weekday
    int monthlyDay = 1;                     // 1-31
    int monthlyDayInterval = 1;             // 1-999
    int monthlyInstanceIndex = 0;           // 0-4, 4 = last
    int monthlyWeekdayInterval = 1;         // 1-999
    int monthlyWeekday = 1;                 // 1-7, Sunday = 1
    int yearlyMode = 0;                     // 0 on a day, 1 on the n-th weekday
    int yearlyDayMonthIndex = 0;            // 0-11
    int yearlyDay = 1;                      // 1-31
    int yearlyInstanceIndex = 0;            // 0-4
    int yearlyWeekdayMonthIndex = 0;        // 0-11
    int yearlyWeekday = 1;                  // 1-7
    SolarDate rangeStart;
    SolarDate rangeEnd;
    int rangeOption = kRangeNoEnd;
    int occurrences = 10;
};

// Limits of the numeric fields.
inline constexpr int kMinInterval = 1;
inline constexpr int kMaxInterval = 999;
inline constexpr int kMinDayOfMonth = 1;
inline constexpr int kMaxDayOfMonth = 31;

// The pages' initial values for a pattern (its start day fills what the
// pattern's type leaves unset).
RecurrenceWizardValues InitialWizardValues(const RecurrenceFields& pattern);

// Writes the values the chosen kind uses, then the range. Fields of other
// kinds stay as they were: the store reads only those of the type.
void WriteWizardValues(const RecurrenceWizardValues& values, PoomRecurrencePattern& pattern);

// A whole decimal integer in [min, max], spaces around it allowed; nothing
// for any other text.
std::optional<int> ParseIntegerInRange(const std::string& text, int min, int max);

// The weekday bit of 1-7 (Sunday = 1), and the weekday of a one-bit mask
// (0 when the mask is not exactly one weekday bit).
int32_t WeekdayMaskBit(int weekday);
int WeekdayOfMaskBit(int32_t mask);
