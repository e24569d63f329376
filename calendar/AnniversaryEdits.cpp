#include "calendar/AnniversaryEdits.h"

#include <functional>

#include "calendar/AnniversaryFile.h"

std::optional<size_t> LocateAnniversary(const AnniversaryList& list, size_t index,
                                        const Anniversary& asLoaded) {
    std::optional<size_t> nearest;
    size_t nearestDistance = 0;
    for (size_t i = 0; i < list.Count(); ++i) {
        if (!SameAnniversary(list.At(i), asLoaded)) continue;
        const size_t distance = i > index ? i - index : index - i;
        if (!nearest || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

int32_t SaveNewAnniversary(const std::string& folder, const Anniversary& record,
                           AnniversaryList* result, size_t* savedIndex, std::string* error) {
    return UpdateAnniversaries(
        folder,
        [&](AnniversaryList& list) {
            const size_t at = AddAnniversary(list, record);
            if (savedIndex != nullptr) *savedIndex = at;
            return AnniversaryEditResult::Save();
        },
        result, error);
}

namespace {

// One transaction on the record that was `asLoaded` at `index`, wherever it is now.
int32_t UpdateLocatedAnniversary(const std::string& folder, size_t index, const Anniversary& asLoaded,
                                 const std::function<void(AnniversaryList&, size_t)>& change,
                                 AnniversaryList* result, std::string* error) {
    return UpdateAnniversaries(
        folder,
        [&](AnniversaryList& list) {
            const std::optional<size_t> at = LocateAnniversary(list, index, asLoaded);
            if (!at) return AnniversaryEditResult::Refuse(kAnniversaryChangedElsewhere);
            change(list, *at);
            return AnniversaryEditResult::Save();
        },
        result, error);
}

}  // namespace

int32_t SaveChangedAnniversary(const std::string& folder, size_t index, const Anniversary& asLoaded,
                               const Anniversary& changed, AnniversaryList* result,
                               size_t* savedIndex, std::string* error) {
    return UpdateLocatedAnniversary(
        folder, index, asLoaded,
        [&](AnniversaryList& list, size_t at) {
            UpdateAnniversary(list, at, changed);
            if (savedIndex != nullptr) *savedIndex = at;
        },
        result, error);
}

int32_t SaveRemovedAnniversary(const std::string& folder, size_t index, const Anniversary& asLoaded,
                               AnniversaryList* result, std::string* error) {
    return UpdateLocatedAnniversary(
        folder, index, asLoaded, [](AnniversaryList& list, size_t at) { RemoveAnniversary(list, at); },
        result, error);
}
