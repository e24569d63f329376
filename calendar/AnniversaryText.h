// The anniversary file's content, without touching the disk: its bytes read
// into records, and records written out as bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calendar/Anniversary.h"

struct AnniversaryReadResult {
    size_t records = 0;       // appended to the list
    size_t skippedLines = 0;  // malformed lines that were not read
};

// Appends the records of UTF-8 text, line by line; lines of any length are read whole.
AnniversaryReadResult AppendAnniversariesFromText(std::string_view text, AnniversaryList& list);

// File bytes: UTF-16LE after the mark FF FE, otherwise code page 949. Damaged
// bytes turn into U+FFFD inside their line; the other lines read normally.
AnniversaryReadResult AppendAnniversariesFromBytes(std::string_view bytes, AnniversaryList& list);

// One line per record with CR LF, in code page 949 without a mark. When a name
// holds a character that code page 949 cannot represent, the whole file is
// written as UTF-16LE with the mark instead, which every reader accepts, so
// nothing is lost or replaced.
std::string AnniversaryFileBytes(const AnniversaryList& list);
