#include "fuzz/RoundTrip.h"

#include <cstdio>
#include <cstdlib>

#include "calendar/AnniversaryLine.h"

bool FitsLineForm(const Anniversary& r) {
    const int32_t monthLimit = r.kind == kAnniversaryByWeekday ? 999 : 99;
    if (r.year < 0 || r.year > 9999 || r.month < 0 || r.month > monthLimit || r.day < 0 ||
        r.day > 99) {
        return false;
    }
    for (const char c : r.name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    return true;
}

void CheckLineRoundTrip(const Anniversary& record) {
    if (!FitsLineForm(record)) return;
    const std::string line = FormatAnniversaryLine(record);
    Anniversary back;
    if (ParseAnniversaryLine(line, back) != AnniversaryLineKind::kRecord ||
        !SameAnniversary(back, record)) {
        std::fprintf(stderr, "line did not round-trip: [%s]\n", line.c_str());
        std::abort();
    }
}
