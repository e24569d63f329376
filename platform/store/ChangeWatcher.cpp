#include "platform/store/ChangeWatcher.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <chrono>

#include "platform/store/StoreConnection.h"

namespace {

// Entries read in one go; a longer backlog is read in several.
constexpr int kBatch = 5000;

} // namespace

ChangeWatcher::ChangeWatcher(const std::filesystem::path& file) : m_file(file)
{
    m_thread = std::thread([this] { Run(); });
}

ChangeWatcher::~ChangeWatcher()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

uint64_t ChangeWatcher::Subscribe(ItemKind kind, const CENOTIFYREQUEST& request, CEGUID volume, int64_t since)
{
    std::lock_guard lock(m_mutex);
    const uint64_t id = m_nextId++;
    m_subscriptions.push_back({id, kind, request, volume, since});
    m_wake.notify_all();
    return id;
}

void ChangeWatcher::Unsubscribe(uint64_t id)
{
    std::lock_guard lock(m_mutex);
    std::erase_if(m_subscriptions, [id](const Subscription& s) { return s.id == id; });
}

void ChangeWatcher::Run()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        const bool anyone = !m_subscriptions.empty();
        if (!anyone) m_cursor = -1;  // the next subscriber starts afresh
        lock.unlock();
        bool more = false;
        if (anyone) {
            try {
                if (!m_connection) m_connection = std::make_unique<StoreConnection>(m_file, false);
                more = Poll();
            } catch (const std::exception&) {
                // A busy or vanished file: look again at the next tick.
                m_connection.reset();
            }
        }
        lock.lock();
        if (!more) m_wake.wait_for(lock, std::chrono::milliseconds(kPollMilliseconds), [this] { return m_stop; });
    }
}

// Reads the journal past the cursor; true when there is more to read at once.
bool ChangeWatcher::Poll()
{
    // The journal's ends are two index look-ups: cheap enough for every tick,
    // and unlike a change counter they name every change.
    int64_t oldest = 0, newest = 0;
    {
        auto bounds = m_connection->Prepared(
            "SELECT coalesce((SELECT min(id) FROM journal), 0), coalesce((SELECT max(id) FROM journal), 0)");
        bounds->executeStep();
        oldest = bounds->getColumn(0).getInt64();
        newest = bounds->getColumn(1).getInt64();
    }
    if (newest == m_cursor) return false;
    if (m_cursor < 0) {
        // Started: what was there before anyone subscribed is old news.
        std::lock_guard lock(m_mutex);
        m_cursor = newest;
        for (const Subscription& s : m_subscriptions) m_cursor = std::min(m_cursor, s.since);
    }
    if (oldest > m_cursor + 1 && newest > m_cursor) {
        // The journal was pruned past us: say that something changed.
        DeliverGap(oldest);
        m_cursor = oldest - 1;
    }

    std::vector<Change> changes;
    {
        auto query = m_connection->Prepared("SELECT id, kind, oid, event FROM journal WHERE id > ? ORDER BY id LIMIT ?");
        query->bind(1, m_cursor);
        query->bind(2, kBatch);
        while (query->executeStep()) {
            changes.push_back({query->getColumn(0).getInt64(),
                               query->getColumn(1).getInt() == 2 ? ItemKind::Task : ItemKind::Appointment,
                               CEOID(query->getColumn(2).getInt64()), uint32_t(query->getColumn(3).getInt())});
        }
    }
    for (const Change& change : changes) {
        Deliver(change);
        m_cursor = change.id;
    }
    return changes.size() == size_t(kBatch);
}

void ChangeWatcher::Deliver(const Change& change)
{
    const CEOID record = change.kind == ItemKind::Task ? TaskRecordId(change.oid) : AppointmentRecordId(change.oid);
    // Under the lock, so that no notification reaches a window after its
    // request was closed.
    std::lock_guard lock(m_mutex);
    for (const Subscription& s : m_subscriptions) {
        if (s.kind != change.kind || change.id <= s.since || !s.request.hwnd) continue;
        auto* notification = new CENOTIFICATION;
        notification->dwParam = s.request.dwParam;
        notification->uType = change.event;
        notification->guid = s.volume;
        notification->oid = record;
        s.request.hwnd->Post(kDbNotificationMessage, notification);
    }
}

void ChangeWatcher::DeliverGap(int64_t oldest)
{
    std::lock_guard lock(m_mutex);
    for (const Subscription& s : m_subscriptions) {
        if (!s.request.hwnd || s.since >= oldest - 1) continue;
        auto* notification = new CENOTIFICATION;
        notification->dwParam = s.request.dwParam;
        notification->uType = DB_CEOID_CHANGED;
        notification->guid = s.volume;
        s.request.hwnd->Post(kDbNotificationMessage, notification);
    }
}
