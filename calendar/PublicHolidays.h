// Korean public holidays: the fixed civil and lunar days of the regulation on
// public holidays, each with the years it was one, and the substitute holidays
// (대체공휴일) that the rules in force each year add when a holiday falls on a
// weekend or on another holiday. Built in, so that renaming or editing
// anniversary.dat never changes which days are holidays. Sundays themselves,
// election days and one-off holidays are not listed.
//
// Substitute rules, each from the day it took effect:
// - Seollal and Chuseok (three days each), since 5 November 2013: a day that
//   is a Sunday or another holiday;
// - Children's Day, since 5 November 2013: a Saturday, Sunday or another holiday;
// - Independence Movement Day, Liberation Day, National Foundation Day and
//   Hangul Day, since 4 August 2021, and Buddha's Birthday and Christmas,
//   since 4 May 2023: likewise Saturday, Sunday or another holiday.
// Each such day gives one substitute however many holidays meet on it: the
// first later day that is no holiday, no Sunday and, when a rule that counts
// Saturdays applies, no Saturday.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "calendar/CivilDate.h"

inline constexpr const char* kSubstituteHolidayName = "대체공휴일";
// COLORREF of the red ("#d80000") that the built-in holiday file gives holidays.
inline constexpr uint32_t kHolidayColor = 0x0000D8;

struct PublicHoliday {
    SolarDate date;
    const char* name = "";  // Korean, e.g. "설날"; kSubstituteHolidayName for a substitute
    bool substitute = false;
};

// The public holidays of a civil year, by date; a day that is two holidays
// appears once for each. Years the lunar tables do not reach lack the lunar
// holidays; before 1949 there are none.
std::vector<PublicHoliday> PublicHolidaysOfYear(int32_t year);

// Whether the civil date is a public holiday or a substitute holiday.
bool IsPublicHoliday(const SolarDate& date);
bool IsSubstituteHoliday(const SolarDate& date);
// The first substitute holiday on or after `from` within a year; none when
// there is none that soon.
std::optional<SolarDate> NextSubstituteHoliday(const SolarDate& from);
