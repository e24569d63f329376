// Series kept as iCalendar text: DTSTART with its zone and the RRULE, RDATE,
// EXRULE and EXDATE lines, expanded in the series' own zone and converted to
// the device's local time. Every limit is applied as an instant, so a
// daylight-saving change in either zone moves nothing.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/time/PlatformTime.h"

// The most occurrences one series may cost one query; past it the list is cut.
inline constexpr size_t kRuleOccurrenceCap = 10000;

struct RuleOccurrences {
    std::vector<double> starts;  // device-local OLE dates, ascending, no repeats
    bool cut = false;            // the cap ended the walk before the window's end
};

// Occurrence starts in [from, to) (device-local OLE dates). Text that cannot
// be read gives no occurrence. `device` is the device's zone record when the
// caller has read it already.
RuleOccurrences ExpandRuleSeries(const std::string& ruleText, double from, double to,
                                 size_t cap = kRuleOccurrenceCap, const TIME_ZONE_INFORMATION* device = nullptr);

// Earliest and latest occurrence start; `last` is nullopt when the series
// never ends or is too long to walk (the span then reaches the far future).
struct RuleExtent {
    double first = 0;
    std::optional<double> last;
};
std::optional<RuleExtent> RuleSeriesExtent(const std::string& ruleText);

// Empty when the text holds a DTSTART and at least one RRULE or RDATE that
// the store can expand; else why not.
std::string CheckRuleSeries(const std::string& ruleText);

// The same rules with DTSTART moved by `seconds` of wall-clock time in the
// series' zone, and EXDATE and RDATE with it.
std::string ShiftRuleSeries(const std::string& ruleText, long long seconds);

// A device-local OLE date of a UTC instant (seconds since 1970), in `zone`
// (the device's zone record read now when null).
std::optional<double> DeviceOleFromUnix(long long seconds, const TIME_ZONE_INFORMATION* zone = nullptr);
