// The object model's application object: log-on to pim.vol, default folders,
// item creation and fetch by Oid, named-property identifiers, and batches of
// changes in one transaction.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/store/PimTypes.h"
#include "platform/store/PoomItem.h"
#include "platform/store/PoomItems.h"

struct PoomSession;
class StoreConnection;
class WriteTransaction;

// Changes made between its creation and Commit land together or not at all.
// A bulk batch mostly adds items (an import): it indexes them all at once when
// it commits instead of one by one.
class StoreBatch {
public:
    enum Kind { Edits, Bulk };
    StoreBatch(std::shared_ptr<StoreConnection> connection, Kind kind);
    ~StoreBatch();
    bool Commit(std::string* error = nullptr);

private:
    std::shared_ptr<StoreConnection> m_connection;  // outlives the transaction, even past Logoff
    std::unique_ptr<WriteTransaction> m_transaction;
    Kind m_kind;
};

class PoomApplication {
public:
    PoomApplication();
    ~PoomApplication();
    PoomApplication(const PoomApplication&) = delete;
    PoomApplication& operator=(const PoomApplication&) = delete;

    // Opens the store, creating it when it does not exist yet. Reads no item.
    bool Logon(const std::filesystem::path& storeFile);
    void Logoff();
    bool LoggedOn() const;

    // olFolderCalendar (9) or olFolderTasks (13); null for others.
    std::unique_ptr<PoomFolder> GetDefaultFolder(int folder);
    // olAppointmentItem (1) or olTaskItem (3): a new item, unsaved.
    std::unique_ptr<PoomItem> CreateItem(int itemType);
    std::unique_ptr<PoomItem> GetItemFromOid(CEOID oid);

    // Identifiers of named properties; `flags` holds the value type in its low
    // word and PIM_CREATE to create missing names. A name that is missing (and
    // not created) or of another type gives 0.
    bool GetIDsFromNames(const std::vector<std::string>& names, uint32_t flags, std::vector<CEPROPID>& ids);

    std::unique_ptr<StoreBatch> BeginBatch(StoreBatch::Kind kind = StoreBatch::Edits);
    // The session's connection, for bookkeeping tables beside the items (the
    // sync state); null when not logged on.
    std::shared_ptr<StoreConnection> Connection() const;

    // iCalendar identity: the item's UID (empty for none or no such item), the
    // item holding a UID, and the component text an item was imported from.
    std::string ItemUid(CEOID oid);
    std::optional<CEOID> FindItemByUid(std::string_view uid);
    // False when another item holds `uid`.
    bool SetItemUid(CEOID oid, std::string_view uid);
    std::optional<std::string> ItemSource(CEOID oid);
    // All in one transaction; an empty text forgets the item's.
    bool SetItemSources(const std::vector<std::pair<CEOID, std::string>>& sources);

    // The platform's own item editor, for PoomItem::Display.
    void SetDisplayHandler(std::function<bool(PoomItem&)> display);

    const std::string& LastError() const { return m_error; }

private:
    std::shared_ptr<PoomSession> m_session;
    std::string m_error;
};
