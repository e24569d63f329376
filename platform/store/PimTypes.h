// The personal-information store's identifiers, numbers and records, as the
// handheld's database interface and object model define them.
#pragma once

#include <cstdint>

#include "platform/time/PlatformTime.h"

using CEOID = uint32_t;
using CEPROPID = uint32_t;  // property number in the high word, value type in the low word

// Value types of the database interface.
inline constexpr uint16_t CEVT_I2 = 2;
inline constexpr uint16_t CEVT_I4 = 3;
inline constexpr uint16_t CEVT_R8 = 5;
inline constexpr uint16_t CEVT_BOOL = 11;
inline constexpr uint16_t CEVT_UI2 = 18;
inline constexpr uint16_t CEVT_UI4 = 19;
inline constexpr uint16_t CEVT_LPWSTR = 31;  // text; carried as UTF-8 here
inline constexpr uint16_t CEVT_FILETIME = 64;
inline constexpr uint16_t CEVT_BLOB = 65;
inline constexpr uint16_t CEVT_STREAM = 100;  // 0x64: a block of bytes (the notes)
inline constexpr uint16_t CEVT_RECID = 102;   // 0x66: the record's own identifier

constexpr CEPROPID PropTag(uint16_t number, uint16_t type) { return (uint32_t(number) << 16) | type; }
constexpr uint16_t TypeFromPropId(CEPROPID id) { return uint16_t(id & 0xFFFF); }
constexpr uint16_t NumberFromPropId(CEPROPID id) { return uint16_t(id >> 16); }

// Property record flags.
inline constexpr uint16_t CEDB_PROPNOTFOUND = 0x0100;
inline constexpr uint16_t CEDB_PROPDELETE = 0x0200;

// A block of bytes; `lpb` points into the same buffer as the record.
struct CEBLOB {
    uint32_t dwCount = 0;
    const uint8_t* lpb = nullptr;
};

union CEVALUNION {
    int16_t iVal;
    uint16_t uiVal;
    int32_t lVal;
    uint32_t ulVal;
    FILETIME filetime;
    const char* lpsz;  // UTF-8, NUL-terminated
    const CEBLOB* blob;
    uint16_t boolVal;
    double dblVal;
};

// One property of a record: 16 bytes, identifier and type, length, flags, value.
struct CEPROPVAL {
    CEPROPID propid = 0;
    uint16_t wLenData = 0;
    uint16_t wFlags = 0;
    CEVALUNION val{};
};
static_assert(sizeof(CEPROPVAL) == 16, "property records are 16 bytes");

// Properties of the two databases.
inline constexpr CEPROPID PROPID_RECORD_ID = PropTag(0x1000, CEVT_RECID);
inline constexpr CEPROPID PROPID_NOTES = PropTag(0x001E, CEVT_STREAM);
inline constexpr CEPROPID PROPID_TASK_SUBJECT = PropTag(0x0020, CEVT_LPWSTR);
inline constexpr CEPROPID PROPID_TASK_RECURRING = PropTag(0x0022, CEVT_BOOL);
inline constexpr CEPROPID PROPID_TASK_REMINDER = PropTag(0x0028, CEVT_BOOL);
inline constexpr CEPROPID PROPID_TASK_IMPORTANCE = PropTag(0x0060, CEVT_UI4);
inline constexpr CEPROPID PROPID_TASK_START = PropTag(0x0062, CEVT_FILETIME);
inline constexpr CEPROPID PROPID_TASK_DUE = PropTag(0x0063, CEVT_FILETIME);
inline constexpr CEPROPID PROPID_TASK_COMPLETED = PropTag(0x0064, CEVT_FILETIME);

// OLE date meaning "no date" for task dates and reminder times (1 January 4501).
inline constexpr double kNoDate = 949998.0;

// Item identifiers and record identifiers, with 32-bit wrap-around.
inline constexpr CEOID kNoItem = 0xFFFFFFFFu;  // -1
inline constexpr uint32_t kRecordIdOffset = 0x40000000u;
constexpr CEOID AppointmentRecordId(CEOID oid) { return oid - kRecordIdOffset; }
constexpr CEOID TaskRecordId(CEOID oid) { return oid + kRecordIdOffset; }
constexpr CEOID OidFromAppointmentRecord(CEOID record) { return record + kRecordIdOffset; }
constexpr CEOID OidFromTaskRecord(CEOID record) { return record - kRecordIdOffset; }

// Object model numbers.
inline constexpr int olFolderCalendar = 9;
inline constexpr int olFolderTasks = 13;
inline constexpr int olAppointmentItem = 1;
inline constexpr int olTaskItem = 3;

inline constexpr int olRecursOnce = -1;
inline constexpr int olRecursDaily = 0;
inline constexpr int olRecursWeekly = 1;
inline constexpr int olRecursMonthly = 2;
inline constexpr int olRecursMonthNth = 3;
inline constexpr int olRecursYearly = 5;
inline constexpr int olRecursYearNth = 6;
// A series kept as iCalendar rules that no pattern above can hold: the store
// expands it, the recurrence editors leave it alone.
inline constexpr int olRecursUnsupported = 99;

inline constexpr int olImportanceLow = 0;
inline constexpr int olImportanceNormal = 1;
inline constexpr int olImportanceHigh = 2;

// Named-property look-up: create the name when it is missing.
inline constexpr uint32_t PIM_CREATE = 0x00010000;
inline constexpr uint32_t kItemColorFlags = PIM_CREATE | CEVT_UI4;  // 0x10013
inline constexpr const char* kItemColorName = "Item Color";

// Store kinds of item (the databases): appointment and task.
enum class ItemKind : int32_t { Appointment = 1, Task = 2 };
