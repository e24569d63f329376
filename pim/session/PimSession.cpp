#include "pim/session/PimSession.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "pim/session/ItemDates.h"
#include "pim/session/NotesTest.h"
#include "pim/session/RecordBuffer.h"
#include "pim/session/TaskScan.h"
#include "platform/store/OleTime.h"

namespace {

bool TaskShown(const TaskRecord& task, double weekStart, double weekEnd, const WeekTaskOptions& options)
{
    bool shown;
    if (!task.complete)
        // An open task stays in every week from its start on, whatever its due date.
        shown = task.startDate == kNoDate || task.startDate <= weekEnd;
    else
        shown = options.showCompleteTask && weekStart <= task.completedDate && task.completedDate <= weekEnd;
    if (options.hideUndatedTask && task.startDate == kNoDate && task.dueDate == kNoDate) shown = false;
    return shown;
}

} // namespace

std::string WeekRestriction(double start, double end)
{
    // Two decimals: the week's last second, 23:59:59, prints as the next midnight.
    auto format = [](double date) {
        char text[64];
        const auto result = std::to_chars(text, text + sizeof text, date, std::chars_format::fixed, 2);
        return std::string(text, result.ptr);
    };
    return "[Start] < <" + format(end) + " AND [End] >= <" + format(start);
}

bool TaskGoesBefore(const TaskRecord& a, const TaskRecord& b)
{
    if (a.complete != b.complete) return !a.complete;
    if (a.importance != b.importance) return a.importance > b.importance;
    return a.dueDate < b.dueDate;
}

PimSession::PimSession(std::filesystem::path storeFile) : m_storeFile(std::move(storeFile)) {}

PimSession::~PimSession() { ClosePim(); }

bool PimSession::OpenPoom(StoreWindow* /*window*/)
{
    auto app = std::make_unique<PoomApplication>();
    if (!app->Logon(m_storeFile)) {
        m_error = app->LastError();
        return false;
    }
    m_outlookApp = std::move(app);
    return true;
}

bool PimSession::OpenPimDatabases(StoreWindow* window)
{
    m_notifyRequest = std::make_unique<CENOTIFYREQUEST>();
    m_notifyRequest->hwnd = window;
    m_notifyRequest->dwFlags = CEDB_EXNOTIFICATION;
    if (!CeMountDBVolEx(&m_volume, m_storeFile, OPEN_EXISTING, &m_error)) return false;
    CENOTIFYREQUEST* request = window ? m_notifyRequest.get() : nullptr;
    m_apptDb = CeOpenDatabaseInSession(&m_volume, kAppointmentsDatabase, CEDB_AUTOINCREMENT, request, &m_error);
    if (m_apptDb == kInvalidDbHandle) return false;
    m_taskDb = CeOpenDatabaseInSession(&m_volume, kTasksDatabase, CEDB_AUTOINCREMENT, request, &m_error);
    return m_taskDb != kInvalidDbHandle;
}

void PimSession::ClosePim()
{
    if (m_outlookApp) m_outlookApp->Logoff();
    m_outlookApp.reset();
    if (m_apptDb != kInvalidDbHandle) CeCloseDatabase(m_apptDb);
    if (m_taskDb != kInvalidDbHandle) CeCloseDatabase(m_taskDb);
    m_apptDb = m_taskDb = kInvalidDbHandle;
    m_notifyRequest.reset();
    if (m_volume.volume) CeUnmountDBVol(&m_volume);
}

std::unique_ptr<PoomItem> PimSession::CreateItem(int kind)
{
    if (!m_outlookApp) return nullptr;
    auto item = m_outlookApp->CreateItem(kind);
    if (!item) m_error = m_outlookApp->LastError();
    return item;
}

std::unique_ptr<PoomItem> PimSession::GetItemFromOid(CEOID oid)
{
    if (!m_outlookApp) return nullptr;
    auto item = m_outlookApp->GetItemFromOid(oid);
    if (!item) m_error = m_outlookApp->LastError();
    return item;
}

