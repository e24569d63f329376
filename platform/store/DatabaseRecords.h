// The records of "Appointments Database" and "Tasks Database": their order
// (creation order, by Oid), the current-record position with its read-ahead,
// and the properties each record offers under the platform's identifiers.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/store/ItemTable.h"
#include "platform/store/PimTypes.h"
#include "platform/store/StoreConnection.h"

// The small properties of a record; the notes are read only when asked for.
struct RecordRow {
    CEOID oid = 0;
    std::string subject;
    bool reminderSet = false;
    int32_t importance = 0;
    bool recurring = false;
    double startDate = kNoDate;
    double dueDate = kNoDate;
    double dateCompleted = kNoDate;
    bool hasNotes = false;
};

class RecordCursor {
public:
    RecordCursor(StoreConnection& connection, ItemKind kind) : m_connection(connection), m_kind(kind) {}

    std::optional<CEOID> SeekFirst();
    std::optional<CEOID> SeekLast(int32_t offset);  // 0 or less: counted back from the last record
    std::optional<CEOID> SeekRelative(int32_t offset);
    std::optional<CEOID> SeekTo(CEOID oid);

    // The current record, or null past the last one.
    const RecordRow* Current();
    // The current record becomes the one after `oid`.
    void MovePast(CEOID oid);
    // Drops the read-ahead, after a write.
    void Forget();

    int64_t NewestChange();

private:
    // The record at or after a position: `after` excludes `oid` itself.
    const RecordRow* Lookup(CEOID oid, bool after);
    void Fetch(uint64_t from);
    bool CacheHolds(CEOID oid) const;
    std::optional<CEOID> Step(uint64_t bound, bool backwards, int64_t offset);

    StoreConnection& m_connection;
    ItemKind m_kind;
    CEOID m_oid = 0;
    bool m_after = false;
    // Consecutive records from the first with an Oid of at least m_cacheFrom.
    std::vector<RecordRow> m_cache;
    uint64_t m_cacheFrom = 0;
    bool m_cacheToEnd = false;
    bool m_cacheValid = false;
    int m_readAhead = 8;
};

std::vector<CEPROPID> AllRecordProperties(ItemKind kind);

// The value of one property of a record; nothing when the record has none.
PropValue RecordProperty(const RecordRow& row, ItemKind kind, CEPROPID id, ItemTable& table);

// Writes one property of a record; returns what was wrong, or empty.
std::string WriteRecordProperty(StoreConnection& connection, ItemKind kind, CEOID oid, const CEPROPVAL& value);
