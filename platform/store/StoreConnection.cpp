#include "platform/store/StoreConnection.h"

#include <sqlite3.h>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>

#include <cstring>
#include <memory>
#include <system_error>

#include "platform/store/OleTime.h"
#include "platform/store/StoreHealth.h"
#include "platform/store/StoreSchema.h"

namespace fs = std::filesystem;

namespace {

// SQLite's memory statistics take a global mutex on every allocation it makes,
// several percent of a large import, and nothing here reads them. Settings for the
// whole process take only before SQLite's first use, hence before main.
[[maybe_unused]] const int kWithoutMemoryStatistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);

// Writers of several processes wait for each other this long before giving up;
// the store's transactions are short, so only a stuck process reaches it.
constexpr int kBusyTimeoutMs = 10000;

// The first bytes of every SQLite file. Anything else is refused before SQLite
// ever opens it, so a foreign file cannot be changed by a recovery attempt.
constexpr char kSqliteMagic[16] = "SQLite format 3";

enum class Header { Empty, Sqlite, Other, Unreadable };

// Through SQLite's own file layer, never a stream of our own: on Linux closing
// any descriptor of a file drops every POSIX lock the process holds on it, so a
// plain read beside an open connection would let another process take the
// store for unused, checkpoint and delete the write-ahead log under our feet.
// SQLite's layer keeps such a descriptor open until the process's last lock
// on the file is gone.
Header ReadHeader(const fs::path& file)
{
    sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    if (!vfs) return Header::Unreadable;
    std::unique_ptr<char[]> storage(new char[size_t(vfs->szOsFile)]());
    auto* handle = reinterpret_cast<sqlite3_file*>(storage.get());
    int outFlags = 0;
    if (vfs->xOpen(vfs, file.c_str(), handle, SQLITE_OPEN_READONLY | SQLITE_OPEN_MAIN_DB, &outFlags) != SQLITE_OK) {
        // A failed open may still have set up the methods: closing is then required.
        if (handle->pMethods) handle->pMethods->xClose(handle);
        return Header::Unreadable;
    }
    Header header = Header::Unreadable;
    sqlite3_int64 size = 0;
    char bytes[sizeof kSqliteMagic] = {};
    if (handle->pMethods->xFileSize(handle, &size) == SQLITE_OK) {
        if (size == 0)
            header = Header::Empty;
        else if (size < sqlite3_int64(sizeof bytes))
            header = Header::Other;
        else if (handle->pMethods->xRead(handle, bytes, sizeof bytes, 0) == SQLITE_OK)
            header = std::memcmp(bytes, kSqliteMagic, sizeof bytes) == 0 ? Header::Sqlite : Header::Other;
    }
    handle->pMethods->xClose(handle);
    return header;
}

// Reads only the first pages: the file header and the schema table.
StoreFileState Classify(SQLite::Database& db)
{
    SQLite::Statement query(db,
        "SELECT (SELECT count(*) FROM sqlite_master),"
        " (SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('items', 'journal')),"
        " (SELECT application_id FROM pragma_application_id),"
        " (SELECT user_version FROM pragma_user_version)");
    query.executeStep();
    const int objects = query.getColumn(0).getInt();
    const int ourTables = query.getColumn(1).getInt();
    const int applicationId = query.getColumn(2).getInt();
    const int version = query.getColumn(3).getInt();
    if (applicationId == kStoreApplicationId) {
        if (version > kStoreSchemaVersion) return StoreFileState::NewerVersion;
        if (version == kStoreSchemaVersion) return ourTables == 2 ? StoreFileState::Ready : StoreFileState::NotADatabase;
        return StoreFileState::Older;
    }
    if (applicationId == 0 && version == 0 && objects == 0) return StoreFileState::Empty;
    return StoreFileState::ForeignSchema;
}

std::string Quoted(const fs::path& file)
{
    // Appended piece by piece: GCC 12 warns falsely about "'" + text + "'".
    std::string name = "'";
    name += file.string();
    name += '\'';
    return name;
}

