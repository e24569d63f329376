// The store's database interface: mount "pim.vol", open "Appointments Database"
// and "Tasks Database" with a change-notification request, seek, read and
// write record properties, and the notifications themselves.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/store/PimTypes.h"

class PimVolume;
class PimDatabase;

// Where notifications go: the platform's window. Post is called on the
// store's watcher thread; from then on the window owns the notification and
// gives it back with CeFreeNotification. Post must not block, and must not
// open or close databases.
class StoreWindow {
public:
    virtual ~StoreWindow() = default;
    virtual void Post(uint32_t message, struct CENOTIFICATION* notification) = 0;
};

// A mounted volume.
struct CEGUID {
    PimVolume* volume = nullptr;
};

struct CENOTIFYREQUEST {
    uint32_t dwSize = sizeof(CENOTIFYREQUEST);
    StoreWindow* hwnd = nullptr;
    uint32_t dwFlags = 0;  // CEDB_EXNOTIFICATION
    void* hHeap = nullptr;
    uint32_t dwParam = 0;
};

struct CENOTIFICATION {
    uint32_t dwSize = sizeof(CENOTIFICATION);
    uint32_t dwParam = 0;
    uint32_t uType = 0;  // DB_CEOID_CREATED, DB_CEOID_RECORD_DELETED, DB_CEOID_CHANGED
    CEGUID guid;
    CEOID oid = 0;       // the record; 0 when more changed than the store still knows
    CEOID oidParent = 0;
};

// The store-notification window message (WM_DBNOTIFICATION).
inline constexpr uint32_t kDbNotificationMessage = 0x03FD;
inline constexpr uint32_t DB_CEOID_CREATED = 0x0401;
inline constexpr uint32_t DB_CEOID_RECORD_DELETED = 0x0403;
inline constexpr uint32_t DB_CEOID_CHANGED = 0x0406;

inline constexpr uint32_t CEDB_EXNOTIFICATION = 0x00000001;  // request flag
inline constexpr uint32_t CEDB_AUTOINCREMENT = 0x00000001;   // open flag: each read moves on
inline constexpr uint32_t CEDB_ALLOWREALLOC = 0x00000001;    // read flag: the store may grow the buffer

inline constexpr uint32_t CEDB_SEEK_CEOID = 0x00000001;
inline constexpr uint32_t CEDB_SEEK_BEGINNING = 0x00000002;
inline constexpr uint32_t CEDB_SEEK_END = 0x00000004;
inline constexpr uint32_t CEDB_SEEK_CURRENT = 0x00000008;

// Mount dispositions.
inline constexpr uint32_t OPEN_EXISTING = 3;
inline constexpr uint32_t OPEN_ALWAYS = 4;

inline constexpr const char* kAppointmentsDatabase = "Appointments Database";
inline constexpr const char* kTasksDatabase = "Tasks Database";

using CEDBHANDLE = PimDatabase*;
inline constexpr CEDBHANDLE kInvalidDbHandle = nullptr;

// Mounts the volume in `file`. A file that is not a store (or of a newer
// schema) fails with `error` set and is left untouched.
bool CeMountDBVolEx(CEGUID* volume, const std::filesystem::path& file, uint32_t disposition,
                    std::string* error = nullptr);
// Databases opened on the volume stay usable until they are closed.
bool CeUnmountDBVol(CEGUID* volume);

// `request` (may be null) asks for change notifications to its window.
CEDBHANDLE CeOpenDatabaseInSession(CEGUID* volume, const std::string& name, uint32_t flags,
                                   CENOTIFYREQUEST* request, std::string* error = nullptr);
bool CeCloseDatabase(CEDBHANDLE db);

// Moves the current record; returns its record identifier, 0 when there is
// no such record. CEDB_SEEK_CURRENT and CEDB_SEEK_END take a signed offset in
// `value`, CEDB_SEEK_CEOID a record identifier. `index` (may be null) gets 0.
CEOID CeSeekDatabaseEx(CEDBHANDLE db, uint32_t seekType, uint32_t value, uint32_t* index = nullptr);

// Reads the listed properties of the current record into `*buffer` (records
// of 16 bytes, then their data; missing ones flagged CEDB_PROPNOTFOUND). With
// CEDB_ALLOWREALLOC the store allocates or grows the buffer with realloc; free
// it with free(). Returns the record identifier, 0 at the end or on failure.
CEOID CeReadRecordPropsEx(CEDBHANDLE db, uint32_t flags, uint16_t* propCount, const CEPROPID* propIds,
                          uint8_t** buffer, uint32_t* bufferSize);

// Writes properties of a record; all or nothing. Returns the record
// identifier, 0 on failure.
CEOID CeWriteRecordProps(CEDBHANDLE db, CEOID record, uint16_t count, const CEPROPVAL* values);

void CeFreeNotification(CENOTIFYREQUEST* request, CENOTIFICATION* notification);

// What the last failed call on `db` ran into.
std::string CeDatabaseError(CEDBHANDLE db);
