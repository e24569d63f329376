#include "platform/store/ItemTable.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>

#include "platform/store/ItemIdentity.h"

namespace {

#define ITEM_COLUMNS                                                                                             \
    "oid, kind, subject, location, start_time, end_time, all_day, reminder_set, reminder_minutes, reminder_time, " \
    "start_date, due_date, date_completed, complete, importance, rec_type, rec_interval, rec_dow_mask, "          \
    "rec_day_of_month, rec_instance, rec_month_of_year, rec_start, rec_end, rec_range, rec_occurrences, rec_last, " \
    "span_first, span_last"

#define EXCEPTION_COLUMNS \
    "series, original, deleted, subject, location, start_time, end_time, all_day, reminder_set, reminder_minutes"

// Rows written by another program may hold anything: a pattern the store cannot
// expand is treated as no pattern rather than trusted.
void CheckPattern(ItemRow& row)
{
    if (!row.pattern.Recurs()) return;
    RecurrenceFields copy = row.pattern;
    if (!NormalizePattern(copy).empty()) row.pattern.type = olRecursOnce;
}

// The fields an appointment and a changed occurrence both hold, in the same
// column order in both tables.
template <class Row>
void ReadOccurrenceFields(SQLite::Statement& q, int& c, Row& row)
{
    row.subject = q.getColumn(c++).getString();
    row.location = q.getColumn(c++).getString();
    row.start = q.getColumn(c++).getDouble();
    row.end = q.getColumn(c++).getDouble();
    row.allDay = q.getColumn(c++).getInt() != 0;
    row.reminderSet = q.getColumn(c++).getInt() != 0;
    row.reminderMinutes = q.getColumn(c++).getInt();
}

template <class Row>
void BindOccurrenceFields(SQLite::Statement& q, int& i, const Row& row)
{
    q.bind(i++, row.subject);
    q.bind(i++, row.location);
    q.bind(i++, row.start);
    q.bind(i++, row.end);
    q.bind(i++, int(row.allDay));
    q.bind(i++, int(row.reminderSet));
    q.bind(i++, row.reminderMinutes);
}

ItemRow ReadRow(SQLite::Statement& q)
{
    ItemRow row;
    int c = 0;
    row.oid = CEOID(q.getColumn(c++).getInt64());
    row.kind = q.getColumn(c++).getInt() == 2 ? ItemKind::Task : ItemKind::Appointment;
    ReadOccurrenceFields(q, c, row);
    row.reminderTime = q.getColumn(c++).getDouble();
    row.startDate = q.getColumn(c++).getDouble();
    row.dueDate = q.getColumn(c++).getDouble();
    row.dateCompleted = q.getColumn(c++).getDouble();
    row.complete = q.getColumn(c++).getInt() != 0;
    row.importance = q.getColumn(c++).getInt();
    RecurrenceFields& p = row.pattern;
    p.type = q.getColumn(c++).getInt();
    p.interval = q.getColumn(c++).getInt();
    p.dayOfWeekMask = q.getColumn(c++).getInt();
    p.dayOfMonth = q.getColumn(c++).getInt();
    p.instance = q.getColumn(c++).getInt();
    p.monthOfYear = q.getColumn(c++).getInt();
    p.patternStart = q.getColumn(c++).getDouble();
    p.patternEnd = q.getColumn(c++).getDouble();
    p.range = static_cast<RecurrenceRange>(q.getColumn(c++).getInt());
    p.occurrences = q.getColumn(c++).getInt();
    row.lastStart = q.getColumn(c++).getDouble();
    row.spanFirst = q.getColumn(c++).getDouble();
    row.spanLast = q.getColumn(c++).getDouble();
    row.notesLoaded = false;
    CheckPattern(row);
    return row;
}

// Binds every column but the Oid, from parameter 1 on; returns the next index.
int BindRow(SQLite::Statement& q, const ItemRow& row)
{
    int i = 1;
    q.bind(i++, int(row.kind));
    BindOccurrenceFields(q, i, row);
    q.bind(i++, row.reminderTime);
    q.bind(i++, row.startDate);
    q.bind(i++, row.dueDate);
    q.bind(i++, row.dateCompleted);
    q.bind(i++, int(row.complete));
    q.bind(i++, row.importance);
    const RecurrenceFields& p = row.pattern;
    q.bind(i++, p.type);
    q.bind(i++, p.interval);
    q.bind(i++, p.dayOfWeekMask);
    q.bind(i++, p.dayOfMonth);
    q.bind(i++, p.instance);
    q.bind(i++, p.monthOfYear);
    q.bind(i++, p.patternStart);
    q.bind(i++, p.patternEnd);
    q.bind(i++, int(p.range));
    q.bind(i++, p.occurrences);
    q.bind(i++, row.lastStart);
    q.bind(i++, row.spanFirst);
    q.bind(i++, row.spanLast);
    return i;
}

void BindBytes(SQLite::Statement& q, int index, const Bytes& bytes)
{
    if (bytes.empty())
        q.bind(index);  // NULL: no notes
    else
        q.bind(index, bytes.data(), int(bytes.size()));
}

Bytes ReadBytes(const SQLite::Column& column)
{
    if (column.isNull()) return {};
    const auto* data = static_cast<const uint8_t*>(column.getBlob());
    return Bytes(data, data + column.getBytes());
}

ExceptionRow ReadException(SQLite::Statement& q)
{
    ExceptionRow row;
    int c = 0;
    row.series = CEOID(q.getColumn(c++).getInt64());
    row.original = q.getColumn(c++).getInt64();
    row.deleted = q.getColumn(c++).getInt() != 0;
    ReadOccurrenceFields(q, c, row);
    return row;
}

// Oids stay below 0x40000000 so that neither record mapping gives 0 or -1.
constexpr int64_t kLastOid = 0x3FFFFFFF;

} // namespace