std::vector<std::unique_ptr<PoomAppointment>> PimSession::FindWeekAppointments(TimeValue weekStart, TimeValue weekEnd)
{
    std::vector<std::unique_ptr<PoomAppointment>> found;
    if (!m_outlookApp) return found;
    auto folder = m_outlookApp->GetDefaultFolder(olFolderCalendar);
    auto items = folder ? folder->Items() : nullptr;
    if (!items) {
        m_error = m_outlookApp->LastError();
        return found;
    }
    items->Sort("[Start]", false);
    items->SetIncludeRecurrences(true);
    CEOID lastOid = kNoItem;
    double lastStart = 0;
    for (auto item = items->Find(WeekRestriction(OleFromTime(weekStart), OleFromTime(weekEnd))); item;
         item = items->FindNext()) {
        PoomAppointment* appointment = item->AsAppointment();
        if (!appointment) continue;
        // The same occurrence twice in a row is shown once.
        if (appointment->Oid() == lastOid && appointment->Start() == lastStart) continue;
        lastOid = appointment->Oid();
        lastStart = appointment->Start();
        found.emplace_back(static_cast<PoomAppointment*>(item.release()));
    }
    if (!items->LastError().empty()) m_error = items->LastError();
    m_listCut = items->Cut();
    return found;
}

std::vector<TaskRecord> PimSession::ReadWeekTasks(TimeValue weekStart, TimeValue weekEnd,
                                                  const WeekTaskOptions& options)
{
    std::vector<TaskRecord> tasks;
    if (options.hideAllTask || m_taskDb == kInvalidDbHandle) return tasks;
    const double start = OleFromTime(weekStart);
    const double end = OleFromTime(weekEnd);
    tasks = ScanTaskDatabase(m_taskDb, [&](const TaskRecord& task) { return TaskShown(task, start, end, options); });
    // The same order as inserting each task before the first it goes before:
    // ties keep database order.
    std::stable_sort(tasks.begin(), tasks.end(), TaskGoesBefore);
    return tasks;
}

bool PimSession::HasNotes(PoomItem& item)
{
    const bool task = item.ItemType() == olTaskItem;
    CEDBHANDLE db = task ? m_taskDb : m_apptDb;
    if (db == kInvalidDbHandle) return false;
    const CEOID record = task ? TaskRecordId(item.Oid()) : AppointmentRecordId(item.Oid());
    // Straight to the record by its identifier rather than reading every
    // record before it: the week view asks this for each appointment shown.
    if (CeSeekDatabaseEx(db, CEDB_SEEK_CEOID, record) != record) return false;
    static const CEPROPID kNotes[] = {PROPID_NOTES};
    RecordBuffer buffer;
    if (ReadRecord(db, kNotes, 1, buffer) != record) return false;
    return NotesPropertyHasContent(buffer[0]);
}

bool PimSession::WriteCompletionDate(PoomItem& task, TimeValue day)
{
    if (m_taskDb == kInvalidDbHandle || task.ItemType() != olTaskItem) return false;
    const CEOID record = TaskRecordId(task.Oid());
    if (CeSeekDatabaseEx(m_taskDb, CEDB_SEEK_CEOID, record) != record) {
        m_error = CeDatabaseError(m_taskDb);
        return false;
    }
    SYSTEMTIME st;
    CEPROPVAL completed;
    completed.propid = PROPID_TASK_COMPLETED;
    if (!CalendarFromTime(day, st) || !SystemTimeToFileTime(st, completed.val.filetime)) return false;
    if (CeWriteRecordProps(m_taskDb, record, 1, &completed) != record) {
        m_error = CeDatabaseError(m_taskDb);
        return false;
    }
    return true;
}

std::optional<CEPROPID> PimSession::ItemColorId()
{
    std::vector<CEPROPID> ids;
    if (!m_outlookApp || !m_outlookApp->GetIDsFromNames({kItemColorName}, kItemColorFlags, ids)) return std::nullopt;
    return ids[0];
}

uint32_t PimSession::GetItemColor(PoomItem& item)
{
    const auto id = ItemColorId();
    if (!id) return 0;
    CEPROPVAL* values = nullptr;
    uint32_t size = 0;
    if (!item.GetProps(&*id, 1, &values, &size)) return 0;
    const uint32_t color = (values[0].wFlags & CEDB_PROPNOTFOUND) ? 0 : values[0].val.ulVal;
    std::free(values);
    return color;
}

bool PimSession::SetItemColor(PoomItem& item, uint32_t color)
{
    const auto id = ItemColorId();
    if (!id) return false;
    CEPROPVAL value;
    value.propid = *id;
    value.val.ulVal = color;
    return item.SetProps(1, &value);
}

void PimSession::FreeNotification(CENOTIFICATION* notification)
{
    CeFreeNotification(m_notifyRequest.get(), notification);
}
