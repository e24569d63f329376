// The tables of pim.vol and the steps that bring an older file forward.
#pragma once

#include <SQLiteCpp/Database.h>

// Tells our file from other databases.
inline constexpr int kStoreApplicationId = 0x50494D56;  // "PIMV"

// Brings a database at `fromVersion` (0: empty) to `toVersion` (the current
// schema unless a test builds an older file). Runs inside the caller's write
// transaction.
void MigrateStoreSchema(SQLite::Database& db, int fromVersion, int toVersion = -1);

// Change events kept in the journal; older ones are pruned.
inline constexpr int kJournalWindow = 50000;

// A load of many items inside the caller's write transaction: between the two
// calls the items it inserts get no span and no sync row; FinishBulkLoad gives
// them both at once. A rollback forgets the load with everything else.
void StartBulkLoad(SQLite::Database& db);
void FinishBulkLoad(SQLite::Database& db);
