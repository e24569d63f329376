// Builds anniversary records for the calendar tests.
#pragma once

#include <string>

#include "calendar/Anniversary.h"

inline Anniversary MakeRecord(int32_t kind, int32_t year, int32_t month, int32_t day,
                              std::string name = "x", int32_t lunar = 0, int32_t leap = 0) {
    Anniversary a;
    a.kind = kind;
    a.year = year;
    a.month = month;
    a.day = day;
    a.name = std::move(name);
    a.lunar = lunar;
    a.leapMonth = leap;
    return a;
}
