#include "platform/store/RuleCache.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/store/OleTime.h"
#include "platform/store/StoreConnection.h"
#include "platform/time/DeviceZone.h"

namespace {

// What the cached local times depend on besides the rules; also names the
// form of the starts (OLE dates as they are, so that reading them is a copy).
std::string DeviceBasis()
{
    const char* tz = std::getenv("TZ");
    return "ole|" + DeviceZoneName() + "|" + (tz ? tz : "");
}

double YearStart(int year) { return OleFromFields(year, 1, 1).value_or(0); }

int YearOf(double date)
{
    const auto st = OleToSystemTime(date);
    return st ? st->wYear : 0;
}

} // namespace

RuleCache::RuleCache(StoreConnection& connection)
    : m_connection(connection), m_basis(DeviceBasis()), m_memo(connection.RuleYears())
{
    m_memo.Validate(m_connection, m_basis);
    m_haveDevice = GetTimeZoneInformation(m_device);
}

const RuleOccurrences* RuleCache::Find(CEOID series, int year)
{
    if (const RuleOccurrences* kept = m_memo.Find(series, year)) return kept;
    for (const Year& y : m_expanded)
        if (y.series == series && y.year == year) return &y.occurrences;
    auto q = m_connection.Prepared("SELECT starts, cut FROM rule_occurrences WHERE series = ? AND year = ? AND basis = ?");
    q->bind(1, int64_t(series));
    q->bind(2, year);
    q->bind(3, m_basis);
    if (!q->executeStep()) return nullptr;
    const SQLite::Column starts = q->getColumn(0);
    RuleOccurrences loaded;
    loaded.starts.resize(size_t(starts.getBytes()) / sizeof(double));
    loaded.cut = q->getColumn(1).getInt() != 0;
    if (!loaded.starts.empty()) std::memcpy(loaded.starts.data(), starts.getBlob(), loaded.starts.size() * sizeof(double));
    m_loaded = std::move(loaded);
    if (MayRemember()) m_memo.Keep(series, year, m_loaded);
    return &m_loaded;
}

// Inside a write transaction the years may come from changes that are rolled
// back later, which the memo could not tell.
bool RuleCache::MayRemember() const { return !m_connection.InTransaction(); }

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
            m_expanded.push_back({series.oid, year,
                                  ExpandRuleSeries(series.ruleIcal, YearStart(year), YearStart(year + 1),
                                                   kRuleOccurrenceCap, m_haveDevice ? &m_device : nullptr)});
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
    const bool remember = MayRemember();
    try {
        WriteTransaction transaction(m_connection);
        auto q = m_connection.Prepared(
            "INSERT OR REPLACE INTO rule_occurrences (series, year, basis, starts, cut) VALUES (?, ?, ?, ?, ?)");
        for (const Year& y : m_expanded) {
            const std::vector<double>& starts = y.occurrences.starts;
            q->bind(1, int64_t(y.series));
            q->bind(2, y.year);
            q->bind(3, m_basis);
            q->bindNoCopy(4, starts.data(), int(starts.size() * sizeof(double)));
            q->bind(5, int(y.occurrences.cut));
            q->exec();
            q->reset();
        }
        transaction.Commit();
        if (remember) {
            m_memo.NoteOwnWrite(m_connection);
            for (const Year& y : m_expanded) m_memo.Keep(y.series, y.year, y.occurrences);
        }
    } catch (const std::exception&) {
        // The next query expands these years again.
    }
    m_expanded.clear();
}
