// A whole sync as the command-line tool and Dayvane run it: its own store
// session and client, the collections of the configuration, then the
// anniversaries when a collection for them is set.
#pragma once

#include <filesystem>

#include "calendar/Anniversary.h"
#include "calendar/AnniversaryOccurrence.h"
#include "sync/SyncEngine.h"

struct SyncRunInput {
    std::filesystem::path storeFile;
    SyncConfig config;
    const AnniversaryList* anniversaries = nullptr;  // published when the config names a collection
    int32_t currentYear = 0;
    AgeCounting age = AgeCounting::kKorean;
    bool substituteHolidays = true;
};

struct SyncRunResult {
    SyncSummary summary;
    bool published = false;
    std::string publishLine;  // what publishing did
};

SyncRunResult RunWholeSync(const SyncRunInput& input, const SyncProgress& progress = {});
