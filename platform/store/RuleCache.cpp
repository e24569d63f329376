#include "platform/store/RuleCache.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/store/OleTime.h"
#include "platform/store/StoreConnection.h"
#include "platform/time/DeviceZone.h"

namespace {

// What the cached local times depend on besides the rules.
std::string DeviceBasis()
{
    const char* tz = std::getenv("TZ");
    return DeviceZoneName() + "|" + (tz ? tz : "");
}

double YearStart(int year) { return OleFromFields(year, 1, 1).value_or(0); }

int YearOf(double date)
{
    const auto st = OleToSystemTime(date);
    return st ? st->wYear : 0;
}

} // namespace

RuleCache::RuleCache(StoreConnection& connection) : m_connection(connection), m_basis(DeviceBasis()) {}

const RuleOccurrences* RuleCache::Find(CEOID series, int year)
{
    for (const Year& y : m_expanded)
        if (y.series == series && y.year == year) return &y.occurrences;
    auto q = m_connection.Prepared("SELECT starts, cut FROM rule_occurrences WHERE series = ? AND year = ? AND basis = ?");
    q->bind(1, int64_t(series));
    q->bind(2, year);
    q->bind(3, m_basis);
    if (!q->executeStep()) return nullptr;
    const SQLite::Column starts = q->getColumn(0);
    const size_t count = size_t(starts.getBytes()) / sizeof(int64_t);
    m_loaded.starts.resize(count);
    m_loaded.cut = q->getColumn(1).getInt() != 0;
    const auto* bytes = static_cast<const char*>(starts.getBlob());
    for (size_t i = 0; i < count; ++i) {
        int64_t seconds;
        std::memcpy(&seconds, bytes + i * sizeof seconds, sizeof seconds);
        m_loaded.starts[i] = OleFromSeconds(seconds);
    }
    return &m_loaded;
}

RuleOccurrences RuleCache::StartsIn(const ItemRow& series, double from, double to)
{
    RuleOccurrences result;
    // Only the years the series spans, and only those items may carry.
    from = std::max(from, series.spanFirst);
    to = std::min(to, std::min(series.spanLast + 1.0, YearStart(2106)));
    if (to <= from) return result;
    const int first = YearOf(from);
    const int last = YearOf(to);
    for (int year = first; year <= last && first > 1900; ++year) {
        if (result.starts.size() >= kRuleOccurrenceCap) {
            result.cut = true;
            break;
        }
        const RuleOccurrences* found = Find(series.oid, year);
        if (!found) {
            m_expanded.push_back({series.oid, year, ExpandRuleSeries(series.ruleIcal, YearStart(year), YearStart(year + 1))});
            found = &m_expanded.back().occurrences;
        }
        result.cut = result.cut || found->cut;
        for (double start : found->starts)
            if (start >= from && start < to) result.starts.push_back(start);
    }
    return result;
}

void RuleCache::Flush()
{
    if (m_expanded.empty() || m_connection.Damaged()) return;
    try {
        WriteTransaction transaction(m_connection);
        auto q = m_connection.Prepared(
            "INSERT OR REPLACE INTO rule_occurrences (series, year, basis, starts, cut) VALUES (?, ?, ?, ?, ?)");
        for (const Year& y : m_expanded) {
            std::vector<int64_t> seconds;
            seconds.reserve(y.occurrences.starts.size());
            for (double start : y.occurrences.starts) seconds.push_back(OleToSeconds(start));
            q->bind(1, int64_t(y.series));
            q->bind(2, y.year);
            q->bind(3, m_basis);
            q->bind(4, seconds.data(), int(seconds.size() * sizeof(int64_t)));
            q->bind(5, int(y.occurrences.cut));
            q->exec();
            q->reset();
        }
        transaction.Commit();
    } catch (const std::exception&) {
        // The next query expands these years again.
    }
    m_expanded.clear();
}
