// One connection to pim.vol: recognising the file, setting up or migrating its
// tables, prepared statements and write transactions.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "platform/store/RuleYearMemo.h"

// Opening or using the store failed; the text says why, for the user.
struct StoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class StoreFileState {
    Missing,
    Empty,          // an empty file or database: set up on first open
    Ready,
    Older,          // ours, an older schema: migrated forward on open
    NotADatabase,   // damaged, or not a database at all
    ForeignSchema,  // a database of another program
    NewerVersion,   // written by a newer Dayvane
    Unreadable,
};

// Looks at the file without changing it.
StoreFileState InspectStoreFile(const std::filesystem::path& file, std::string* detail = nullptr);

inline constexpr int kStoreSchemaVersion = 6;

class StoreConnection;

// A prepared statement taken from the connection's cache; reset on both ends
// so that no read transaction outlives one use.
class CachedStatement {
public:
    CachedStatement(StoreConnection& connection, SQLite::Statement& statement);
    ~CachedStatement();
    CachedStatement(const CachedStatement&) = delete;
    CachedStatement& operator=(const CachedStatement&) = delete;

    SQLite::Statement* operator->() { return &m_statement; }
    SQLite::Statement& operator*() { return m_statement; }

private:
    StoreConnection& m_connection;
    SQLite::Statement& m_statement;
};

class StoreConnection {
public:
    // Opens `file`; with `create` a missing file is made. A file that is not a
    // store, or of a newer schema, throws StoreError and is left untouched.
    StoreConnection(const std::filesystem::path& file, bool create);
    ~StoreConnection();

    SQLite::Database& Db() { return *m_db; }
    const std::filesystem::path& File() const { return m_file; }
    CachedStatement Prepared(const char* sql);
    bool InTransaction() const { return m_transactionDepth > 0; }
    RuleYearMemo& RuleYears() { return m_ruleYears; }

    // Damage is known once any statement met it or a check found it; from
    // then on every write is refused and the file is left as it is.
    bool Damaged() const { return m_damaged; }
    // Notes an SQLite result code; damage codes mark the store damaged.
    void NoteResult(int sqliteCode);
    // Checks the whole file now and remembers when; empty when it is whole,
    // else what is wrong.
    std::string CheckNow();
    // Throws StoreError when the store is damaged; checks the whole file first
    // when that has not been done for a day. Called before every write.
    void EnsureWritable();

private:
    friend class WriteTransaction;
    int m_transactionDepth = 0;  // open write transactions, outermost first
    bool m_damaged = false;
    double m_checkedAt = 0;  // when this connection last knew the file whole (OLE date)
    std::filesystem::path m_file;
    std::unique_ptr<SQLite::Database> m_db;
    std::map<std::string, std::unique_ptr<SQLite::Statement>> m_statements;
    RuleYearMemo m_ruleYears;
};

// A write transaction: the outermost takes the write lock at once (so that a
// busy store waits instead of failing half-way), inner ones are savepoints.
// Rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(StoreConnection& connection);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void Commit();

private:
    StoreConnection& m_connection;
    int m_level;
    bool m_done = false;
};

// SQLite failures as the store's error, with the file named.
[[noreturn]] void ThrowStoreError(const std::string& what, const std::exception& cause);
