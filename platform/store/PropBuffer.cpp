#include "platform/store/PropBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr size_t kAlign = alignof(CEBLOB);

size_t AlignUp(size_t n) { return (n + kAlign - 1) / kAlign * kAlign; }

bool IsBlobType(uint16_t type) { return type == CEVT_BLOB || type == CEVT_STREAM; }

// Bytes an entry needs after the records.
size_t DataSize(const PropEntry& entry)
{
    const uint16_t type = TypeFromPropId(entry.id);
    if (type == CEVT_LPWSTR) {
        if (const auto* text = std::get_if<std::string>(&entry.value)) return AlignUp(text->size() + 1);
    } else if (IsBlobType(type)) {
        if (const auto* bytes = std::get_if<Bytes>(&entry.value)) return sizeof(CEBLOB) + AlignUp(bytes->size());
    }
    return 0;
}

void FillNumber(CEPROPVAL& record, uint16_t type, int64_t number)
{
    switch (type) {
    case CEVT_I2: record.val.iVal = int16_t(number); break;
    case CEVT_UI2: record.val.uiVal = uint16_t(number); break;
    case CEVT_I4: record.val.lVal = int32_t(number); break;
    case CEVT_BOOL: record.val.boolVal = number != 0; break;
    case CEVT_FILETIME:
        record.val.filetime.dwLowDateTime = uint32_t(uint64_t(number));
        record.val.filetime.dwHighDateTime = uint32_t(uint64_t(number) >> 32);
        break;
    case CEVT_R8: record.val.dblVal = double(number); break;
    default: record.val.ulVal = uint32_t(number); break;
    }
}

// Writes one record and its data at `data`; returns the data used.
size_t FillRecord(const PropEntry& entry, CEPROPVAL& record, uint8_t* data)
{
    const uint16_t type = TypeFromPropId(entry.id);
    record = CEPROPVAL{};
    record.propid = entry.id;
    if (const auto* number = std::get_if<int64_t>(&entry.value)) {
        FillNumber(record, type, *number);
    } else if (const auto* real = std::get_if<double>(&entry.value); real && type == CEVT_R8) {
        record.val.dblVal = *real;
    } else if (const auto* text = std::get_if<std::string>(&entry.value); text && type == CEVT_LPWSTR) {
        std::memcpy(data, text->c_str(), text->size() + 1);
        record.val.lpsz = reinterpret_cast<const char*>(data);
        record.wLenData = uint16_t(std::min<size_t>(text->size() + 1, 0xFFFF));
        return AlignUp(text->size() + 1);
    } else if (const auto* bytes = std::get_if<Bytes>(&entry.value); bytes && IsBlobType(type)) {
        auto* blob = reinterpret_cast<CEBLOB*>(data);
        uint8_t* payload = data + sizeof(CEBLOB);
        if (!bytes->empty()) std::memcpy(payload, bytes->data(), bytes->size());
        blob->dwCount = uint32_t(bytes->size());
        blob->lpb = payload;
        record.val.blob = blob;
        return sizeof(CEBLOB) + AlignUp(bytes->size());
    } else {
        record.wFlags = CEDB_PROPNOTFOUND;
    }
    return 0;
}

} // namespace

bool FillPropBuffer(const std::vector<PropEntry>& entries, uint8_t** buffer, uint32_t* size, bool allowRealloc)
{
    size_t needed = AlignUp(entries.size() * sizeof(CEPROPVAL));
    for (const PropEntry& entry : entries) needed += DataSize(entry);
    if (needed > UINT32_MAX) return false;
    if (*buffer == nullptr || *size < needed) {
        if (*buffer != nullptr && !allowRealloc) {
            *size = uint32_t(needed);
            return false;
        }
        void* grown = std::realloc(*buffer, needed ? needed : 1);
        if (!grown) return false;
        *buffer = static_cast<uint8_t*>(grown);
    }
    *size = uint32_t(needed);
    auto* records = reinterpret_cast<CEPROPVAL*>(*buffer);
    uint8_t* data = *buffer + AlignUp(entries.size() * sizeof(CEPROPVAL));
    for (size_t i = 0; i < entries.size(); ++i) data += FillRecord(entries[i], records[i], data);
    return true;
}

PropValue ValueOfRecord(const CEPROPVAL& record)
{
    switch (TypeFromPropId(record.propid)) {
    case CEVT_I2: return int64_t(record.val.iVal);
    case CEVT_UI2: return int64_t(record.val.uiVal);
    case CEVT_I4: return int64_t(record.val.lVal);
    case CEVT_UI4:
    case CEVT_RECID: return int64_t(record.val.ulVal);
    case CEVT_BOOL: return int64_t(record.val.boolVal != 0);
    case CEVT_R8: return record.val.dblVal;
    case CEVT_FILETIME:
        return int64_t((uint64_t(record.val.filetime.dwHighDateTime) << 32) | record.val.filetime.dwLowDateTime);
    case CEVT_LPWSTR: return std::string(record.val.lpsz ? record.val.lpsz : "");
    case CEVT_BLOB:
    case CEVT_STREAM:
        if (!record.val.blob || (record.val.blob->dwCount && !record.val.blob->lpb)) return {};
        return Bytes(record.val.blob->lpb, record.val.blob->lpb + record.val.blob->dwCount);
    default: return {};
    }
}
