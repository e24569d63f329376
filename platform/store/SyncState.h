// The sync bookkeeping kept beside the items: per item the change counter,
// the value the server holds, its href and ETag; the deletions still to be
// told to the server; per collection the sync token. The triggers of the
// store keep the counters; these functions only read and record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/store/PimTypes.h"

class StoreConnection;

struct SyncItemState {
    CEOID oid = 0;
    int kind = 0;            // 1 appointment, 2 task
    int64_t changes = 0;     // bumped by every local write
    int64_t synced = -1;     // the value the server holds; -1 never pushed or pulled
    std::optional<int64_t> pushing;  // a PUT of this value not yet confirmed
    std::string collection;  // empty when the server has never seen it
    std::string href;
    std::string etag;
    std::string uid;

    bool KnownToServer() const { return !href.empty(); }
    bool ChangedLocally() const { return changes != synced; }
};

struct SyncDeletion {
    int64_t id = 0;
    std::string uid;
    std::string collection;
    std::string href;
    std::string etag;
};

class SyncState {
public:
    explicit SyncState(StoreConnection& connection) : m_connection(connection) {}

    // Every item of the kind, with its state (items the bookkeeping does not
    // know yet read as never synced).
    std::vector<SyncItemState> Items(int kind);
    // Those of them that changed here since the server last had them, or that
    // it never had: what a push uploads. Decided in the query, so that a run
    // with nothing to push reads no rows.
    std::vector<SyncItemState> ToPush(int kind);
    std::optional<SyncItemState> Item(CEOID oid);
    std::optional<SyncItemState> ItemAtHref(const std::string& href);

    // Before a PUT: where it goes and which counter value it carries.
    void NotePushing(CEOID oid, const std::string& collection, const std::string& href, const std::string& uid,
                     int64_t changes);
    // The server confirmed the PUT of `pushedChanges`: it now holds that value.
    void NotePushed(CEOID oid, int64_t pushedChanges, const std::string& etag);
    // The item now holds what the server has at `href` (pulled or merged):
    // nothing left to push unless it changes again.
    void NoteInStep(CEOID oid, const std::string& collection, const std::string& href, const std::string& uid,
                    const std::string& etag);
    // The PUT was refused: nothing of it is on the server.
    void NotePushFailed(CEOID oid);
    // Forgets the server's copy so that deleting the item locally does not ask
    // the server to delete it too (the server deleted it first).
    void ForgetServerCopy(CEOID oid);

    std::vector<SyncDeletion> Deletions(const std::string& collection);
    void DeletionDone(int64_t id);

    std::string Token(const std::string& collection);
    void SetToken(const std::string& collection, const std::string& token);

private:
    // Rows of `sql`, which selects the item columns for one kind (its only parameter).
    std::vector<SyncItemState> ItemsOfKind(const std::string& sql, int kind);

    StoreConnection& m_connection;
};
