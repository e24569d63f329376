#include "tests/today/TodayStore.h"

#include <stdexcept>

#include "platform/device/DeviceDirectory.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomRecurrencePattern.h"

namespace {

double OleAt(const SolarDate& day, int minute = 0)
{
    return OleFromFields(day.year, day.month, day.day, minute / 60, minute % 60).value();
}

} // namespace

TodayStore::TodayStore()
{
    if (!m_poom.Logon(StoreFile())) throw std::runtime_error(m_poom.LastError());
}

TodayStore::~TodayStore()
{
    if (m_tasksDb != kInvalidDbHandle) CeCloseDatabase(m_tasksDb);
    if (m_volume.volume) CeUnmountDBVol(&m_volume);
    m_poom.Logoff();
}

CEOID TodayStore::AddAppointment(const std::string& subject, const SolarDate& day, int startMinute, int endMinute,
                                 const std::string& location)
{
    auto item = m_poom.CreateItem(olAppointmentItem);
    PoomAppointment* appointment = item->AsAppointment();
    appointment->SetSubject(subject);
    appointment->SetLocation(location);
    appointment->SetStart(OleAt(day, startMinute));
    appointment->SetEnd(OleAt(day, endMinute));
    if (!item->Save()) throw std::runtime_error(item->LastError());
    return item->Oid();
}

CEOID TodayStore::AddAllDay(const std::string& subject, const SolarDate& first, int days, const std::string& location)
{
    auto item = m_poom.CreateItem(olAppointmentItem);
    PoomAppointment* appointment = item->AsAppointment();
    appointment->SetSubject(subject);
    appointment->SetLocation(location);
    appointment->SetAllDayEvent(true);
    appointment->SetStart(OleAt(first));
    appointment->SetEnd(OleAt(AddDays(first, days)));
    if (!item->Save()) throw std::runtime_error(item->LastError());
    return item->Oid();
}

CEOID TodayStore::AddDaily(const std::string& subject, const SolarDate& first, int startMinute, int endMinute,
                           int count)
{
    auto item = m_poom.CreateItem(olAppointmentItem);
    PoomAppointment* appointment = item->AsAppointment();
    appointment->SetSubject(subject);
    appointment->SetStart(OleAt(first, startMinute));
    appointment->SetEnd(OleAt(first, endMinute));
    PoomRecurrencePattern* pattern = item->GetRecurrencePattern();
    pattern->SetRecurrenceType(olRecursDaily);
    pattern->SetInterval(1);
    pattern->SetPatternStartDate(OleAt(first));
    pattern->SetOccurrences(count);
    if (!item->Save()) throw std::runtime_error(item->LastError());
    return item->Oid();
}

CEOID TodayStore::AddTask(const Task& task)
{
    auto item = m_poom.CreateItem(olTaskItem);
    PoomTask* record = item->AsTask();
    record->SetSubject(task.subject);
    record->SetImportance(task.importance);
    record->SetStartDate(task.start ? OleAt(*task.start) : kNoDate);
    record->SetDueDate(task.due ? OleAt(*task.due) : kNoDate);
    record->SetComplete(task.complete);
    if (!item->Save()) throw std::runtime_error(item->LastError());
    return item->Oid();
}

CEDBHANDLE TodayStore::TasksDb()
{
    if (m_tasksDb != kInvalidDbHandle) return m_tasksDb;
    if (!CeMountDBVolEx(&m_volume, StoreFile(), OPEN_EXISTING)) throw std::runtime_error("mount failed");
    m_tasksDb = CeOpenDatabaseInSession(&m_volume, kTasksDatabase, CEDB_AUTOINCREMENT, nullptr);
    return m_tasksDb;
}
