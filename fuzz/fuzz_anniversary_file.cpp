// Whole anniversary files from bytes (either encoding): loading never fails
// badly, and a list that was read is saved in a form that reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "calendar/AnniversaryText.h"
#include "fuzz/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    AnniversaryList list;
    AppendAnniversariesFromBytes(bytes, list);

    bool allFit = true;
    for (size_t i = 0; i < list.Count(); ++i) {
        CheckLineRoundTrip(list.At(i));
        allFit = allFit && FitsLineForm(list.At(i));
    }
    if (!allFit) return 0;

    AnniversaryList reread;
    const auto result = AppendAnniversariesFromBytes(AnniversaryFileBytes(list), reread);
    bool same = result.skippedLines == 0 && reread.Count() == list.Count();
    for (size_t i = 0; same && i < list.Count(); ++i) {
        same = SameAnniversary(list.At(i), reread.At(i));
    }
    if (!same) {
        std::fprintf(stderr, "saved list did not read back the same\n");
        std::abort();
    }
    return 0;
}
