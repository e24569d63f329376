// The cached years of rule series that one connection has read, kept in
// memory between queries: the week view asks for the same weeks again and
// again, and a thousand small reads cost more than the rest of the query.
// Everything is dropped as soon as any connection may have changed the store.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/store/PimTypes.h"
#include "platform/store/RuleSeries.h"

class StoreConnection;

class RuleYearMemo {
public:
    // Forgets every year when the store changed since the last call (another
    // connection committed, or this one wrote) or the years were made for
    // another device zone.
    void Validate(StoreConnection& connection, const std::string& basis);
    // After this connection wrote only years the memo already holds.
    void NoteOwnWrite(StoreConnection& connection);

    const RuleOccurrences* Find(CEOID series, int year) const;
    void Keep(CEOID series, int year, const RuleOccurrences& occurrences);

private:
    static uint64_t Key(CEOID series, int year) { return uint64_t(series) << 32 | uint32_t(year); }
    void Clear();

    std::unordered_map<uint64_t, RuleOccurrences> m_years;
    size_t m_starts = 0;  // held in all years, to bound the memory
    std::string m_basis;
    int64_t m_dataVersion = -1;
    int64_t m_ownChanges = -1;
};
