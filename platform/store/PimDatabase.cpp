#include "platform/store/PimDatabase.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/store/ChangeWatcher.h"
#include "platform/store/DatabaseRecords.h"
#include "platform/store/ItemTable.h"
#include "platform/store/OleTime.h"
#include "platform/store/PropBuffer.h"
#include "platform/store/StoreConnection.h"

// What the volume and the databases opened on it share; lives until the last
// of them is closed.
struct VolumeState {
    std::filesystem::path file;
    std::unique_ptr<StoreConnection> connection;
    std::unique_ptr<ItemTable> table;
    std::mutex watcherMutex;
    std::unique_ptr<ChangeWatcher> watcher;  // started by the first notification request

    ChangeWatcher& Watcher()
    {
        std::lock_guard lock(watcherMutex);
        if (!watcher) watcher = std::make_unique<ChangeWatcher>(file);
        return *watcher;
    }
};

class PimVolume {
public:
    std::shared_ptr<VolumeState> state;
};

class PimDatabase {
public:
    PimDatabase(std::shared_ptr<VolumeState> volume, ItemKind kind, uint32_t flags)
        : m_volume(std::move(volume)), m_kind(kind), m_flags(flags), m_records(*m_volume->connection, kind)
    {
    }

    ~PimDatabase()
    {
        if (m_subscription) m_volume->Watcher().Unsubscribe(m_subscription);
    }

    void Subscribe(const CENOTIFYREQUEST& request, CEGUID guid)
    {
        m_subscription = m_volume->Watcher().Subscribe(m_kind, request, guid, m_records.NewestChange());
    }

    CEOID Seek(uint32_t type, uint32_t value);
    CEOID Read(uint32_t flags, uint16_t* count, const CEPROPID* ids, uint8_t** buffer, uint32_t* size);
    CEOID Write(CEOID record, uint16_t count, const CEPROPVAL* values);

    const std::string& Error() const { return m_error; }

private:
    CEOID RecordId(CEOID oid) const { return m_kind == ItemKind::Task ? TaskRecordId(oid) : AppointmentRecordId(oid); }
    CEOID OidOf(CEOID record) const
    {
        return m_kind == ItemKind::Task ? OidFromTaskRecord(record) : OidFromAppointmentRecord(record);
    }
    CEOID Fail(const std::string& error)
    {
        m_error = error;
        return 0;
    }

    std::shared_ptr<VolumeState> m_volume;
    ItemKind m_kind;
    uint32_t m_flags;
    uint64_t m_subscription = 0;
    RecordCursor m_records;
    std::string m_error;
};