std::optional<ItemRow> ItemTable::Load(CEOID oid)
{
    auto q = m_connection.Prepared("SELECT " ITEM_COLUMNS " FROM items WHERE oid = ?");
    q->bind(1, int64_t(oid));
    if (!q->executeStep()) return std::nullopt;
    return ReadRow(*q);
}

Bytes ItemTable::LoadNotes(CEOID oid)
{
    auto q = m_connection.Prepared("SELECT notes FROM items WHERE oid = ?");
    q->bind(1, int64_t(oid));
    if (!q->executeStep()) return {};
    return ReadBytes(q->getColumn(0));
}

CEOID ItemTable::Insert(const ItemRow& row, const std::string& uid)
{
    auto q = m_connection.Prepared(
        "INSERT INTO items (kind, subject, location, start_time, end_time, all_day, reminder_set, reminder_minutes, "
        "reminder_time, start_date, due_date, date_completed, complete, importance, rec_type, rec_interval, "
        "rec_dow_mask, rec_day_of_month, rec_instance, rec_month_of_year, rec_start, rec_end, rec_range, "
        "rec_occurrences, rec_last, span_first, span_last, notes, uid) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "coalesce(?, " NEW_ITEM_UID_SQL "))");
    const int next = BindRow(*q, row);
    BindBytes(*q, next, row.notes);
    if (uid.empty())
        q->bind(next + 1);
    else
        q->bind(next + 1, uid);
    q->exec();
    const int64_t oid = m_connection.Db().getLastInsertRowid();
    if (oid > kLastOid) throw StoreError("저장소의 항목 번호가 모두 사용되었습니다.");
    return CEOID(oid);
}

