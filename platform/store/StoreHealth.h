// Damage in pim.vol: which SQLite results mean it, the full check, and when
// the check last found the file whole.
#pragma once

#include <optional>
#include <string>

#include <SQLiteCpp/Database.h>

bool IsDamageCode(int sqliteCode);

// PRAGMA quick_check over the whole file: empty when it is whole, else the
// first thing found wrong.
std::string QuickCheckStore(SQLite::Database& db);

// When the check last found the file whole (OLE date, local time).
std::optional<double> LastStoreCheck(SQLite::Database& db);
void RecordStoreCheck(SQLite::Database& db, double when);

// The check runs again a day after the last one, or when the clock went back.
bool StoreCheckDue(std::optional<double> last, double now);
