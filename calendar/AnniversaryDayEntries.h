// The anniversary entries that a view shows on its days: the main entry on the
// day a record falls, and the marks on the day before ("이전") and after ("다음").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/Anniversary.h"
#include "calendar/CivilDate.h"

enum class AnniversaryMark { kMain, kDayBefore, kDayAfter };

struct AnniversaryDayEntry {
    SolarDate date;      // the day the entry is shown on
    int32_t index = -1;  // the record's position in the AnniversaryList
    AnniversaryMark mark = AnniversaryMark::kMain;
    std::string title;   // name, "이전"/"다음" for marks, then the count text
    uint32_t color = 0;
};

// Entries on the `dayCount` days from `first`. The days just outside the range
// are tested too, so that marks of occurrences next to it appear. Order: by the
// day the record falls on, then list order, each hit giving main, before,
// after -- the order in which the week view and the Today item collect them.
// The count text counts from the occurrence's civil year, or its lunar year for
// a lunar record.
std::vector<AnniversaryDayEntry> AnniversaryEntriesInRange(const AnniversaryList& list,
                                                           const SolarDate& first,
                                                           int32_t dayCount);

inline std::vector<AnniversaryDayEntry> AnniversaryEntriesOn(const AnniversaryList& list,
                                                             const SolarDate& day) {
    return AnniversaryEntriesInRange(list, day, 1);
}
