// Changes to single anniversaries as the commands and editors make them, each
// one transaction of UpdateAnniversaries. A record is named by its index in
// the list the caller loaded together with its content as loaded: another
// writer may have moved it since, so it is found again by that content, and a
// record that changed or vanished is refused rather than guessed at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "calendar/Anniversary.h"

inline constexpr const char* kAnniversaryChangedElsewhere =
    "선택한 기념일이 그사이 다른 곳에서 바뀌었거나 삭제되었습니다. 목록을 다시 확인해 주세요.";

// Where the record that was `asLoaded` at `index` is now: `index` when it
// still holds that content, else the nearest record with exactly that content
// (records with equal content are indistinguishable in the file); none when
// no record has it any more.
std::optional<size_t> LocateAnniversary(const AnniversaryList& list, size_t index,
                                        const Anniversary& asLoaded);

// Each returns 1 when saved, 0 with `error` set otherwise (see
// UpdateAnniversaries; `result` is the list as saved, or as on disk after a
// failure). `savedIndex`, when given, receives the record's position in `result`.
int32_t SaveNewAnniversary(const std::string& folder, const Anniversary& record,
                           AnniversaryList* result, size_t* savedIndex, std::string* error);
int32_t SaveChangedAnniversary(const std::string& folder, size_t index, const Anniversary& asLoaded,
                               const Anniversary& changed, AnniversaryList* result,
                               size_t* savedIndex, std::string* error);
int32_t SaveRemovedAnniversary(const std::string& folder, size_t index, const Anniversary& asLoaded,
                               AnniversaryList* result, std::string* error);