std::string Describe(StoreFileState state, const fs::path& file)
{
    const std::string name = Quoted(file);
    switch (state) {
    case StoreFileState::Missing: return "저장소 파일이 없습니다: " + name;
    case StoreFileState::Empty: return "저장소 파일이 비어 있습니다: " + name;
    case StoreFileState::Ready:
    case StoreFileState::Older: return "저장소 파일에 이상이 없습니다: " + name;
    case StoreFileState::NotADatabase: return "저장소 파일이 손상되었거나 저장소가 아닙니다 (파일은 그대로 둡니다): " + name;
    case StoreFileState::ForeignSchema: return "다른 프로그램의 데이터베이스입니다 (파일은 그대로 둡니다): " + name;
    case StoreFileState::NewerVersion: return "더 새로운 버전의 Dayvane이 만든 저장소입니다 (파일은 그대로 둡니다): " + name;
    case StoreFileState::Unreadable: break;
    }
    return "저장소 파일을 읽을 수 없습니다: " + name;
}

// Brings an empty or older file to the current schema. Another process may be
// doing the same: look again under the write lock.
StoreFileState SetUp(SQLite::Database& db)
{
    SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
    const StoreFileState state = Classify(db);
    if (state != StoreFileState::Empty && state != StoreFileState::Older) return state;
    const int version = state == StoreFileState::Empty ? 0 : db.execAndGet("PRAGMA user_version").getInt();
    MigrateStoreSchema(db, version);
    transaction.commit();
    return StoreFileState::Ready;
}

void Configure(SQLite::Database& db)
{
    if (db.execAndGet("PRAGMA journal_mode").getString() != "wal")
        db.exec("PRAGMA journal_mode = WAL");
    // In WAL mode NORMAL still never corrupts the file; a crash may only lose
    // the last commits before the operating system wrote them.
    db.exec("PRAGMA synchronous = NORMAL");
    // Pages come straight from the operating system's cache; the connection's
    // own cache stays a few megabytes whatever the size of the store.
    db.exec("PRAGMA mmap_size = 268435456");
    db.exec("PRAGMA cache_size = -8192");
    // Every save inside a batch is a savepoint; its statement journal holds a
    // few pages and would otherwise spill to a temporary file and stay there.
    db.exec("PRAGMA temp_store = MEMORY");
}

} // namespace

StoreFileState InspectStoreFile(const fs::path& file, std::string* detail)
{
    StoreFileState state = StoreFileState::Unreadable;
    std::string reason;
    std::error_code ec;
    if (file.empty() || !fs::exists(file, ec)) {
        state = StoreFileState::Missing;
    } else {
        switch (ReadHeader(file)) {
        case Header::Empty: state = StoreFileState::Empty; break;
        case Header::Other: state = StoreFileState::NotADatabase; break;
        case Header::Unreadable: state = StoreFileState::Unreadable; break;
        case Header::Sqlite:
            try {
                SQLite::Database db(file.string(), SQLite::OPEN_READONLY, kBusyTimeoutMs);
                state = Classify(db);
            } catch (const SQLite::Exception& e) {
                state = IsDamageCode(e.getErrorCode()) ? StoreFileState::NotADatabase : StoreFileState::Unreadable;
                reason = e.what();
            }
            break;
        }
    }
    if (detail) {
        *detail = Describe(state, file);
        if (state == StoreFileState::Unreadable && !reason.empty()) *detail += ": " + reason;
    }
    return state;
}

CachedStatement::CachedStatement(StoreConnection& connection, SQLite::Statement& statement)
    : m_connection(connection), m_statement(statement)
{
    m_statement.reset();
    m_statement.clearBindings();
}

CachedStatement::~CachedStatement()
{
    // A failed step reports its code again here, thrown or not.
    m_connection.NoteResult(m_statement.tryReset());
}

