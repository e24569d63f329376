// Reading record properties from the store's databases: a buffer that frees
// itself however the read ends, and the values of the records it holds.
#pragma once

#include <cstdlib>

#include "platform/store/OleTime.h"
#include "platform/store/PimDatabase.h"

struct RecordBuffer {
    uint8_t* data = nullptr;
    uint32_t size = 0;
    RecordBuffer() = default;
    RecordBuffer(const RecordBuffer&) = delete;
    RecordBuffer& operator=(const RecordBuffer&) = delete;
    ~RecordBuffer() { std::free(data); }
    const CEPROPVAL& operator[](size_t i) const { return reinterpret_cast<const CEPROPVAL*>(data)[i]; }
};

// Reads the current record's properties; 0 at the end of the database or
// when not every property could be read.
inline CEOID ReadRecord(CEDBHANDLE db, const CEPROPID* ids, uint16_t count, RecordBuffer& buffer)
{
    uint16_t read = count;
    const CEOID record = CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &read, ids, &buffer.data, &buffer.size);
    return record != 0 && read == count ? record : 0;
}

inline bool IsSet(const CEPROPVAL& value) { return !(value.wFlags & (CEDB_PROPNOTFOUND | CEDB_PROPDELETE)); }

// A file-time property as an OLE date, without any zone shift; kNoDate when unset.
inline double DateOf(const CEPROPVAL& value)
{
    double date = kNoDate;
    if (!IsSet(value)) return kNoDate;
    return FileTimeToOle(value.val.filetime, date) ? date : kNoDate;
}
