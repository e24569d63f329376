#include "platform/registry/RegistryTables.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace {

std::optional<int64_t> FindSubKey(SQLite::Database& db, int64_t parent, const std::string& name)
{
    SQLite::Statement query(db, "SELECT id FROM reg_key WHERE parent = ? AND name = ?");
    query.bind(1, parent);
    query.bind(2, name);
    if (!query.executeStep()) return std::nullopt;
    return query.getColumn(0).getInt64();
}

bool KeyExists(SQLite::Database& db, int64_t id)
{
    SQLite::Statement query(db, "SELECT 1 FROM reg_key WHERE id = ?");
    query.bind(1, id);
    return query.executeStep();
}

int64_t AddSubKey(SQLite::Database& db, int64_t parent, const std::string& name)
{
    SQLite::Statement insert(db, "INSERT INTO reg_key(parent, name) VALUES (?, ?)");
    insert.bind(1, parent);
    insert.bind(2, name);
    insert.exec();
    return db.getLastInsertRowid();
}

RegistryValue ValueFromRow(SQLite::Statement& row)
{
    RegistryValue value;
    value.name = row.getColumn(0).getString();
    value.type = static_cast<DWORD>(row.getColumn(1).getInt64());
    SQLite::Column data = row.getColumn(2);
    const auto* bytes = static_cast<const BYTE*>(data.getBlob());
    if (bytes != nullptr) value.data.assign(bytes, bytes + data.getBytes());
    return value;
}

// The key and every key below it.
constexpr char kSubtree[] =
    "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL"
    " SELECT k.id FROM reg_key k JOIN tree ON k.parent = tree.id) ";

} // namespace

LONG ResolveKeyPath(SQLite::Database& db, int64_t base, const std::vector<std::string>& path, bool create,
                    int64_t& id, bool& created)
{
    created = false;
    // Most opens find an existing key: look without taking the write lock.
    int64_t current = base;
    size_t found = 0;
    for (; found < path.size(); ++found) {
        std::optional<int64_t> child = FindSubKey(db, current, path[found]);
        if (!child) break;
        current = *child;
    }
    if (found == path.size()) {
        if (path.empty() && !KeyExists(db, base)) return ERROR_KEY_DELETED;
        id = current;
        return ERROR_SUCCESS;
    }
    if (!create) return ERROR_FILE_NOT_FOUND;

    // Another process may create or delete keys meanwhile: walk again under the lock.
    SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
    if (!KeyExists(db, base)) return ERROR_KEY_DELETED;
    current = base;
    for (const std::string& name : path) {
        std::optional<int64_t> child = FindSubKey(db, current, name);
        if (!child) {
            child = AddSubKey(db, current, name);
            created = true;
        }
        current = *child;
    }
    transaction.commit();
    id = current;
    return ERROR_SUCCESS;
}

std::optional<RegistryValue> ReadValue(SQLite::Database& db, int64_t key, const std::string& name)
{
    SQLite::Statement query(db, "SELECT name, type, data FROM reg_value WHERE key = ? AND name = ?");
    query.bind(1, key);
    query.bind(2, name);
    if (!query.executeStep()) return std::nullopt;
    return ValueFromRow(query);
}

bool WriteValue(SQLite::Database& db, int64_t key, const std::string& name, DWORD type, const BYTE* data,
                DWORD size)
{
    // One statement takes the write lock at once, so it waits for other writers
    // instead of failing on a stale snapshot. An existing value keeps the case
    // of its name.
    SQLite::Statement upsert(db,
        "INSERT INTO reg_value(key, name, type, data)"
        " SELECT ?1, ?2, ?3, ?4 WHERE EXISTS (SELECT 1 FROM reg_key WHERE id = ?1)"
        " ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, data = excluded.data");
    static const BYTE kNoBytes = 0;  // an empty blob, not NULL
    upsert.bind(1, key);
    upsert.bind(2, name);
    upsert.bind(3, static_cast<int64_t>(type));
    upsert.bind(4, size != 0 ? data : &kNoBytes, static_cast<int>(size));
    return upsert.exec() > 0;
}

bool DeleteValue(SQLite::Database& db, int64_t key, const std::string& name)
{
    SQLite::Statement remove(db, "DELETE FROM reg_value WHERE key = ? AND name = ?");
    remove.bind(1, key);
    remove.bind(2, name);
    return remove.exec() > 0;
}

std::optional<RegistryValue> ValueAt(SQLite::Database& db, int64_t key, DWORD index)
{
    SQLite::Statement query(db,
        "SELECT name, type, data FROM reg_value WHERE key = ? ORDER BY rowid LIMIT 1 OFFSET ?");
    query.bind(1, key);
    query.bind(2, static_cast<int64_t>(index));
    if (!query.executeStep()) return std::nullopt;
    return ValueFromRow(query);
}

std::optional<std::string> SubKeyAt(SQLite::Database& db, int64_t key, DWORD index)
{
    SQLite::Statement query(db, "SELECT name FROM reg_key WHERE parent = ? ORDER BY id LIMIT 1 OFFSET ?");
    query.bind(1, key);
    query.bind(2, static_cast<int64_t>(index));
    if (!query.executeStep()) return std::nullopt;
    return query.getColumn(0).getString();
}

std::vector<RegistryValue> ValuesOf(SQLite::Database& db, int64_t key)
{
    SQLite::Statement query(db, "SELECT name, type, data FROM reg_value WHERE key = ? ORDER BY rowid");
    query.bind(1, key);
    std::vector<RegistryValue> values;
    while (query.executeStep()) values.push_back(ValueFromRow(query));
    return values;
}

std::vector<std::string> SubKeysOf(SQLite::Database& db, int64_t key)
{
    SQLite::Statement query(db, "SELECT name FROM reg_key WHERE parent = ? ORDER BY id");
    query.bind(1, key);
    std::vector<std::string> names;
    while (query.executeStep()) names.push_back(query.getColumn(0).getString());
    return names;
}

void DeleteKeyTree(SQLite::Database& db, int64_t key)
{
    SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
    SQLite::Statement values(db, std::string(kSubtree) + "DELETE FROM reg_value WHERE key IN tree");
    values.bind(1, key);
    values.exec();
    SQLite::Statement keys(db, std::string(kSubtree) + "DELETE FROM reg_key WHERE id IN tree");
    keys.bind(1, key);
    keys.exec();
    transaction.commit();
}
