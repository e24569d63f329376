// When an anniversary falls: the per-day test the week view and the Today
// item apply, the next occurrence the anniversary list shows, and the count
// text after a name (years since, or Korean age for birthdays).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/Anniversary.h"
#include "calendar/Lunar.h"
#include "pim/time/TimeValue.h"

// True when the record falls on the day. `lunar` is the day's lunar date from
// SolarToLunar, or null for a day the lunar tables do not cover (no lunar
// record falls on such a day).
bool OccursOn(const Anniversary& record, const SolarDate& civil, const LunarDate* lunar);

// The first occurrence on or after `today`, ignoring the first year. None for
// a record that cannot fall: a lunar date that none of the three lunar years
// around today has (day 30 of months that are short, years beyond the tables),
// or fields that name no date.
std::optional<SolarDate> NextOccurrence(const Anniversary& record, const SolarDate& today);

// How a birthday's "(n세)" counts: Korean age (1 at birth, one more each
// year), or the full years reached on the birthday, as Korean law has counted
// since June 2023. The "AgeCount" setting: 1 full years, anything else Korean.
enum class AgeCounting { kKorean, kFullYears };
inline AgeCounting AgeCountingFromSetting(int32_t ageCount) {
    return ageCount == 1 ? AgeCounting::kFullYears : AgeCounting::kKorean;
}

// "(n주년)" / "(첫해)", or "(n세)" for a birthday; empty when the record has no
// year, or the occurrence lies before its first year. Every count text the
// program shows comes from here.
std::string CountText(const Anniversary& record, int32_t occurrenceYear, AgeCounting age);

// One row of the anniversary list.
struct AnniversaryOccurrence {
    int32_t index = -1;      // position in the AnniversaryList
    int32_t daysUntil = -1;  // 0 = today; -1 = the record has no next date
    int32_t lunar = 0;
    TimeValue date = 0;      // local midnight of the occurrence; 0 without one
    std::string name;
    std::string countText;
    uint32_t color = 0;
    SolarDate civilDate;     // the occurrence as a civil date ({} without one)
};

// Every record once, at its next occurrence from `today`, soonest first. Equal
// dates keep the order the list has always shown (an exchange sort's); records
// without a next date come last, in list order.
std::vector<AnniversaryOccurrence> RankAnniversaries(const AnniversaryList& list,
                                                     const SolarDate& today, AgeCounting age);

// Puts the next substitute holiday (within a year of `today`) among ranked
// rows, after the records of its day. It is computed, not a record: index -1.
void AddNextSubstituteHoliday(std::vector<AnniversaryOccurrence>& rows, const SolarDate& today);
