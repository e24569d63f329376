#include "platform/store/RuleYearMemo.h"

#include <sqlite3.h>

#include "platform/store/StoreConnection.h"

namespace {

// About 16 MB of starts; a memo past it starts again.
constexpr size_t kMaxStarts = 2'000'000;

// Moves whenever another connection, in this process or another, commits.
int64_t DataVersion(StoreConnection& connection)
{
    auto q = connection.Prepared("PRAGMA data_version");
    return q->executeStep() ? q->getColumn(0).getInt64() : -1;
}

int64_t OwnChanges(StoreConnection& connection) { return sqlite3_total_changes64(connection.Db().getHandle()); }

} // namespace

void RuleYearMemo::Validate(StoreConnection& connection, const std::string& basis)
{
    const int64_t dataVersion = DataVersion(connection);
    const int64_t ownChanges = OwnChanges(connection);
    if (dataVersion != m_dataVersion || ownChanges != m_ownChanges || basis != m_basis) Clear();
    m_dataVersion = dataVersion;
    m_ownChanges = ownChanges;
    m_basis = basis;
}

void RuleYearMemo::NoteOwnWrite(StoreConnection& connection) { m_ownChanges = OwnChanges(connection); }

const RuleOccurrences* RuleYearMemo::Find(CEOID series, int year) const
{
    const auto found = m_years.find(Key(series, year));
    return found == m_years.end() ? nullptr : &found->second;
}

void RuleYearMemo::Keep(CEOID series, int year, const RuleOccurrences& occurrences)
{
    if (m_starts + occurrences.starts.size() > kMaxStarts) Clear();
    const auto [slot, added] = m_years.try_emplace(Key(series, year), occurrences);
    if (added) m_starts += occurrences.starts.size();
}

void RuleYearMemo::Clear()
{
    m_years.clear();
    m_starts = 0;
}