void ItemTable::Update(const ItemRow& row)
{
    if (row.notesLoaded) {
        auto q = m_connection.Prepared(
            "UPDATE items SET kind = ?, subject = ?, location = ?, start_time = ?, end_time = ?, all_day = ?, "
            "reminder_set = ?, reminder_minutes = ?, reminder_time = ?, start_date = ?, due_date = ?, "
            "date_completed = ?, complete = ?, importance = ?, rec_type = ?, rec_interval = ?, rec_dow_mask = ?, "
            "rec_day_of_month = ?, rec_instance = ?, rec_month_of_year = ?, rec_start = ?, rec_end = ?, "
            "rec_range = ?, rec_occurrences = ?, rec_last = ?, span_first = ?, span_last = ?, notes = ? "
            "WHERE oid = ?");
        const int next = BindRow(*q, row);
        BindBytes(*q, next, row.notes);
        q->bind(next + 1, int64_t(row.oid));
        q->exec();
    } else {
        auto q = m_connection.Prepared(
            "UPDATE items SET kind = ?, subject = ?, location = ?, start_time = ?, end_time = ?, all_day = ?, "
            "reminder_set = ?, reminder_minutes = ?, reminder_time = ?, start_date = ?, due_date = ?, "
            "date_completed = ?, complete = ?, importance = ?, rec_type = ?, rec_interval = ?, rec_dow_mask = ?, "
            "rec_day_of_month = ?, rec_instance = ?, rec_month_of_year = ?, rec_start = ?, rec_end = ?, "
            "rec_range = ?, rec_occurrences = ?, rec_last = ?, span_first = ?, span_last = ? WHERE oid = ?");
        const int next = BindRow(*q, row);
        q->bind(next, int64_t(row.oid));
        q->exec();
    }
}

bool ItemTable::Delete(CEOID oid)
{
    auto q = m_connection.Prepared("DELETE FROM items WHERE oid = ?");
    q->bind(1, int64_t(oid));
    return q->exec() > 0;
}

bool ItemTable::Exists(CEOID oid, ItemKind kind)
{
    auto q = m_connection.Prepared("SELECT 1 FROM items WHERE oid = ? AND kind = ?");
    q->bind(1, int64_t(oid));
    q->bind(2, int(kind));
    return q->executeStep();
}

std::vector<ExceptionRow> ItemTable::LoadExceptions(CEOID series)
{
    std::vector<ExceptionRow> rows;
    auto q = m_connection.Prepared("SELECT " EXCEPTION_COLUMNS " FROM exceptions WHERE series = ? ORDER BY original");
    q->bind(1, int64_t(series));
    while (q->executeStep()) rows.push_back(ReadException(*q));
    return rows;
}

std::optional<Bytes> ItemTable::LoadExceptionNotes(CEOID series, int64_t original)
{
    auto q = m_connection.Prepared("SELECT notes FROM exceptions WHERE series = ? AND original = ?");
    q->bind(1, int64_t(series));
    q->bind(2, original);
    if (!q->executeStep() || q->getColumn(0).isNull()) return std::nullopt;
    return ReadBytes(q->getColumn(0));
}

