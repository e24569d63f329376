// Property records as the database interface hands them out: one malloc'd
// buffer of 16-byte records followed by the texts and blocks they point to.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/store/ItemTable.h"
#include "platform/store/PimTypes.h"

// One property to hand out; no value means "not found" (CEDB_PROPNOTFOUND).
// Numbers carry integer types and file times (64-bit), reals R8, texts
// LPWSTR, bytes BLOB and STREAM.
struct PropEntry {
    CEPROPID id = 0;
    PropValue value;
};

// Fills `*buffer` (growing it with realloc when `allowRealloc`, which may move
// it) and sets `*size`. False when the buffer is too small and may not grow,
// or memory runs out; `*size` then says how much is needed.
bool FillPropBuffer(const std::vector<PropEntry>& entries, uint8_t** buffer, uint32_t* size, bool allowRealloc);

// Reads a record's value back into a PropValue of the kind its type calls for;
// nothing when the type is not one the store keeps.
PropValue ValueOfRecord(const CEPROPVAL& record);
