// A default folder of the object model and its item collection: sorting,
// recurrences included or not, Find and FindNext with a restriction, and
// plain enumeration.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/store/OccurrenceSearch.h"
#include "platform/store/PoomItem.h"

struct PoomSession;

class PoomItems {
public:
    PoomItems(std::shared_ptr<PoomSession> session, ItemKind kind) : m_session(std::move(session)), m_kind(kind) {}

    // "[Start]", "[End]", "[Subject]" (appointments); "[StartDate]",
    // "[DueDate]", "[Subject]", "[Importance]" (tasks). False for others.
    bool Sort(const std::string& property, bool descending);
    void SetIncludeRecurrences(bool include) { m_includeRecurrences = include; }
    bool IncludeRecurrences() const { return m_includeRecurrences; }

    // The first item that meets the restriction, then the next ones; null when
    // there are no more, or when the restriction cannot be read (LastError).
    std::unique_ptr<PoomItem> Find(const std::string& restriction);
    std::unique_ptr<PoomItem> FindNext();

    // Every item of the folder (series once), in the sort order.
    int Count();
    std::unique_ptr<PoomItem> Item(int index);  // 1-based

    const std::string& LastError() const { return m_error; }
    // The last search left out occurrences past the per-series cap.
    bool Cut() const { return m_search.cut; }

private:
    struct Hit {
        size_t row;
        double start;
        std::optional<int64_t> original;
        const ExceptionRow* exception;
    };

    bool Load(const Restriction* restriction, bool includeRecurrences);
    void SortHits();
    std::unique_ptr<PoomItem> MakeItem(const Hit& hit);

    std::shared_ptr<PoomSession> m_session;
    ItemKind m_kind;
    std::string m_sortProperty;
    bool m_descending = false;
    bool m_includeRecurrences = false;
    // The current result: rows, exceptions and one hit per item or occurrence.
    AppointmentSearch m_search;
    std::vector<Hit> m_hits;
    size_t m_next = 0;
    bool m_enumerated = false;  // m_hits holds the plain enumeration
    std::string m_error;
};

class PoomFolder {
public:
    PoomFolder(std::shared_ptr<PoomSession> session, int folder) : m_session(std::move(session)), m_folder(folder) {}

    int FolderId() const { return m_folder; }
    std::unique_ptr<PoomItems> Items();

private:
    std::shared_ptr<PoomSession> m_session;
    int m_folder;
};
