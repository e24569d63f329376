// Follows the store's change journal on a thread of its own and hands every
// change to the notification requests that asked for its database.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/store/PimDatabase.h"

class StoreConnection;

class ChangeWatcher {
public:
    explicit ChangeWatcher(const std::filesystem::path& file);
    ~ChangeWatcher();
    ChangeWatcher(const ChangeWatcher&) = delete;
    ChangeWatcher& operator=(const ChangeWatcher&) = delete;

    // Announces changes of `kind` after journal entry `since` to `request`'s
    // window. Returns the subscription's number.
    uint64_t Subscribe(ItemKind kind, const CENOTIFYREQUEST& request, CEGUID volume, int64_t since);
    // After it returns, the subscription's window receives nothing more.
    void Unsubscribe(uint64_t id);

    // How often the journal is looked at.
    static constexpr int kPollMilliseconds = 100;

private:
    struct Subscription {
        uint64_t id;
        ItemKind kind;
        CENOTIFYREQUEST request;
        CEGUID volume;
        int64_t since;
    };
    struct Change {
        int64_t id;
        ItemKind kind;
        CEOID oid;
        uint32_t event;
    };

    void Run();
    bool Poll();
    void Deliver(const Change& change);
    void DeliverGap(int64_t oldest);

    std::filesystem::path m_file;
    std::unique_ptr<StoreConnection> m_connection;  // the watcher thread's own
    int64_t m_cursor = -1;  // the last journal entry handled

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    uint64_t m_nextId = 1;
    std::vector<Subscription> m_subscriptions;
    std::thread m_thread;
};
