// The week view's items from the store session: the week's appointment
// occurrences and tasks with their colours and notes, and the completion
// toggle of a task.
#pragma once

#include <unordered_map>

#include "platform/store/PimTypes.h"
#include "agenda/WeekItemSource.h"

class PimSession;
class PoomItem;

class PimWeekItemSource : public WeekItemSource {
public:
    explicit PimWeekItemSource(PimSession& session) : m_session(session) {}

    std::vector<WeekAppointment> FindAppointments(TimeValue weekStart, TimeValue weekEnd) override;
    std::vector<WeekTask> ReadTasks(TimeValue weekStart, TimeValue weekEnd, const Settings& settings) override;
    ColorRef TaskColor(CEOID oid) override;
    bool ToggleTaskCompletion(CEOID oid, TimeValue day) override;

    // An item's colour (a named property that only a fetched item gives) and
    // an appointment's notes flag cost a look-up each, so they are kept
    // between reloads; a store notification for a record makes its item's be
    // read again (record 0: every item's).
    void ForgetItem(CEOID record);
    size_t KnownItems() const { return m_looks.size(); }

private:
    struct ItemLook {
        uint32_t color = 0;
        bool hasNotes = false;
        bool notesKnown = false;
    };
    ItemLook& LookOf(PoomItem& item, bool withNotes);

    PimSession& m_session;
    std::unordered_map<CEOID, ItemLook> m_looks;
};
