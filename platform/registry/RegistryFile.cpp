#include "platform/registry/RegistryFile.h"

#include <sqlite3.h>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <new>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kSchemaVersion = 1;
constexpr int kApplicationId = 0x44565247;  // "DVRG": tells our file from other databases
// A writer that meets another waits this long; registry transactions are tiny,
// so only a stuck process makes a write give up.
constexpr int kBusyTimeoutMs = 10000;

// Root keys are rows 1-4, matching HKEY_CLASSES_ROOT + 0..3.
constexpr char kSchema[] = R"sql(
CREATE TABLE reg_key(
    id INTEGER PRIMARY KEY,
    parent INTEGER NOT NULL,
    name TEXT NOT NULL COLLATE NOCASE,
    UNIQUE(parent, name));
INSERT INTO reg_key(id, parent, name) VALUES
    (1, 0, 'HKEY_CLASSES_ROOT'), (2, 0, 'HKEY_CURRENT_USER'),
    (3, 0, 'HKEY_LOCAL_MACHINE'), (4, 0, 'HKEY_USERS');
CREATE TABLE reg_value(
    key INTEGER NOT NULL,
    name TEXT NOT NULL COLLATE NOCASE,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    UNIQUE(key, name));
)sql";

// Reads only; throws SQLite::Exception when the file is not a database.
RegistryFileState Classify(SQLite::Database& db)
{
    SQLite::Statement query(db,
        "SELECT (SELECT count(*) FROM sqlite_master),"
        " (SELECT application_id FROM pragma_application_id),"
        " (SELECT user_version FROM pragma_user_version)");
    query.executeStep();
    const int objects = query.getColumn(0).getInt();
    const int applicationId = query.getColumn(1).getInt();
    const int version = query.getColumn(2).getInt();
    if (applicationId == kApplicationId) {
        if (version > kSchemaVersion) return RegistryFileState::NewerVersion;
        return version == kSchemaVersion ? RegistryFileState::Ready : RegistryFileState::ForeignSchema;
    }
    if (applicationId == 0 && version == 0 && objects == 0) return RegistryFileState::Empty;
    return RegistryFileState::ForeignSchema;
}

// Another process may be setting the file up at the same moment: look again
// under the write lock.
RegistryFileState SetUp(SQLite::Database& db)
{
    SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
    RegistryFileState state = Classify(db);
    if (state != RegistryFileState::Empty) return state;
    db.exec(kSchema);
    db.exec("PRAGMA application_id = " + std::to_string(kApplicationId));
    db.exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
    transaction.commit();
    return RegistryFileState::Ready;
}

// Readers and writers of several processes then do not block each other. The
// mode is kept in the file; failing to switch only costs concurrency.
void UseWriteAheadLog(SQLite::Database& db)
{
    try {
        if (db.execAndGet("PRAGMA journal_mode").getString() != "wal") db.exec("PRAGMA journal_mode = WAL");
    } catch (const SQLite::Exception&) {
    }
}

bool IsDamage(int sqliteCode)
{
    const int primary = sqliteCode & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

std::string DescribeState(RegistryFileState state, const fs::path& file)
{
    std::string name(1, '\'');
    name += file.string();
    name += '\'';
    switch (state) {
    case RegistryFileState::Missing: return "No registry file " + name + " yet; the first write creates it";
    case RegistryFileState::Empty: return "The registry file " + name + " is empty; the first write sets it up";
    case RegistryFileState::Ready: return "The registry file " + name + " is in order";
    case RegistryFileState::NotADatabase:
        return "The registry file " + name + " is damaged or not a database; it is left as it is";
    case RegistryFileState::ForeignSchema:
        return "The registry file " + name + " belongs to another program; it is left as it is";
    case RegistryFileState::NewerVersion:
        return "The registry file " + name + " was written by a newer Dayvane; it is left as it is";
    case RegistryFileState::Unreadable: break;
    }
    return "The registry file " + name + " cannot be read";
}

} // namespace

LONG RegistryErrorFromSqlite(int sqliteCode, LONG fallback)
{
    switch (sqliteCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return ERROR_BUSY;
    case SQLITE_NOMEM: return ERROR_OUTOFMEMORY;
    case SQLITE_PERM:
    case SQLITE_READONLY: return ERROR_ACCESS_DENIED;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return ERROR_BADDB;
    case SQLITE_FULL: return ERROR_DISK_FULL;
    case SQLITE_CANTOPEN: return ERROR_PATH_NOT_FOUND;
    default: return fallback;
    }
}

RegistryFileReport InspectRegistryFile(const fs::path& file)
{
    std::error_code ec;
    if (file.empty() || !fs::exists(file, ec))
        return {RegistryFileState::Missing, DescribeState(RegistryFileState::Missing, file)};
    RegistryFileState state = RegistryFileState::Unreadable;
    std::string reason;
    try {
        SQLite::Database db(file.string(), SQLite::OPEN_READONLY, kBusyTimeoutMs);
        state = Classify(db);
    } catch (const SQLite::Exception& e) {
        state = IsDamage(e.getErrorCode()) ? RegistryFileState::NotADatabase : RegistryFileState::Unreadable;
        reason = e.what();
    }
    std::string detail = DescribeState(state, file);
    if (state == RegistryFileState::Unreadable && !reason.empty()) detail += ": " + reason;
    return {state, detail};
}

LONG OpenRegistryFile(const fs::path& file, bool create, std::unique_ptr<SQLite::Database>& db)
{
    db.reset();
    if (file.empty()) return ERROR_PATH_NOT_FOUND;
    std::error_code ec;
    if (!create && !fs::exists(file, ec)) return ERROR_FILE_NOT_FOUND;
    try {
        const int flags = SQLite::OPEN_READWRITE | (create ? SQLite::OPEN_CREATE : 0);
        auto connection = std::make_unique<SQLite::Database>(file.string(), flags, kBusyTimeoutMs);
        RegistryFileState state = Classify(*connection);
        if (state == RegistryFileState::Empty) {
            if (!create) return ERROR_FILE_NOT_FOUND;
            state = SetUp(*connection);
        }
        if (state != RegistryFileState::Ready) return ERROR_BADDB;
        UseWriteAheadLog(*connection);
        db = std::move(connection);
        return ERROR_SUCCESS;
    } catch (const SQLite::Exception& e) {
        return RegistryErrorFromSqlite(e.getErrorCode(), ERROR_CANTREAD);
    } catch (const std::bad_alloc&) {
        return ERROR_OUTOFMEMORY;
    }
}
