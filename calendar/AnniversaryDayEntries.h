// The anniversary entries that a view shows on its days: the main entry on the
// day a record falls, the marks on the day before ("이전") and after ("다음"),
// and the substitute holidays ("대체공휴일"), which are computed, not records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/Anniversary.h"
#include "calendar/AnniversaryOccurrence.h"
#include "calendar/CivilDate.h"

enum class AnniversaryMark { kMain, kDayBefore, kDayAfter };

// The index of an entry that no record stands behind (a substitute holiday):
// there is nothing to edit, delete, cut or copy.
inline constexpr int32_t kComputedHolidayIndex = -1;

struct AnniversaryDayEntry {
    SolarDate date;      // the day the entry is shown on
    int32_t index = -1;  // the record's position in the AnniversaryList, or kComputedHolidayIndex
    AnniversaryMark mark = AnniversaryMark::kMain;
    std::string title;   // name, "이전"/"다음" for marks, then the count text
    uint32_t color = 0;

    bool IsComputedHoliday() const { return index == kComputedHolidayIndex; }
};

// Entries on the `dayCount` days from `first`. The days just outside the range
// are tested too, so that marks of occurrences next to it appear. Order: by the
// day the record falls on, then list order, each hit giving main, before,
// after -- the order in which the week view and the Today item collect them.
// The count text counts from the occurrence's civil year, or its lunar year for
// a lunar record. With `showHolidays` (the "ShowHolidays" setting) each
// substitute holiday in the range follows the records of its day, titled
// "대체공휴일" in the holiday colour.
struct AnniversaryDisplay {
    bool showHolidays = true;
    AgeCounting age = AgeCounting::kKorean;
};
std::vector<AnniversaryDayEntry> AnniversaryEntriesInRange(const AnniversaryList& list,
                                                           const SolarDate& first,
                                                           int32_t dayCount,
                                                           const AnniversaryDisplay& display);

inline std::vector<AnniversaryDayEntry> AnniversaryEntriesOn(const AnniversaryList& list,
                                                             const SolarDate& day,
                                                             const AnniversaryDisplay& display) {
    return AnniversaryEntriesInRange(list, day, 1, display);
}
