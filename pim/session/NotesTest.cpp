#include "pim/session/NotesTest.h"

#include <cstring>

namespace {

constexpr uint8_t kMarkOnly[] = {0xFE, 0xFF, 0x00, 0x00};
constexpr uint8_t kMarkAndLineBreak[] = {0xFE, 0xFF, 0x0D, 0x00, 0x0A, 0x00, 0x00, 0x00};

template <size_t N>
bool Is(const uint8_t* data, size_t size, const uint8_t (&block)[N])
{
    return size == N && std::memcmp(data, block, N) == 0;
}

} // namespace

bool NotesBlockHasContent(const uint8_t* data, size_t size)
{
    if (size == 0 || data == nullptr) return false;
    return !Is(data, size, kMarkOnly) && !Is(data, size, kMarkAndLineBreak);
}

bool NotesPropertyHasContent(const CEPROPVAL& notes)
{
    if (notes.wFlags & (CEDB_PROPNOTFOUND | CEDB_PROPDELETE)) return false;
    const uint16_t type = TypeFromPropId(notes.propid);
    if ((type != CEVT_STREAM && type != CEVT_BLOB) || notes.val.blob == nullptr) return false;
    return NotesBlockHasContent(notes.val.blob->lpb, notes.val.blob->dwCount);
}