void ItemTable::SaveException(const ExceptionRow& row)
{
    auto q = m_connection.Prepared(
        "INSERT OR REPLACE INTO exceptions (" EXCEPTION_COLUMNS ", notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int i = 1;
    q->bind(i++, int64_t(row.series));
    q->bind(i++, row.original);
    q->bind(i++, int(row.deleted));
    BindOccurrenceFields(*q, i, row);
    if (row.notes)
        q->bind(i, row.notes->data(), int(row.notes->size()));
    else
        q->bind(i);
    q->exec();
}

void ItemTable::DeleteExceptions(CEOID series)
{
    auto q = m_connection.Prepared("DELETE FROM exceptions WHERE series = ?");
    q->bind(1, int64_t(series));
    q->exec();
}

void ItemTable::AppointmentsMeeting(double low, double high, std::vector<ItemRow>& rows,
                                    std::vector<ExceptionRow>& exceptions)
{
    // The span index holds 32-bit floats rounded outwards, so it may offer a
    // few rows too many but never misses one; callers test the exact dates.
    low = std::max(low, -1e30);
    high = std::min(high, 1e30);
    {
        auto q = m_connection.Prepared("SELECT " ITEM_COLUMNS " FROM items WHERE oid IN "
                                       "(SELECT oid FROM appointment_spans WHERE first <= ? AND last >= ?)");
        q->bind(1, high);
        q->bind(2, low);
        while (q->executeStep()) rows.push_back(ReadRow(*q));
    }
    if (std::none_of(rows.begin(), rows.end(), [](const ItemRow& r) { return r.pattern.Recurs(); })) return;
    auto q = m_connection.Prepared("SELECT " EXCEPTION_COLUMNS " FROM exceptions WHERE series IN "
                                   "(SELECT oid FROM appointment_spans WHERE first <= ? AND last >= ?)");
    q->bind(1, high);
    q->bind(2, low);
    while (q->executeStep()) exceptions.push_back(ReadException(*q));
}

std::vector<ItemRow> ItemTable::AllOfKind(ItemKind kind)
{
    std::vector<ItemRow> rows;
    auto q = m_connection.Prepared("SELECT " ITEM_COLUMNS " FROM items WHERE kind = ? ORDER BY oid");
    q->bind(1, int(kind));
    while (q->executeStep()) rows.push_back(ReadRow(*q));
    return rows;
}

std::optional<CEPROPID> ItemTable::NamedProperty(const std::string& name, uint16_t type, bool create)
{
    {
        auto q = m_connection.Prepared("SELECT id, type FROM named_props WHERE name = ?");
        q->bind(1, name);
        if (q->executeStep()) {
            const int64_t id = q->getColumn(0).getInt64();
            if (q->getColumn(1).getInt() != type || id < 0 || id >= 0x8000) return std::nullopt;
            return PropTag(uint16_t(kFirstNamedProperty + id), type);
        }
    }
    if (!create || name.empty()) return std::nullopt;
    WriteTransaction transaction(m_connection);
    auto q = m_connection.Prepared(
        "INSERT OR IGNORE INTO named_props (id, name, type) "
        "SELECT coalesce(max(id) + 1, 0), ?, ? FROM named_props HAVING coalesce(max(id) + 1, 0) < 32768");
    q->bind(1, name);
    q->bind(2, int(type));
    q->exec();
    transaction.Commit();
    return NamedProperty(name, type, false);
}

std::optional<uint16_t> ItemTable::NamedPropertyType(uint16_t number)
{
    if (number < kFirstNamedProperty) return std::nullopt;
    auto q = m_connection.Prepared("SELECT type FROM named_props WHERE id = ?");
    q->bind(1, int(number - kFirstNamedProperty));
    if (!q->executeStep()) return std::nullopt;
    return uint16_t(q->getColumn(0).getInt());
}

PropValue ItemTable::GetProperty(CEOID oid, CEPROPID id)
{
    auto q = m_connection.Prepared("SELECT value FROM item_props WHERE oid = ? AND prop = ?");
    q->bind(1, int64_t(oid));
    q->bind(2, int64_t(id));
    if (!q->executeStep()) return {};
    const SQLite::Column value = q->getColumn(0);
    if (value.isInteger()) return value.getInt64();
    if (value.isFloat()) return value.getDouble();
    if (value.isText()) return value.getString();
    if (value.isBlob()) return ReadBytes(value);
    return {};
}

void ItemTable::SetProperty(CEOID oid, CEPROPID id, const PropValue& value)
{
    if (std::holds_alternative<std::monostate>(value)) {
        auto q = m_connection.Prepared("DELETE FROM item_props WHERE oid = ? AND prop = ?");
        q->bind(1, int64_t(oid));
        q->bind(2, int64_t(id));
        q->exec();
        return;
    }
    auto q = m_connection.Prepared("INSERT OR REPLACE INTO item_props (oid, prop, value) VALUES (?, ?, ?)");
    q->bind(1, int64_t(oid));
    q->bind(2, int64_t(id));
    if (const auto* number = std::get_if<int64_t>(&value)) q->bind(3, *number);
    else if (const auto* real = std::get_if<double>(&value)) q->bind(3, *real);
    else if (const auto* text = std::get_if<std::string>(&value)) q->bind(3, *text);
    else if (const auto* bytes = std::get_if<Bytes>(&value)) q->bind(3, bytes->data(), int(bytes->size()));
    q->exec();
}

void ItemTable::CopyProperties(CEOID from, CEOID to)
{
    auto q = m_connection.Prepared(
        "INSERT OR REPLACE INTO item_props (oid, prop, value) SELECT ?, prop, value FROM item_props WHERE oid = ?");
    q->bind(1, int64_t(to));
    q->bind(2, int64_t(from));
    q->exec();
}
