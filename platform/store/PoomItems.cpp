#include "platform/store/PoomItems.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/store/PoomSession.h"

namespace {

constexpr double kNotApplicable = std::numeric_limits<double>::quiet_NaN();

double TaskValue(const ItemRow& row, RestrictionField field)
{
    switch (field) {
    case RestrictionField::StartDate: return row.startDate;
    case RestrictionField::DueDate: return row.dueDate;
    case RestrictionField::DateCompleted: return row.dateCompleted;
    default: return kNotApplicable;
    }
}

bool KnownSort(ItemKind kind, const std::string& property)
{
    static const char* const kAppointment[] = {"Start", "End", "Subject"};
    static const char* const kTask[] = {"StartDate", "DueDate", "Subject", "Importance"};
    auto matches = [&](const char* name) { return property == std::string("[") + name + "]"; };
    if (kind == ItemKind::Appointment) return std::any_of(std::begin(kAppointment), std::end(kAppointment), matches);
    return std::any_of(std::begin(kTask), std::end(kTask), matches);
}

} // namespace

std::unique_ptr<PoomItems> PoomFolder::Items()
{
    return std::make_unique<PoomItems>(m_session, m_folder == olFolderTasks ? ItemKind::Task : ItemKind::Appointment);
}

bool PoomItems::Sort(const std::string& property, bool descending)
{
    if (!KnownSort(m_kind, property)) {
        m_error = "정렬할 수 없는 속성입니다: " + property;
        return false;
    }
    m_sortProperty = property;
    m_descending = descending;
    return true;
}

bool PoomItems::Load(const Restriction* restriction, bool includeRecurrences)
{
    m_search = AppointmentSearch{};
    m_hits.clear();
    m_next = 0;
    if (!m_session || !m_session->Open()) {
        m_error = "저장소에 로그온되어 있지 않습니다.";
        return false;
    }
    ItemTable& table = *m_session->table;
    return GuardStore(m_error, [&] {
        if (m_kind == ItemKind::Appointment && restriction) {
            SearchAppointments(table, *restriction, includeRecurrences, m_search);
            for (const AppointmentHit& hit : m_search.hits)
                m_hits.push_back({hit.row, hit.start, hit.original, hit.exception});
        } else {
            m_search.rows = table.AllOfKind(m_kind);
            for (size_t i = 0; i < m_search.rows.size(); ++i) {
                const ItemRow& row = m_search.rows[i];
                const bool meets = !restriction || restriction->Matches([&](RestrictionField field) {
                    return m_kind == ItemKind::Task ? TaskValue(row, field) : kNotApplicable;
                });
                if (meets) m_hits.push_back({i, row.start, std::nullopt, nullptr});
            }
        }
        SortHits();
        return true;
    });
}

void PoomItems::SortHits()
{
    if (m_sortProperty.empty()) return;
    const std::string& key = m_sortProperty;
    auto subject = [&](const Hit& h) -> const std::string& {
        return h.exception ? h.exception->subject : m_search.rows[h.row].subject;
    };
    auto number = [&](const Hit& h) -> double {
        const ItemRow& row = m_search.rows[h.row];
        if (key == "[Start]") return h.start;
        if (key == "[End]") return h.exception ? h.exception->end : h.start + DurationDays(row);
        if (key == "[StartDate]") return row.startDate;
        if (key == "[DueDate]") return row.dueDate;
        return row.importance;
    };
    auto before = [&](const Hit& a, const Hit& b) {
        if (key == "[Subject]") return m_descending ? subject(b) < subject(a) : subject(a) < subject(b);
        return m_descending ? number(b) < number(a) : number(a) < number(b);
    };
    std::stable_sort(m_hits.begin(), m_hits.end(), before);
}

std::unique_ptr<PoomItem> PoomItems::MakeItem(const Hit& hit)
{
    const ItemRow& row = m_search.rows[hit.row];
    if (m_kind == ItemKind::Task) return std::make_unique<PoomTask>(m_session, row);
    if (hit.original)
        return std::make_unique<PoomAppointment>(m_session, row, OccurrenceKey{row.oid, *hit.original}, hit.exception,
                                                 hit.start);
    return std::make_unique<PoomAppointment>(m_session, row);
}

std::unique_ptr<PoomItem> PoomItems::Find(const std::string& text)
{
    Restriction restriction;
    m_enumerated = false;
    if (!ParseRestriction(text, restriction, m_error)) {
        m_error = "조건을 읽을 수 없습니다: " + m_error;
        m_hits.clear();
        return nullptr;
    }
    if (!Load(&restriction, m_includeRecurrences)) return nullptr;
    return FindNext();
}

std::unique_ptr<PoomItem> PoomItems::FindNext()
{
    if (m_enumerated || m_next >= m_hits.size()) return nullptr;
    return MakeItem(m_hits[m_next++]);
}

int PoomItems::Count()
{
    if (!m_enumerated) {
        if (!Load(nullptr, false)) return 0;
        m_enumerated = true;
    }
    return int(m_hits.size());
}

std::unique_ptr<PoomItem> PoomItems::Item(int index)
{
    if (index < 1 || index > Count()) return nullptr;
    return MakeItem(m_hits[size_t(index - 1)]);
}
