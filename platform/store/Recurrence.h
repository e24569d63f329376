// Recurrence patterns with the object model's fields, expanded through
// libical's rule iterator in floating local time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/store/PimTypes.h"

// Which limit ends a series: none, a number of occurrences, or a last day.
enum class RecurrenceRange : int32_t { NoEnd = 0, Count = 1, Until = 2 };

struct RecurrenceFields {
    int32_t type = olRecursOnce;
    int32_t interval = 1;
    int32_t dayOfWeekMask = 0;  // Sunday 1, Monday 2, ... Saturday 64
    int32_t dayOfMonth = 0;
    int32_t instance = 0;       // 1-4, 5 = last
    int32_t monthOfYear = 0;    // 1-12
    double patternStart = 0;    // the day the series starts (midnight)
    double patternEnd = kNoDate;
    RecurrenceRange range = RecurrenceRange::NoEnd;
    int32_t occurrences = 0;

    bool Recurs() const { return type != olRecursOnce; }
};

// Weekly and n-th weekday patterns. A daily pattern repeats every n days: a
// mask it carries is left from an earlier type (the recurrence editor writes
// only the type and interval of a daily pattern) and means nothing.
inline bool TypeUsesWeekdays(int32_t type)
{
    return type == olRecursWeekly || type == olRecursMonthNth || type == olRecursYearNth;
}

inline constexpr int32_t kMaxOccurrences = 99999;

// Checks the fields that belong to the type and fills the unset ones from the
// series start, as the object model does. Returns what is wrong, or empty.
std::string NormalizePattern(RecurrenceFields& pattern);

// First and last occurrence start of a series whose first possible occurrence
// is `seriesStart` (the pattern's start day at the item's time of day). Found
// by day arithmetic (PatternExtent), to the same answer as the expansion.
struct SeriesExtent {
    double firstStart = 0;
    double lastStart = kNoDate;  // kNoDate when the series never ends
    int32_t count = 0;           // 0 when the series never ends; at most kMaxOccurrences
};
// Nothing when the pattern produces no occurrence at all.
std::optional<SeriesExtent> ComputeExtent(const RecurrenceFields& pattern, double seriesStart);

// Occurrence starts in [from, to), ascending, at most `limit` of them.
// `lastStart` is the extent's last start (kNoDate: endless).
std::vector<double> ExpandOccurrences(const RecurrenceFields& pattern, double seriesStart, double lastStart,
                                      double from, double to, size_t limit = 100000);

// False only when no occurrence can start in [from, to): a cheap test on the
// months, weeks or days that the interval leaves out, so that short windows
// skip most series without running the rule iterator.
bool MayOccurIn(const RecurrenceFields& pattern, double seriesStart, double from, double to);

// The first occurrence start after `after`, if the series has one.
std::optional<double> NextOccurrenceAfter(const RecurrenceFields& pattern, double seriesStart, double lastStart,
                                          double after);

// The rule as RFC 5545 text, with COUNT but without UNTIL (whose form depends
// on DTSTART's, which the caller knows).
std::string PatternToRule(const RecurrenceFields& pattern);
