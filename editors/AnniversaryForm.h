// What the two anniversary editors hold while open, how a record or the
// current date fills them, and the record they save (or why they refuse).
#pragma once

#include <cstdint>
#include <string>

#include "calendar/Anniversary.h"
#include "calendar/CivilDate.h"

struct AnniversaryDateForm {
    int editIndex = -1;  // -1: a new record
    std::string name;
    int year = 0;
    int month = 0;
    int day = 0;
    bool dayBefore = false;
    bool dayAfter = false;
    bool yearOmitted = false;
    bool birthday = false;
    bool lunar = false;
    bool leapMonth = false;
    uint32_t color = 0;
};

struct AnniversaryDayForm {
    int editIndex = -1;
    std::string name;
    int year = 0;
    int month = 0;
    int ordinalIndex = 0;  // 0..3 first..fourth, 4 last
    int weekdayIndex = 0;  // 0 = Sunday
    bool dayBefore = false;
    bool dayAfter = false;
    bool yearOmitted = false;
    uint32_t color = 0;
};

// New records start on the current date; by weekday as the n-th weekday that
// the current date is (its fifth is "마지막").
AnniversaryDateForm NewAnniversaryDateForm(const SolarDate& current);
AnniversaryDayForm NewAnniversaryDayForm(const SolarDate& current);

// A record without a year shows the current year in the date field.
AnniversaryDateForm LoadAnniversaryDateForm(const Anniversary& record, int index, int currentYear);
AnniversaryDayForm LoadAnniversaryDayForm(const Anniversary& record, int index, int currentYear);

// The record to store, or the string id of the message that refuses it.
struct FormRecord {
    Anniversary record;
    int refusal = 0;  // 0: may be saved
};
FormRecord RecordFromForm(const AnniversaryDateForm& form);
FormRecord RecordFromForm(const AnniversaryDayForm& form);
