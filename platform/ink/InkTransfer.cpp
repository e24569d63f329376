#include "platform/ink/InkTransfer.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int32_t kChunk = 4096;
constexpr uint32_t kStreamStopped = 1;  // the callback took nothing while bytes were left
constexpr uint32_t kStreamTooLong = 2;

}  // namespace

std::optional<std::vector<uint8_t>> ReceiveInkStream(EDITSTREAM& stream)
{
    stream.dwError = 0;
    if (stream.pfnCallback == nullptr) return std::vector<uint8_t>{};
    std::vector<uint8_t> bytes;
    uint8_t chunk[kChunk];
    for (;;) {
        int32_t done = 0;
        stream.dwError = stream.pfnCallback(stream.dwCookie, chunk, kChunk, &done);
        if (stream.dwError != 0) return std::nullopt;
        if (done <= 0) return bytes;
        if (bytes.size() + static_cast<size_t>(std::min(done, kChunk)) > kMaxInkStreamBytes) {
            stream.dwError = kStreamTooLong;
            return std::nullopt;
        }
        bytes.insert(bytes.end(), chunk, chunk + std::min(done, kChunk));
    }
}

bool SendInkStream(EDITSTREAM& stream, const std::vector<uint8_t>& bytes)
{
    stream.dwError = 0;
    if (stream.pfnCallback == nullptr) return bytes.empty();
    size_t sent = 0;
    uint8_t chunk[kChunk];
    while (sent < bytes.size()) {
        // The callback gets a copy: it may not write into the control's content.
        const int32_t count = static_cast<int32_t>(std::min<size_t>(kChunk, bytes.size() - sent));
        std::memcpy(chunk, bytes.data() + sent, static_cast<size_t>(count));
        int32_t done = 0;
        stream.dwError = stream.pfnCallback(stream.dwCookie, chunk, count, &done);
        if (stream.dwError != 0) return false;
        if (done <= 0) {
            stream.dwError = kStreamStopped;
            return false;
        }
        sent += static_cast<size_t>(std::min(done, count));
    }
    return true;
}

uint32_t MemoryStreamIn(uintptr_t cookie, uint8_t* buffer, int32_t count, int32_t* done)
{
    auto* memory = reinterpret_cast<MemoryStream*>(cookie);
    const size_t n = std::min(static_cast<size_t>(std::max(count, 0)), memory->capacity - memory->position);
    if (n > 0) std::memcpy(buffer, memory->base + memory->position, n);
    memory->position += n;
    *done = static_cast<int32_t>(n);
    return 0;
}

uint32_t MemoryStreamOut(uintptr_t cookie, uint8_t* buffer, int32_t count, int32_t* done)
{
    auto* memory = reinterpret_cast<MemoryStream*>(cookie);
    const size_t offered = static_cast<size_t>(std::max(count, 0));
    if (memory->base == nullptr) {
        // Measuring pass: the position only counts.
        memory->position += offered;
        *done = count;
        return 0;
    }
    const size_t n = std::min(offered, memory->capacity - memory->position);
    if (n > 0) std::memcpy(memory->base + memory->position, buffer, n);
    memory->position += n;
    *done = static_cast<int32_t>(n);
    return 0;
}
