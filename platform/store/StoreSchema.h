// The tables of pim.vol and the steps that bring an older file forward.
#pragma once

#include <SQLiteCpp/Database.h>

// Tells our file from other databases.
inline constexpr int kStoreApplicationId = 0x50494D56;  // "PIMV"

// Brings a database at `fromVersion` (0: empty) to the current schema. Runs
// inside the caller's write transaction.
void MigrateStoreSchema(SQLite::Database& db, int fromVersion);

// Change events kept in the journal; older ones are pruned.
inline constexpr int kJournalWindow = 50000;
