#include "platform/store/DatabaseRecords.h"

#include <algorithm>

#include "platform/store/ItemDateRange.h"
#include "platform/store/OleTime.h"
#include "platform/store/PropBuffer.h"

namespace {

constexpr int kMaxReadAhead = 512;

RecordRow ReadRecord(SQLite::Statement& q)
{
    RecordRow row;
    row.oid = CEOID(q.getColumn(0).getInt64());
    row.subject = q.getColumn(1).getString();
    row.reminderSet = q.getColumn(2).getInt() != 0;
    row.importance = q.getColumn(3).getInt();
    row.recurring = q.getColumn(4).getInt() >= 0;
    row.startDate = q.getColumn(5).getDouble();
    row.dueDate = q.getColumn(6).getDouble();
    row.dateCompleted = q.getColumn(7).getDouble();
    row.hasNotes = q.getColumn(8).getInt() != 0;
    return row;
}

PropValue FileTimeValue(double date)
{
    FILETIME ft;
    if (!OleToFileTime(date, ft)) return {};
    return int64_t((uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

// One writable property and the statement that writes it.
struct WritableProperty {
    CEPROPID id;
    bool tasksOnly;
    const char* sql;
};

constexpr WritableProperty kWritable[] = {
    {PROPID_NOTES, false, "UPDATE items SET notes = ? WHERE oid = ?"},
    {PROPID_TASK_SUBJECT, true, "UPDATE items SET subject = ? WHERE oid = ?"},
    {PROPID_TASK_REMINDER, true, "UPDATE items SET reminder_set = ? WHERE oid = ?"},
    {PROPID_TASK_IMPORTANCE, true, "UPDATE items SET importance = ? WHERE oid = ?"},
    {PROPID_TASK_START, true, "UPDATE items SET start_date = ? WHERE oid = ?"},
    {PROPID_TASK_DUE, true, "UPDATE items SET due_date = ? WHERE oid = ?"},
    {PROPID_TASK_COMPLETED, true, "UPDATE items SET date_completed = ? WHERE oid = ?"},
};

// Binds the new value as the column keeps it; returns what was wrong.
std::string BindValue(SQLite::Statement& q, const CEPROPVAL& record)
{
    const bool erase = (record.wFlags & CEDB_PROPDELETE) != 0;
    switch (TypeFromPropId(record.propid)) {
    case CEVT_FILETIME: {
        double date = kNoDate;
        if (!erase && !FileTimeToOle(record.val.filetime, date)) return "날짜 값이 올바르지 않습니다.";
        if (!erase && !InItemDateRange(date)) return kItemDateRangeText;
        q.bind(1, date);
        return {};
    }
    case CEVT_LPWSTR: q.bind(1, erase || !record.val.lpsz ? std::string() : std::string(record.val.lpsz)); return {};
    case CEVT_BOOL: q.bind(1, erase ? 0 : int(record.val.boolVal != 0)); return {};
    case CEVT_UI4:
        if (!erase && record.val.ulVal > uint32_t(olImportanceHigh)) return "중요도는 0, 1, 2 중 하나여야 합니다.";
        q.bind(1, erase ? olImportanceNormal : int(record.val.ulVal));
        return {};
    case CEVT_STREAM:
    case CEVT_BLOB: {
        const CEBLOB* blob = record.val.blob;
        if (erase || !blob || blob->dwCount == 0) {
            q.bind(1);
            return {};
        }
        if (!blob->lpb) return "메모 값이 올바르지 않습니다.";
        q.bind(1, blob->lpb, int(blob->dwCount));
        return {};
    }
    default: return "쓸 수 없는 속성입니다.";
    }
}

} // namespace

void RecordCursor::Fetch(uint64_t from)
{
    m_cache.clear();
    m_cacheFrom = from;
    m_cacheValid = true;
    auto q = m_connection.Prepared(
        "SELECT oid, subject, reminder_set, importance, rec_type, start_date, due_date, date_completed, "
        "notes IS NOT NULL FROM items WHERE kind = ? AND oid >= ? ORDER BY oid LIMIT ?");
    q->bind(1, int(m_kind));
    q->bind(2, int64_t(from));
    q->bind(3, m_readAhead);
    while (q->executeStep()) m_cache.push_back(ReadRecord(*q));
    m_cacheToEnd = m_cache.size() < size_t(m_readAhead);
    // A scan reads on and on: read further ahead each time.
    m_readAhead = std::min(m_readAhead * 4, kMaxReadAhead);
}

bool RecordCursor::CacheHolds(CEOID oid) const
{
    auto it = std::lower_bound(m_cache.begin(), m_cache.end(), oid,
                               [](const RecordRow& row, CEOID k) { return row.oid < k; });
    return m_cacheValid && it != m_cache.end() && it->oid == oid;
}

const RecordRow* RecordCursor::Lookup(CEOID oid, bool after)
{
    const uint64_t key = uint64_t(oid) + (after ? 1 : 0);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (m_cacheValid && key >= m_cacheFrom) {
            auto it = std::lower_bound(m_cache.begin(), m_cache.end(), key,
                                       [](const RecordRow& row, uint64_t k) { return row.oid < k; });
            if (it != m_cache.end()) return &*it;
            if (m_cacheToEnd) return nullptr;
        }
        Fetch(key);
    }
    return m_cache.empty() ? nullptr : &m_cache.front();
}

void RecordCursor::Forget()
{
    m_cache.clear();
    m_cacheValid = false;
    m_readAhead = 8;
}

std::optional<CEOID> RecordCursor::SeekFirst()
{
    Forget();
    m_oid = 0;
    m_after = false;
    const RecordRow* first = Lookup(0, false);
    if (!first) return std::nullopt;
    return first->oid;
}

std::optional<CEOID> RecordCursor::SeekTo(CEOID oid)
{
    Forget();
    m_readAhead = 1;  // most often one record is all that is wanted
    const RecordRow* row = Lookup(oid, false);
    if (!row || row->oid != oid) return std::nullopt;
    m_oid = oid;
    m_after = false;
    return oid;
}

std::optional<CEOID> RecordCursor::Step(uint64_t bound, bool backwards, int64_t offset)
{
    auto q = m_connection.Prepared(backwards
        ? "SELECT oid FROM items WHERE kind = ? AND oid < ? ORDER BY oid DESC LIMIT 1 OFFSET ?"
        : "SELECT oid FROM items WHERE kind = ? AND oid >= ? ORDER BY oid LIMIT 1 OFFSET ?");
    q->bind(1, int(m_kind));
    q->bind(2, int64_t(bound));
    q->bind(3, offset);
    if (!q->executeStep()) return std::nullopt;
    return CEOID(q->getColumn(0).getInt64());
}

std::optional<CEOID> RecordCursor::SeekRelative(int32_t offset)
{
    // The current record is the first at or after the position.
    const uint64_t bound = uint64_t(m_oid) + (m_after ? 1 : 0);
    std::optional<CEOID> target;
    if (offset == -1 && m_after && CacheHolds(m_oid)) {
        target = m_oid;  // straight back to the record just read
    } else if (offset < 0) {
        target = Step(bound, true, -(int64_t(offset) + 1));
    } else {
        target = Step(bound, false, offset);
    }
    if (!target) return std::nullopt;
    m_oid = *target;
    m_after = false;
    return target;
}

std::optional<CEOID> RecordCursor::SeekLast(int32_t offset)
{
    if (offset > 0) return std::nullopt;
    auto target = Step(uint64_t(UINT32_MAX) + 1, true, -int64_t(offset));
    if (!target) return std::nullopt;
    m_oid = *target;
    m_after = false;
    return target;
}

const RecordRow* RecordCursor::Current() { return Lookup(m_oid, m_after); }

void RecordCursor::MovePast(CEOID oid)
{
    m_oid = oid;
    m_after = true;
}

int64_t RecordCursor::NewestChange()
{
    auto q = m_connection.Prepared("SELECT coalesce(max(id), 0) FROM journal");
    q->executeStep();
    return q->getColumn(0).getInt64();
}

std::vector<CEPROPID> AllRecordProperties(ItemKind kind)
{
    if (kind == ItemKind::Appointment) return {PROPID_RECORD_ID, PROPID_NOTES};
    return {PROPID_RECORD_ID,       PROPID_TASK_START, PROPID_TASK_DUE,         PROPID_TASK_COMPLETED,
            PROPID_TASK_SUBJECT,    PROPID_TASK_RECURRING, PROPID_TASK_REMINDER, PROPID_TASK_IMPORTANCE,
            PROPID_NOTES};
}

PropValue RecordProperty(const RecordRow& row, ItemKind kind, CEPROPID id, ItemTable& table)
{
    if (id == PROPID_RECORD_ID)
        return int64_t(kind == ItemKind::Task ? TaskRecordId(row.oid) : AppointmentRecordId(row.oid));
    if (id == PROPID_NOTES) {
        if (!row.hasNotes) return {};
        return table.LoadNotes(row.oid);
    }
    if (kind != ItemKind::Task) return {};
    switch (id) {
    case PROPID_TASK_SUBJECT: return row.subject.empty() ? PropValue{} : PropValue{row.subject};
    case PROPID_TASK_RECURRING: return int64_t(row.recurring);
    case PROPID_TASK_REMINDER: return int64_t(row.reminderSet);
    case PROPID_TASK_IMPORTANCE: return int64_t(row.importance);
    case PROPID_TASK_START: return FileTimeValue(row.startDate);
    case PROPID_TASK_DUE: return FileTimeValue(row.dueDate);
    case PROPID_TASK_COMPLETED: return FileTimeValue(row.dateCompleted);
    default: return {};
    }
}

std::string WriteRecordProperty(StoreConnection& connection, ItemKind kind, CEOID oid, const CEPROPVAL& value)
{
    for (const WritableProperty& property : kWritable) {
        if (property.id != value.propid || (property.tasksOnly && kind != ItemKind::Task)) continue;
        auto q = connection.Prepared(property.sql);
        const std::string problem = BindValue(*q, value);
        if (!problem.empty()) return problem;
        q->bind(2, int64_t(oid));
        q->exec();
        return {};
    }
    return "쓸 수 없는 속성입니다.";
}
