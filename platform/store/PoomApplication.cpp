#include "platform/store/PoomApplication.h"

#include "platform/store/ItemIdentity.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomSession.h"
#include "platform/store/StoreConnection.h"
#include "platform/store/StoreSchema.h"
#include "platform/time/DeviceZone.h"

// A batch may change more pages than the connection's cache holds; spilled
// pages would be written to the log, read back and written again.
constexpr char kBatchCache[] = "PRAGMA cache_size = -131072";
constexpr char kUsualCache[] = "PRAGMA cache_size = -8192";

StoreBatch::StoreBatch(std::shared_ptr<StoreConnection> connection, Kind kind)
    : m_connection(std::move(connection)), m_transaction(std::make_unique<WriteTransaction>(*m_connection)),
      m_kind(kind)
{
    m_connection->Db().tryExec(kBatchCache);
    if (m_kind == Bulk) StartBulkLoad(m_connection->Db());
}

StoreBatch::~StoreBatch()
{
    m_transaction.reset();
    m_connection->Db().tryExec(kUsualCache);
}

bool StoreBatch::Commit(std::string* error)
{
    std::string ignored;
    return GuardStore(error ? *error : ignored, [&] {
        if (!m_transaction) return false;
        if (m_kind == Bulk) FinishBulkLoad(m_connection->Db());
        m_transaction->Commit();
        return true;
    });
}

PoomApplication::PoomApplication() : m_session(std::make_shared<PoomSession>()) {}

PoomApplication::~PoomApplication() { Logoff(); }

bool PoomApplication::Logon(const std::filesystem::path& storeFile)
{
    Logoff();
    return GuardStore(m_error, [&] {
        // Items of an earlier log-on keep their own (closed) session.
        auto session = std::make_shared<PoomSession>();
        session->display = m_session->display;
        session->connection = std::make_shared<StoreConnection>(storeFile, true);
        session->table = std::make_unique<ItemTable>(*session->connection);
        m_session = std::move(session);
        return true;
    });
}

void PoomApplication::Logoff()
{
    if (!m_session) return;
    m_session->table.reset();
    m_session->connection.reset();
    m_session->namedProperties.clear();
    m_session->namedPropertyTypes.clear();
}

bool PoomApplication::LoggedOn() const { return m_session && m_session->Open(); }

std::unique_ptr<PoomFolder> PoomApplication::GetDefaultFolder(int folder)
{
    if (!LoggedOn()) {
        m_error = "저장소에 로그온되어 있지 않습니다.";
        return nullptr;
    }
    if (folder != olFolderCalendar && folder != olFolderTasks) {
        m_error = "지원하지 않는 폴더입니다: " + std::to_string(folder);
        return nullptr;
    }
    return std::make_unique<PoomFolder>(m_session, folder);
}

std::unique_ptr<PoomItem> PoomApplication::CreateItem(int itemType)
{
    if (!LoggedOn()) {
        m_error = "저장소에 로그온되어 있지 않습니다.";
        return nullptr;
    }
    ItemRow row;
    row.zone = DeviceZoneName();
    if (itemType == olAppointmentItem) {
        // Today at midnight for an hour; callers set the dates they want.
        row.kind = ItemKind::Appointment;
        row.start = OleToday();
        row.end = OleFromSeconds(OleToSeconds(row.start) + 3600);
        return std::make_unique<PoomAppointment>(m_session, std::move(row));
    }
    if (itemType == olTaskItem) {
        row.kind = ItemKind::Task;
        return std::make_unique<PoomTask>(m_session, std::move(row));
    }
    m_error = "지원하지 않는 항목 종류입니다: " + std::to_string(itemType);
    return nullptr;
}

std::unique_ptr<PoomItem> PoomApplication::GetItemFromOid(CEOID oid)
{
    if (!LoggedOn()) {
        m_error = "저장소에 로그온되어 있지 않습니다.";
        return nullptr;
    }
    std::unique_ptr<PoomItem> item;
    GuardStore(m_error, [&] {
        auto row = m_session->table->Load(oid);
        if (!row) {
            m_error = "항목이 없습니다: " + std::to_string(oid);
            return false;
        }
        if (row->kind == ItemKind::Task)
            item = std::make_unique<PoomTask>(m_session, std::move(*row));
        else
            item = std::make_unique<PoomAppointment>(m_session, std::move(*row));
        return true;
    });
    return item;
}

