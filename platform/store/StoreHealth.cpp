#include "platform/store/StoreHealth.h"

#include <sqlite3.h>

#include <SQLiteCpp/Statement.h>

bool IsDamageCode(int sqliteCode)
{
    const int primary = sqliteCode & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

std::string QuickCheckStore(SQLite::Database& db)
{
    SQLite::Statement check(db, "PRAGMA quick_check(1)");
    if (!check.executeStep()) return "검사 결과가 없습니다";
    std::string finding = check.getColumn(0).getString();
    return finding == "ok" ? std::string() : finding;
}

std::optional<double> LastStoreCheck(SQLite::Database& db)
{
    SQLite::Statement query(db, "SELECT checked FROM store_checks WHERE id = 1");
    if (!query.executeStep()) return std::nullopt;
    return query.getColumn(0).getDouble();
}

void RecordStoreCheck(SQLite::Database& db, double when)
{
    SQLite::Statement record(db, "INSERT OR REPLACE INTO store_checks(id, checked) VALUES (1, ?)");
    record.bind(1, when);
    record.exec();
}

bool StoreCheckDue(std::optional<double> last, double now)
{
    return !last || now < *last || now - *last >= 1.0;
}
