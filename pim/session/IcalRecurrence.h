// RFC 5545 recurrence rules and the store's recurrence patterns.
#pragma once

#include <libical/ical.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/store/Recurrence.h"

struct RuleMapping {
    std::optional<RecurrenceFields> pattern;  // nothing: the rule cannot be held
    std::string note;  // a change of meaning worth telling, or why it cannot be held
};

// The pattern of `rule` for a series starting at `start` (local OLE date).
// The range (COUNT or UNTIL) is left to the caller, who converts UNTIL.
RuleMapping PatternFromRule(const icalrecurrencetype& rule, double start);

// How a VEVENT's or VTODO's recurrence is kept.
struct SeriesReading {
    std::optional<RecurrenceFields> pattern;  // held as a pattern, range included
    std::string ruleIcal;                     // else kept as iCalendar rules (events only)
    std::string note;                         // worth telling
    std::string refusal;                      // set: the recurrence cannot be kept
};

// `start`: the series' first start in device time; `zone`: the item's
// (ZoneNameOf). A rule becomes a pattern only when the pattern gives exactly
// its occurrences: one RRULE, no RDATE or EXRULE, in the device's own zone
// (or floating), without a change of meaning.
SeriesReading ReadSeries(icalcomponent* component, double start, const std::string& zone, bool task);

// The rule of a pattern. A last day becomes UNTIL at its end (a date for a
// series of whole days), so that the same occurrences result.
icalrecurrencetype RuleFromPattern(const RecurrenceFields& pattern, bool allDay);

// Writes a series kept as iCalendar rules into `event`: its own DTSTART (in
// its zone) with DTEND as a DURATION of `seconds`, and its rule lines.
void AddRuleSeries(icalcomponent* event, const std::string& ruleIcal, long long seconds);
