// The restriction reader: any text either reads into well-formed terms or is
// refused with a reason, and evaluating what it read never fails.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/store/Restriction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Restriction restriction;
    std::string error;
    if (!ParseRestriction(text, restriction, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (restriction.terms.empty()) std::abort();
    for (const RestrictionTerm& term : restriction.terms)
        if (!std::isfinite(term.value)) std::abort();
    for (double start : {-1.0e6, 0.0, 45000.5, 1.0e6}) {
        const bool meets = restriction.Matches([&](RestrictionField) { return start; });
        (void)meets;
    }
    double low, high;
    restriction.Bounds(RestrictionField::Start, low, high);
    restriction.Bounds(RestrictionField::End, low, high);
    return 0;
}
