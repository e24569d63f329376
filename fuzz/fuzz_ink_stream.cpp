// The ink stream reader: any bytes are either refused or read into content
// that the writer turns back into exactly the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/ink/InkStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<InkContent> content = ReadInkStream(data, size);
    if (!content) return 0;
    for (const InkStroke& stroke : content->strokes)
        if (stroke.points.empty() || stroke.width < 1 || stroke.width > kMaxInkPenWidth || stroke.color > 0xFFFFFF)
            std::abort();
    const std::vector<uint8_t> written = WriteInkStream(*content);
    if (written != std::vector<uint8_t>(data, data + size)) std::abort();
    return 0;
}