bool PoomApplication::GetIDsFromNames(const std::vector<std::string>& names, uint32_t flags,
                                      std::vector<CEPROPID>& ids)
{
    ids.assign(names.size(), 0);
    if (!LoggedOn()) {
        m_error = "저장소에 로그온되어 있지 않습니다.";
        return false;
    }
    const auto type = uint16_t(flags & 0xFFFF);
    const bool create = (flags & PIM_CREATE) != 0;
    return GuardStore(m_error, [&] {
        bool all = true;
        for (size_t i = 0; i < names.size(); ++i) {
            const auto key = std::make_pair(names[i], type);
            auto cached = m_session->namedProperties.find(key);
            if (cached != m_session->namedProperties.end()) {
                ids[i] = cached->second;
                continue;
            }
            const auto id = m_session->table->NamedProperty(names[i], type, create);
            if (!id) {
                all = false;
                continue;
            }
            ids[i] = *id;
            m_session->namedProperties[key] = *id;
        }
        if (!all) m_error = "이름 있는 속성을 찾을 수 없습니다.";
        return all;
    });
}

std::unique_ptr<StoreBatch> PoomApplication::BeginBatch(StoreBatch::Kind kind)
{
    if (!LoggedOn()) {
        m_error = "저장소에 로그온되어 있지 않습니다.";
        return nullptr;
    }
    std::unique_ptr<StoreBatch> batch;
    GuardStore(m_error, [&] {
        batch = std::make_unique<StoreBatch>(m_session->connection, kind);
        return true;
    });
    return batch;
}

std::shared_ptr<StoreConnection> PoomApplication::Connection() const
{
    return LoggedOn() ? m_session->connection : nullptr;
}

void PoomApplication::SetDisplayHandler(std::function<bool(PoomItem&)> display)
{
    m_session->display = std::move(display);
}

std::string PoomApplication::ItemUid(CEOID oid)
{
    std::string uid;
    if (LoggedOn()) GuardStore(m_error, [&] {
        uid = ItemIdentity(*m_session->connection).Uid(oid);
        return true;
    });
    return uid;
}

std::optional<CEOID> PoomApplication::FindItemByUid(std::string_view uid)
{
    std::optional<CEOID> oid;
    if (LoggedOn()) GuardStore(m_error, [&] {
        oid = ItemIdentity(*m_session->connection).FindByUid(uid);
        return true;
    });
    return oid;
}

std::optional<std::string> PoomApplication::ItemSource(CEOID oid)
{
    std::optional<std::string> source;
    if (LoggedOn()) GuardStore(m_error, [&] {
        source = ItemIdentity(*m_session->connection).Source(oid);
        return true;
    });
    return source;
}

bool PoomApplication::SetItemSources(const std::vector<std::pair<CEOID, std::string>>& sources)
{
    if (!LoggedOn()) {
        m_error = "저장소에 로그온되어 있지 않습니다.";
        return false;
    }
    return GuardStore(m_error, [&] {
        WriteTransaction transaction(*m_session->connection);
        ItemIdentity identity(*m_session->connection);
        for (const auto& [oid, ical] : sources) identity.SetSource(oid, ical);
        transaction.Commit();
        return true;
    });
}

bool PoomApplication::SetItemUid(CEOID oid, std::string_view uid)
{
    if (!LoggedOn()) {
        m_error = "저장소에 로그온되어 있지 않습니다.";
        return false;
    }
    return GuardStore(m_error, [&] {
        WriteTransaction transaction(*m_session->connection);
        if (!ItemIdentity(*m_session->connection).SetUid(oid, uid)) {
            m_error = "다른 항목이 이미 이 UID를 씁니다.";
            return false;
        }
        transaction.Commit();
        return true;
    });
}
