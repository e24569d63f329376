// RFC 5545 recurrence rules and the store's recurrence patterns.
#pragma once

#include <libical/ical.h>

#include <optional>
#include <string>

#include "platform/store/Recurrence.h"

struct RuleMapping {
    std::optional<RecurrenceFields> pattern;  // nothing: the rule cannot be held
    std::string note;  // a change of meaning worth telling, or why it cannot be held
};

// The pattern of `rule` for a series starting at `start` (local OLE date).
// The range (COUNT or UNTIL) is left to the caller, who converts UNTIL.
RuleMapping PatternFromRule(const icalrecurrencetype& rule, double start);

// The rule of a pattern. A last day becomes UNTIL at its end (a date for a
// series of whole days), so that the same occurrences result.
icalrecurrencetype RuleFromPattern(const RecurrenceFields& pattern, bool allDay);
