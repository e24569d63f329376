// The occurrences of series kept as iCalendar rules, cached in the store per
// series and local year so that a query does not walk each rule from its
// start. A trigger drops a series' years whenever its item changes; a cached
// year made under another device zone is made again. Years read or made are
// also kept in the connection's memory for the next query (RuleYearMemo).
#pragma once

#include <vector>

#include "platform/store/ItemRow.h"
#include "platform/store/RuleSeries.h"
#include "platform/store/RuleYearMemo.h"

class StoreConnection;

class RuleCache {
public:
    explicit RuleCache(StoreConnection& connection);

    // The series' occurrence starts in [from, to), from cached years or
    // expanded now (and kept for Flush). `cut` when a year hit the cap.
    RuleOccurrences StartsIn(const ItemRow& series, double from, double to);

    // Stores the years expanded since the last flush. A store that cannot be
    // written (busy, read-only, damaged) only loses the cache.
    void Flush();

private:
    struct Year {
        CEOID series;
        int year;
        RuleOccurrences occurrences;
    };
    const RuleOccurrences* Find(CEOID series, int year);
    bool MayRemember() const;

    StoreConnection& m_connection;
    std::string m_basis;
    RuleYearMemo& m_memo;
    TIME_ZONE_INFORMATION m_device{};
    bool m_haveDevice = false;  // read once for all the series a query expands
    std::vector<Year> m_expanded;
    RuleOccurrences m_loaded;
};
