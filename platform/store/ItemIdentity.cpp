#include "platform/store/ItemIdentity.h"

#include "platform/store/StoreConnection.h"

std::string ItemIdentity::Uid(CEOID oid)
{
    auto q = m_connection.Prepared("SELECT uid FROM items WHERE oid = ?");
    q->bind(1, int64_t(oid));
    if (!q->executeStep() || q->getColumn(0).isNull()) return {};
    return q->getColumn(0).getString();
}

std::optional<CEOID> ItemIdentity::FindByUid(std::string_view uid)
{
    if (uid.empty()) return std::nullopt;
    auto q = m_connection.Prepared("SELECT oid FROM items WHERE uid = ?");
    q->bind(1, std::string(uid));
    if (!q->executeStep()) return std::nullopt;
    return CEOID(q->getColumn(0).getInt64());
}

bool ItemIdentity::SetUid(CEOID oid, std::string_view uid)
{
    if (uid.empty()) return false;
    if (const auto holder = FindByUid(uid)) return *holder == oid;
    auto q = m_connection.Prepared("UPDATE items SET uid = ? WHERE oid = ?");
    q->bind(1, std::string(uid));
    q->bind(2, int64_t(oid));
    return q->exec() > 0;
}

std::optional<std::string> ItemIdentity::Source(CEOID oid)
{
    auto q = m_connection.Prepared("SELECT ical FROM item_sources WHERE oid = ?");
    q->bind(1, int64_t(oid));
    if (!q->executeStep()) return std::nullopt;
    return q->getColumn(0).getString();
}

void ItemIdentity::SetSource(CEOID oid, std::string_view ical)
{
    if (ical.empty()) {
        auto q = m_connection.Prepared("DELETE FROM item_sources WHERE oid = ?");
        q->bind(1, int64_t(oid));
        q->exec();
        return;
    }
    auto q = m_connection.Prepared("INSERT OR REPLACE INTO item_sources (oid, ical) VALUES (?, ?)");
    q->bind(1, int64_t(oid));
    q->bind(2, std::string(ical));
    q->exec();
}
