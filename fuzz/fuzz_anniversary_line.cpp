// One anniversary line: reading never fails badly, and what is read is written
// back so that it reads the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calendar/AnniversaryLine.h"
#include "fuzz/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    Anniversary record;
    if (ParseAnniversaryLine(line, record) == AnniversaryLineKind::kRecord) {
        CheckLineRoundTrip(record);
    }
    return 0;
}
