// The iCalendar identity of items: a UID per appointment and task, and the
// component text an item was read from, kept so that what Dayvane does not
// use survives a later export.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/store/PimTypes.h"

class StoreConnection;

// A random (version 4) UUID as an SQL expression, so that the migration and
// every insert make new identities the same way.
#define NEW_ITEM_UID_SQL                                                                                   \
    "lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' || substr(hex(randomblob(2)), 2) || '-' " \
    "|| substr('89ab', 1 + (abs(random()) % 4), 1) || substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))"

class ItemIdentity {
public:
    explicit ItemIdentity(StoreConnection& connection) : m_connection(connection) {}

    // Empty when there is no such item.
    std::string Uid(CEOID oid);
    std::optional<CEOID> FindByUid(std::string_view uid);
    // Gives the item `uid`; false when another item holds it already.
    bool SetUid(CEOID oid, std::string_view uid);

    // The iCalendar object the item came from; nothing when it was made here.
    std::optional<std::string> Source(CEOID oid);
    // Empty text forgets the source.
    void SetSource(CEOID oid, std::string_view ical);

private:
    StoreConnection& m_connection;
};
