// Whether an item's notes block (property 0x001E) holds anything.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/store/PimTypes.h"

// False for an empty block and for the two blocks an emptied ink control
// leaves: a byte-order mark alone (FE FF 00 00), or with a line break
// (FE FF 0D 00 0A 00 00 00).
bool NotesBlockHasContent(const uint8_t* data, size_t size);

// The test on a property record as the database hands it out: missing or
// deleted properties have no notes.
bool NotesPropertyHasContent(const CEPROPVAL& notes);
