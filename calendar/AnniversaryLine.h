// One line of the anniversary file, in UTF-8:
//   [#rrggbb] KLPyyyy/mm/ddMA name
// K "@" by weekday, "!" birthday, none by date; L lunar; P leap month;
// M "-" day before marked; A "+" day after marked.
#pragma once

#include <string>
#include <string_view>

#include "calendar/Anniversary.h"

enum class AnniversaryLineKind {
    kRecord,     // `out` holds the record
    kIgnored,    // empty, comment, or a bracketed line with nothing to read
    kMalformed,  // too short for its date: not a record, but not to be thrown away lightly
};

// Reads one line (line ends and surrounding blanks allowed). Nothing is checked
// against the calendar. `out` is written only for kRecord.
AnniversaryLineKind ParseAnniversaryLine(std::string_view line, Anniversary& out);

// The line for a record, without a line end. Control characters in the name
// become spaces so that a record can never break into two lines.
std::string FormatAnniversaryLine(const Anniversary& record);
