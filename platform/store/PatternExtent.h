// The extent of a recurrence pattern (first and last occurrence, count) by day
// arithmetic. Saving a series used to walk the rule iterator occurrence by
// occurrence, which cost more than the rest of a bulk import; this gives the
// same answer in a few steps whatever the count.
//
// The answer is the rule iterator's (ExpandOccurrences): the series begins on
// the first pattern day on or after the series start's day, every occurrence
// keeps the start's time of day, and none falls after the year 2582, where the
// iterator stops. Days are proleptic Gregorian throughout; the iterator itself
// counts Julian days before 15 October 1582.
#pragma once

#include <optional>

#include "platform/store/Recurrence.h"

// The pattern must be normalized (NormalizePattern). Nothing when the pattern
// produces no occurrence at all.
std::optional<SeriesExtent> PatternExtent(const RecurrenceFields& pattern, double seriesStart);
