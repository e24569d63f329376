#include "platform/store/SyncState.h"

#include "platform/store/StoreConnection.h"

namespace {

constexpr const char* kItemColumns =
    "SELECT i.oid, i.kind, coalesce(s.changes, 1), coalesce(s.synced, -1), s.pushing,"
    " coalesce(s.collection, ''), coalesce(s.href, ''), coalesce(s.etag, ''), coalesce(s.uid, '')"
    " FROM items i LEFT JOIN sync_items s ON s.oid = i.oid ";

SyncItemState ReadItem(SQLite::Statement& q)
{
    SyncItemState item;
    item.oid = static_cast<CEOID>(q.getColumn(0).getInt64());
    item.kind = q.getColumn(1).getInt();
    item.changes = q.getColumn(2).getInt64();
    item.synced = q.getColumn(3).getInt64();
    if (!q.getColumn(4).isNull()) item.pushing = q.getColumn(4).getInt64();
    item.collection = q.getColumn(5).getString();
    item.href = q.getColumn(6).getString();
    item.etag = q.getColumn(7).getString();
    item.uid = q.getColumn(8).getString();
    return item;
}

} // namespace

std::vector<SyncItemState> SyncState::Items(int kind)
{
    static const std::string sql = std::string(kItemColumns) + "WHERE i.kind = ? ORDER BY i.oid";
    return ItemsOfKind(sql, kind);
}

std::vector<SyncItemState> SyncState::ToPush(int kind)
{
    // The same tests as ChangedLocally() and KnownToServer() on the columns as read.
    static const std::string sql =
        std::string(kItemColumns) +
        "WHERE i.kind = ? AND (coalesce(s.changes, 1) <> coalesce(s.synced, -1) OR coalesce(s.href, '') = '')"
        " ORDER BY i.oid";
    return ItemsOfKind(sql, kind);
}

std::vector<SyncItemState> SyncState::ItemsOfKind(const std::string& sql, int kind)
{
    auto q = m_connection.Prepared(sql.c_str());
    q->bind(1, kind);
    std::vector<SyncItemState> items;
    while (q->executeStep()) items.push_back(ReadItem(*q));
    return items;
}

std::optional<SyncItemState> SyncState::Item(CEOID oid)
{
    static const std::string sql = std::string(kItemColumns) + "WHERE i.oid = ?";
    auto q = m_connection.Prepared(sql.c_str());
    q->bind(1, static_cast<int64_t>(oid));
    if (!q->executeStep()) return std::nullopt;
    return ReadItem(*q);
}

std::optional<SyncItemState> SyncState::ItemAtHref(const std::string& href)
{
    static const std::string sql = std::string(kItemColumns) + "WHERE s.href = ?";
    auto q = m_connection.Prepared(sql.c_str());
    q->bind(1, href);
    if (!q->executeStep()) return std::nullopt;
    return ReadItem(*q);
}

void SyncState::NotePushing(CEOID oid, const std::string& collection, const std::string& href,
                            const std::string& uid, int64_t changes)
{
    auto q = m_connection.Prepared(
        "INSERT INTO sync_items(oid, changes, pushing, collection, href, uid) VALUES (?1, ?5, ?5, ?2, ?3, ?4)"
        " ON CONFLICT(oid) DO UPDATE SET pushing = ?5, collection = ?2, href = ?3, uid = ?4");
    q->bind(1, static_cast<int64_t>(oid));
    q->bind(2, collection);
    q->bind(3, href);
    q->bind(4, uid);
    q->bind(5, changes);
    q->exec();
}

void SyncState::NotePushed(CEOID oid, int64_t pushedChanges, const std::string& etag)
{
    auto q = m_connection.Prepared("UPDATE sync_items SET synced = ?2, pushing = NULL, etag = ?3 WHERE oid = ?1");
    q->bind(1, static_cast<int64_t>(oid));
    q->bind(2, pushedChanges);
    q->bind(3, etag);
    q->exec();
}

void SyncState::NoteInStep(CEOID oid, const std::string& collection, const std::string& href,
                           const std::string& uid, const std::string& etag)
{
    auto q = m_connection.Prepared(
        "INSERT INTO sync_items(oid, changes, synced, collection, href, etag, uid) VALUES (?1, 0, 0, ?2, ?3, ?4, ?5)"
        " ON CONFLICT(oid) DO UPDATE SET synced = changes, pushing = NULL, collection = ?2, href = ?3,"
        " etag = ?4, uid = ?5");
    q->bind(1, static_cast<int64_t>(oid));
    q->bind(2, collection);
    q->bind(3, href);
    q->bind(4, etag);
    q->bind(5, uid);
    q->exec();
}

void SyncState::NotePushFailed(CEOID oid)
{
    auto q = m_connection.Prepared("UPDATE sync_items SET pushing = NULL WHERE oid = ?");
    q->bind(1, static_cast<int64_t>(oid));
    q->exec();
}

void SyncState::ForgetServerCopy(CEOID oid)
{
    auto q = m_connection.Prepared("UPDATE sync_items SET href = NULL, etag = NULL, pushing = NULL WHERE oid = ?");
    q->bind(1, static_cast<int64_t>(oid));
    q->exec();
}

std::vector<SyncDeletion> SyncState::Deletions(const std::string& collection)
{
    auto q = m_connection.Prepared(
        "SELECT id, uid, collection, href, coalesce(etag, '') FROM sync_deletions WHERE collection = ? ORDER BY id");
    q->bind(1, collection);
    std::vector<SyncDeletion> deletions;
    while (q->executeStep()) {
        deletions.push_back({q->getColumn(0).getInt64(), q->getColumn(1).getString(), q->getColumn(2).getString(),
                             q->getColumn(3).getString(), q->getColumn(4).getString()});
    }
    return deletions;
}

void SyncState::DeletionDone(int64_t id)
{
    auto q = m_connection.Prepared("DELETE FROM sync_deletions WHERE id = ?");
    q->bind(1, id);
    q->exec();
}

std::string SyncState::Token(const std::string& collection)
{
    auto q = m_connection.Prepared("SELECT coalesce(token, '') FROM sync_collections WHERE url = ?");
    q->bind(1, collection);
    return q->executeStep() ? q->getColumn(0).getString() : std::string();
}

void SyncState::SetToken(const std::string& collection, const std::string& token)
{
    auto q = m_connection.Prepared(
        "INSERT INTO sync_collections(url, token) VALUES (?1, ?2) ON CONFLICT(url) DO UPDATE SET token = ?2");
    q->bind(1, collection);
    q->bind(2, token);
    q->exec();
}