CEOID PimDatabase::Seek(uint32_t type, uint32_t value)
{
    std::optional<CEOID> oid;
    try {
        switch (type) {
        case CEDB_SEEK_BEGINNING: oid = m_records.SeekFirst(); break;
        case CEDB_SEEK_END: oid = m_records.SeekLast(int32_t(value)); break;
        case CEDB_SEEK_CURRENT: oid = m_records.SeekRelative(int32_t(value)); break;
        case CEDB_SEEK_CEOID: oid = m_records.SeekTo(OidOf(value)); break;
        default: return Fail("지원하지 않는 찾기 방법입니다.");
        }
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    if (!oid) return Fail("레코드가 없습니다.");
    return RecordId(*oid);
}

CEOID PimDatabase::Read(uint32_t flags, uint16_t* count, const CEPROPID* ids, uint8_t** buffer, uint32_t* size)
{
    if (!count || !buffer || !size) return Fail("잘못된 인수입니다.");
    try {
        const RecordRow* row = m_records.Current();
        if (!row) return Fail("데이터베이스의 끝입니다.");
        std::vector<CEPROPID> wanted;
        if (ids && *count)
            wanted.assign(ids, ids + *count);
        else
            wanted = AllRecordProperties(m_kind);
        std::vector<PropEntry> entries;
        entries.reserve(wanted.size());
        for (CEPROPID id : wanted) entries.push_back({id, RecordProperty(*row, m_kind, id, *m_volume->table)});
        if (!FillPropBuffer(entries, buffer, size, (flags & CEDB_ALLOWREALLOC) != 0))
            return Fail("버퍼가 부족합니다.");
        *count = uint16_t(entries.size());
        const CEOID oid = row->oid;
        if (m_flags & CEDB_AUTOINCREMENT) m_records.MovePast(oid);
        return RecordId(oid);
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}

CEOID PimDatabase::Write(CEOID record, uint16_t count, const CEPROPVAL* values)
{
    if (count && !values) return Fail("잘못된 인수입니다.");
    const CEOID oid = OidOf(record);
    try {
        WriteTransaction transaction(*m_volume->connection);
        if (!m_volume->table->Exists(oid, m_kind)) return Fail("레코드가 없습니다.");
        for (uint16_t i = 0; i < count; ++i) {
            const std::string problem = WriteRecordProperty(*m_volume->connection, m_kind, oid, values[i]);
            if (!problem.empty()) return Fail(problem);
        }
        transaction.Commit();
        m_records.Forget();
        return record;
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}

bool CeMountDBVolEx(CEGUID* volume, const std::filesystem::path& file, uint32_t disposition, std::string* error)
{
    if (!volume) return false;
    volume->volume = nullptr;
    if (disposition != OPEN_EXISTING && disposition != OPEN_ALWAYS) {
        if (error) *error = "지원하지 않는 열기 방법입니다.";
        return false;
    }
    try {
        auto state = std::make_shared<VolumeState>();
        state->file = file;
        state->connection = std::make_unique<StoreConnection>(file, disposition == OPEN_ALWAYS);
        state->table = std::make_unique<ItemTable>(*state->connection);
        auto mounted = std::make_unique<PimVolume>();
        mounted->state = std::move(state);
        volume->volume = mounted.release();
        return true;
    } catch (const std::exception& e) {
        if (error) *error = e.what();
        return false;
    }
}

bool CeUnmountDBVol(CEGUID* volume)
{
    if (!volume || !volume->volume) return false;
    delete volume->volume;
    volume->volume = nullptr;
    return true;
}

CEDBHANDLE CeOpenDatabaseInSession(CEGUID* volume, const std::string& name, uint32_t flags,
                                   CENOTIFYREQUEST* request, std::string* error)
{
    auto fail = [&](const std::string& what) {
        if (error) *error = what;
        return kInvalidDbHandle;
    };
    if (!volume || !volume->volume) return fail("볼륨이 마운트되어 있지 않습니다.");
    ItemKind kind;
    if (name == kAppointmentsDatabase)
        kind = ItemKind::Appointment;
    else if (name == kTasksDatabase)
        kind = ItemKind::Task;
    else
        return fail("데이터베이스가 없습니다: " + name);
    try {
        auto db = std::make_unique<PimDatabase>(volume->volume->state, kind, flags);
        if (request && request->hwnd) db->Subscribe(*request, *volume);
        return db.release();
    } catch (const std::exception& e) {
        return fail(e.what());
    }
}

bool CeCloseDatabase(CEDBHANDLE db)
{
    if (!db) return false;
    delete db;
    return true;
}

CEOID CeSeekDatabaseEx(CEDBHANDLE db, uint32_t seekType, uint32_t value, uint32_t* index)
{
    if (index) *index = 0;
    return db ? db->Seek(seekType, value) : 0;
}

CEOID CeReadRecordPropsEx(CEDBHANDLE db, uint32_t flags, uint16_t* propCount, const CEPROPID* propIds,
                          uint8_t** buffer, uint32_t* bufferSize)
{
    return db ? db->Read(flags, propCount, propIds, buffer, bufferSize) : 0;
}

CEOID CeWriteRecordProps(CEDBHANDLE db, CEOID record, uint16_t count, const CEPROPVAL* values)
{
    return db ? db->Write(record, count, values) : 0;
}

void CeFreeNotification(CENOTIFYREQUEST* /*request*/, CENOTIFICATION* notification)
{
    delete notification;
}

std::string CeDatabaseError(CEDBHANDLE db)
{
    return db ? db->Error() : std::string("잘못된 데이터베이스 핸들입니다.");
}
