// A store file as an older version of Dayvane left it, for the steps that
// bring it forward.
#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include <filesystem>
#include <string>

#include "platform/store/StoreSchema.h"

// The schema of `version`, holding what the statements in `rows` insert.
inline void WriteOlderStore(const std::filesystem::path& file, int version, const std::string& rows)
{
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA journal_mode = WAL");
    SQLite::Transaction transaction(db);
    MigrateStoreSchema(db, 0, version);
    db.exec(rows);
    transaction.commit();
}
