// Appointments and their occurrences that meet a date restriction, found
// through the span index and expanded only inside the window asked for.
#pragma once

#include <optional>
#include <vector>

#include "platform/store/ItemRow.h"
#include "platform/store/ItemTable.h"
#include "platform/store/Restriction.h"
#include "platform/store/RuleSeries.h"

class RuleCache;

struct AppointmentHit {
    size_t row = 0;          // index into the rows of the search
    double start = 0;
    double end = 0;
    std::optional<int64_t> original;   // set for an occurrence of a series
    const ExceptionRow* exception = nullptr;  // a changed occurrence
};

struct AppointmentSearch {
    std::vector<ItemRow> rows;
    std::vector<ExceptionRow> exceptions;
    std::vector<AppointmentHit> hits;
    bool cut = false;  // a series had more occurrences than one query may cost
};

// With `includeRecurrences` every occurrence is its own hit; without, a series
// is one hit tested on its own Start and End.
void SearchAppointments(ItemTable& table, const Restriction& restriction, bool includeRecurrences,
                        AppointmentSearch& search);

// The occurrences of one series that meet [from, to): ending at or after
// `from`, starting before `to`. Changed ones come with their new dates, deleted
// ones are left out. `exceptions` are the series'.
struct Occurrence {
    int64_t original = 0;
    double start = 0;
    double end = 0;
    const ExceptionRow* exception = nullptr;
};
// A series kept as iCalendar rules reads its years from `cache` when given;
// `cut` is set when its expansion hit the cap.
std::vector<Occurrence> SeriesOccurrences(const ItemRow& series, const std::vector<const ExceptionRow*>& exceptions,
                                          double from, double to, RuleCache* cache = nullptr, bool* cut = nullptr);

// The original occurrence starts of a series in [from, to), whether a
// pattern or iCalendar rules make it.
RuleOccurrences SeriesStarts(const ItemRow& series, double from, double to, RuleCache* cache = nullptr);

// Duration of an appointment row in days.
inline double DurationDays(const ItemRow& row) { return row.end > row.start ? row.end - row.start : 0.0; }

// DTSTART of a series: the pattern's first day at the item's time of day.
double SeriesStart(const ItemRow& row);
