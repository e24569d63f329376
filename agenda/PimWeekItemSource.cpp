#include "agenda/PimWeekItemSource.h"

#include "settings/Settings.h"
#include "pim/session/PimSession.h"

std::vector<WeekAppointment> PimWeekItemSource::FindAppointments(TimeValue weekStart, TimeValue weekEnd)
{
    std::vector<WeekAppointment> found;
    for (const auto& item : m_session.FindWeekAppointments(weekStart, weekEnd)) {
        WeekAppointment appointment;
        appointment.oid = item->Oid();
        appointment.subject = item->Subject();
        appointment.location = item->Location();
        appointment.start = item->Start();
        appointment.end = item->End();
        appointment.allDay = item->AllDayEvent();
        appointment.reminderSet = item->ReminderSet();
        appointment.recurring = item->IsRecurring();
        const ItemLook& look = LookOf(*item, true);
        appointment.hasNotes = look.hasNotes;
        appointment.color = look.color;
        found.push_back(std::move(appointment));
    }
    return found;
}

std::vector<WeekTask> PimWeekItemSource::ReadTasks(TimeValue weekStart, TimeValue weekEnd, const Settings& settings)
{
    WeekTaskOptions options;
    options.hideAllTask = settings.m_HideAllTask != 0;
    options.showCompleteTask = settings.m_ShowCompleteTask != 0;
    options.hideUndatedTask = settings.m_HideUndatedTask != 0;
    std::vector<WeekTask> tasks;
    for (TaskRecord& record : m_session.ReadWeekTasks(weekStart, weekEnd, options))
        tasks.push_back(WeekTask{std::move(record), std::nullopt});
    return tasks;
}

bool PimWeekItemSource::ToggleTaskCompletion(CEOID oid, TimeValue day)
{
    auto item = m_session.GetItemFromOid(oid);
    PoomTask* task = item ? item->AsTask() : nullptr;
    if (task == nullptr)
        return false;
    if (task->Complete()) {
        task->SetComplete(false);
        return task->Save();
    }
    // A recurring task moves on to its next occurrence instead of keeping a
    // completion date.
    const bool recurring = task->IsRecurring();
    task->SetComplete(true);
    if (!task->Save())
        return false;
    return recurring || m_session.WriteCompletionDate(*task, MidnightOf(day));
}

PimWeekItemSource::ItemLook& PimWeekItemSource::LookOf(PoomItem& item, bool withNotes)
{
    // Browsing years of a big store must not keep every item it passed.
    constexpr size_t kMaxKnownItems = 50000;
    if (m_looks.size() >= kMaxKnownItems)
        m_looks.clear();
    const auto [look, added] = m_looks.try_emplace(item.Oid());
    if (added)
        look->second.color = m_session.GetItemColor(item);
    if (withNotes && !look->second.notesKnown) {
        look->second.hasNotes = m_session.HasNotes(item);
        look->second.notesKnown = true;
    }
    return look->second;
}

ColorRef PimWeekItemSource::TaskColor(CEOID oid)
{
    if (const auto known = m_looks.find(oid); known != m_looks.end())
        return known->second.color;
    auto item = m_session.GetItemFromOid(oid);
    return item ? LookOf(*item, false).color : 0;
}

void PimWeekItemSource::ForgetItem(CEOID record)
{
    if (record == 0) {
        m_looks.clear();
        return;
    }
    // The notification does not say which database the record is in.
    m_looks.erase(OidFromAppointmentRecord(record));
    m_looks.erase(OidFromTaskRecord(record));
}
