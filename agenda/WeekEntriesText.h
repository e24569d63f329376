// The week's entries as stable, line-oriented text for scripts and tests:
//
//   # week FIRST .. LAST today TODAY
//   CELL<TAB>KIND<TAB>ID<TAB>LEAD<TAB>RANGE<TAB>BODY<TAB>0xBBGGRR<TAB>STYLE<TAB>MARKS
//
// one line per entry, cell by cell in display order; KIND 0 is the empty-day
// placeholder, ID -1 no item; "\", tab, newline and carriage return in the
// texts are written "\\", "\t", "\n", "\r".
#pragma once

#include <string>

#include "agenda/WeekEntries.h"

std::string WeekEntriesText(const SolarDate& first, const SolarDate& today, const WeekCells& cells);