StoreConnection::StoreConnection(const fs::path& file, bool create) : m_file(file)
{
    std::string detail;
    StoreFileState state = InspectStoreFile(file, &detail);
    if (state == StoreFileState::Missing && !create) throw StoreError(detail);
    if (state != StoreFileState::Missing && state != StoreFileState::Empty && state != StoreFileState::Ready &&
        state != StoreFileState::Older)
        throw StoreError(detail);
    try {
        // A connection serves one thread at a time: no locking per call.
        const int flags = SQLite::OPEN_NOMUTEX | SQLite::OPEN_READWRITE | (create ? SQLite::OPEN_CREATE : 0);
        m_db = std::make_unique<SQLite::Database>(file.string(), flags, kBusyTimeoutMs);
        if (state != StoreFileState::Ready) state = SetUp(*m_db);
        if (state != StoreFileState::Ready) throw StoreError(Describe(state, file));
        Configure(*m_db);
    } catch (const SQLite::Exception& e) {
        m_db.reset();
        if (IsDamageCode(e.getErrorCode())) throw StoreError(Describe(StoreFileState::NotADatabase, file));
        throw StoreError(Describe(StoreFileState::Unreadable, file) + ": " + e.what());
    }
}

StoreConnection::~StoreConnection() = default;

CachedStatement StoreConnection::Prepared(const char* sql)
{
    auto& slot = m_statements[sql];
    if (!slot) {
        try {
            slot = std::make_unique<SQLite::Statement>(*m_db, sql);
        } catch (const SQLite::Exception& e) {
            NoteResult(e.getErrorCode());
            throw;
        }
    }
    return CachedStatement(*this, *slot);
}

void StoreConnection::NoteResult(int sqliteCode)
{
    if (m_damaged || !IsDamageCode(sqliteCode)) return;
    m_damaged = true;
    // Closing the last connection would otherwise copy the log into the file.
    sqlite3_db_config(m_db->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

std::string StoreConnection::CheckNow()
{
    std::string finding;
    try {
        finding = QuickCheckStore(*m_db);
    } catch (const SQLite::Exception& e) {
        if (!IsDamageCode(e.getErrorCode())) throw;
        finding = e.what();
    }
    if (!finding.empty()) {
        NoteResult(SQLITE_CORRUPT);
        return finding;
    }
    m_checkedAt = OleNow();
    try {
        RecordStoreCheck(*m_db, m_checkedAt);
    } catch (const SQLite::Exception&) {
        // A read-only or busy file is checked again by the next process.
    }
    return {};
}

void StoreConnection::EnsureWritable()
{
    const std::string refusal = "저장소 파일이 손상되어 쓰지 않습니다 (파일은 그대로 둡니다): " + Quoted(m_file);
    if (m_damaged) throw StoreError(refusal);
    if (m_checkedAt == 0) m_checkedAt = LastStoreCheck(*m_db).value_or(0);
    // Kept out of reads: only a process about to write pays for the check,
    // and at most once a day for each store.
    if (!StoreCheckDue(m_checkedAt ? std::optional<double>(m_checkedAt) : std::nullopt, OleNow())) return;
    const std::string finding = CheckNow();
    if (!finding.empty()) throw StoreError(refusal + ": " + finding);
}

WriteTransaction::WriteTransaction(StoreConnection& connection)
    : m_connection(connection), m_level(connection.m_transactionDepth)
{
    if (m_level == 0 || m_connection.Damaged()) m_connection.EnsureWritable();
    if (m_level == 0)
        m_connection.Db().exec("BEGIN IMMEDIATE");
    else
        m_connection.Prepared(("SAVEPOINT level" + std::to_string(m_level)).c_str())->exec();
    ++m_connection.m_transactionDepth;
}

WriteTransaction::~WriteTransaction()
{
    if (m_done) return;
    --m_connection.m_transactionDepth;
    if (m_level == 0) {
        m_connection.Db().tryExec("ROLLBACK");
    } else {
        const std::string name = "level" + std::to_string(m_level);
        m_connection.Db().tryExec(("ROLLBACK TO " + name).c_str());
        m_connection.Db().tryExec(("RELEASE " + name).c_str());
    }
}

void WriteTransaction::Commit()
{
    if (m_done) return;
    try {
        if (m_level == 0)
            m_connection.Db().exec("COMMIT");
        else
            m_connection.Prepared(("RELEASE level" + std::to_string(m_level)).c_str())->exec();
    } catch (const SQLite::Exception& e) {
        m_connection.NoteResult(e.getErrorCode());
        throw;
    }
    m_done = true;
    --m_connection.m_transactionDepth;
}

void ThrowStoreError(const std::string& what, const std::exception& cause)
{
    throw StoreError(what + ": " + cause.what());
}
