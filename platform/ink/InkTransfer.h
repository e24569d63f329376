// Moving a whole ink stream through an EDITSTREAM callback, both ways.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ink/InkMessages.h"

// More than any notes the control could hold: a callback that never ends
// its stream fails instead of filling memory.
inline constexpr size_t kMaxInkStreamBytes = size_t{64} << 20;

// Reads until the callback reports 0 bytes. Nothing when the callback fails
// (its error is left in stream.dwError) or the stream is too long.
std::optional<std::vector<uint8_t>> ReceiveInkStream(EDITSTREAM& stream);
// Offers all of `bytes`; false (stream.dwError set) when the callback fails
// or stops taking bytes before the end.
bool SendInkStream(EDITSTREAM& stream, const std::vector<uint8_t>& bytes);

// The memory stream of the notes blob (the callbacks' cookie): a base, the
// current position (as an offset) and the capacity. With no base, stream-out
// only counts.
struct MemoryStream {
    uint8_t* base = nullptr;
    size_t position = 0;
    size_t capacity = 0;
};
uint32_t MemoryStreamIn(uintptr_t cookie, uint8_t* buffer, int32_t count, int32_t* done);
uint32_t MemoryStreamOut(uintptr_t cookie, uint8_t* buffer, int32_t count, int32_t* done);
