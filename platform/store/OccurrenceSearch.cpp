#include "platform/store/OccurrenceSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "platform/store/OleTime.h"
#include "platform/store/RuleCache.h"

namespace {

constexpr double kOneSecond = 1.0 / 86400.0;
constexpr double kNotApplicable = std::numeric_limits<double>::quiet_NaN();

double AppointmentValue(RestrictionField field, double start, double end)
{
    switch (field) {
    case RestrictionField::Start: return start;
    case RestrictionField::End: return end;
    default: return kNotApplicable;
    }
}

bool Meets(const Restriction& restriction, double start, double end)
{
    return restriction.Matches([&](RestrictionField field) { return AppointmentValue(field, start, end); });
}

} // namespace

double SeriesStart(const ItemRow& row)
{
    const double day = row.pattern.patternStart;
    if (row.kind == ItemKind::Task) return day;
    return OleFromSeconds(OleToSeconds(day) + OleSecondOfDay(row.start));
}

RuleOccurrences SeriesStarts(const ItemRow& series, double from, double to, RuleCache* cache)
{
    if (series.pattern.type == olRecursUnsupported)
        return cache ? cache->StartsIn(series, from, to) : ExpandRuleSeries(series.ruleIcal, from, to);
    RuleOccurrences found;
    const double seriesStart = SeriesStart(series);
    if (MayOccurIn(series.pattern, seriesStart, from, to))
        found.starts = ExpandOccurrences(series.pattern, seriesStart, series.lastStart, from, to);
    return found;
}

std::vector<Occurrence> SeriesOccurrences(const ItemRow& series, const std::vector<const ExceptionRow*>& exceptions,
                                          double from, double to, RuleCache* cache, bool* cut)
{
    std::vector<Occurrence> occurrences;
    const double duration = DurationDays(series);
    const RuleOccurrences starts = SeriesStarts(series, from - duration, to, cache);
    if (cut && starts.cut) *cut = true;
    for (double start : starts.starts) {
        if (start + duration < from) continue;
        const int64_t original = OleToSeconds(start);
        const bool excepted = std::any_of(exceptions.begin(), exceptions.end(),
                                          [&](const ExceptionRow* e) { return e->original == original; });
        if (!excepted) occurrences.push_back({original, start, start + duration, nullptr});
    }
    for (const ExceptionRow* exception : exceptions) {
        if (exception->deleted || exception->end < from || exception->start >= to) continue;
        occurrences.push_back({exception->original, exception->start, exception->end, exception});
    }
    std::stable_sort(occurrences.begin(), occurrences.end(),
                     [](const Occurrence& a, const Occurrence& b) { return a.start < b.start; });
    return occurrences;
}

void SearchAppointments(ItemTable& table, const Restriction& restriction, bool includeRecurrences,
                        AppointmentSearch& search)
{
    double startLow, startHigh, endLow, endHigh;
    restriction.Bounds(RestrictionField::Start, startLow, startHigh);
    restriction.Bounds(RestrictionField::End, endLow, endHigh);
    // Every occurrence lies inside its item's span: it starts before the
    // smallest upper bound and ends after the largest lower bound.
    const double spanLow = std::max(startLow, endLow) - kOneSecond;
    const double spanHigh = std::min(startHigh, endHigh) + kOneSecond;
    if (spanLow > spanHigh) return;
    table.AppointmentsMeeting(spanLow, spanHigh, search.rows, search.exceptions);
    std::sort(search.rows.begin(), search.rows.end(), [](const ItemRow& a, const ItemRow& b) { return a.oid < b.oid; });

    std::unordered_map<CEOID, std::vector<const ExceptionRow*>> exceptionsBySeries;
    for (const ExceptionRow& exception : search.exceptions) exceptionsBySeries[exception.series].push_back(&exception);
    static const std::vector<const ExceptionRow*> kNone;
    RuleCache cache(table.Connection());

    for (size_t i = 0; i < search.rows.size(); ++i) {
        const ItemRow& row = search.rows[i];
        if (!row.pattern.Recurs() || !includeRecurrences) {
            if (Meets(restriction, row.start, row.end)) search.hits.push_back({i, row.start, row.end, std::nullopt, nullptr});
            continue;
        }
        auto found = exceptionsBySeries.find(row.oid);
        const auto& exceptions = found == exceptionsBySeries.end() ? kNone : found->second;
        for (const Occurrence& occurrence :
             SeriesOccurrences(row, exceptions, spanLow, std::min(spanHigh, kNoDate), &cache, &search.cut))
            if (Meets(restriction, occurrence.start, occurrence.end))
                search.hits.push_back({i, occurrence.start, occurrence.end, occurrence.original, occurrence.exception});
    }
    cache.Flush();
}
