// add, list, tasks, show, delete, complete, skip and watch: the device's
// appointments and tasks from the command line.
#include "tools/StoreCommands.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <ostream>

#include "settings/Settings.h"
#include "pim/session/ItemDates.h"
#include "pim/session/PimSession.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomRecurrencePattern.h"
#include "platform/store/StoreConnection.h"
#include "tools/CliOptions.h"
#include "tools/IcalCommands.h"

namespace {

// Told on stderr after a list that left out occurrences of an over-dense series.
const char kListCutText[] = "목록이 잘렸습니다: 한 되풀이 일정의 항목이 너무 많아 일부만 보입니다";

const char kUsage[] =
    "사용법: dayvane-cli add appt --subject S --start \"YYYY-MM-DD HH:MM\" --end \"YYYY-MM-DD HH:MM\"\n"
    "                 [--location L] [--all-day] [--reminder MINUTES] [--color #rrggbb] [되풀이 옵션]\n"
    "        dayvane-cli add task --subject S [--start DATE] [--due DATE] [--importance 0|1|2] [--complete]\n"
    "                 [되풀이 옵션]\n"
    "        되풀이 옵션: --type 0|1|2|3|5|6 [--interval N] [--dow-mask N] [--day-of-month N] [--instance N]\n"
    "                 [--month-of-year N] [--pattern-start DATE] [--no-end | --occurrences N | --until DATE]\n"
    "        dayvane-cli list --from DATE --to DATE\n"
    "        dayvane-cli tasks --from DATE --to DATE\n"
    "        dayvane-cli show OID | delete OID [--occurrence DATE] | complete OID | skip OID\n"
    "        dayvane-cli import FILE.ics | export FILE.ics\n"
    "        dayvane-cli watch [--db appointments|tasks]\n"
    "        dayvane-cli check";

const std::vector<std::string> kRecurrenceOptions = {"type",          "interval",      "dow-mask",
                                                     "day-of-month",  "instance",      "month-of-year",
                                                     "pattern-start", "no-end",        "occurrences",
                                                     "until"};

std::vector<std::string> With(std::vector<std::string> names, const std::vector<std::string>& more)
{
    names.insert(names.end(), more.begin(), more.end());
    return names;
}

std::string FormatOle(double date, bool withTime)
{
    if (date == kNoDate) return "-";
    const auto st = OleToSystemTime(date);
    if (!st) return "-";
    char text[32];
    if (withTime)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", st->wYear, st->wMonth, st->wDay, st->wHour,
                      st->wMinute);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", st->wYear, st->wMonth, st->wDay);
    return text;
}

double OleOf(const DateTime& dt, const std::string& what)
{
    const auto date = OleFromFields(dt.date.year, dt.date.month, dt.date.day, dt.hour, dt.minute);
    if (!date) throw UsageError("쓸 수 없는 날짜입니다: " + what);
    return *date;
}

double OleOf(const Date& d, const std::string& what) { return OleOf(DateTime{d, 0, 0}, what); }

// Text fields stay on one line of the tab-separated output.
std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

CEOID ParseOid(const std::string& text) { return CEOID(ParseInt(text, 1, 0xFFFFFFFE, "OID")); }

std::unique_ptr<PoomItem> Fetch(PimSession& session, CEOID oid)
{
    auto item = session.GetItemFromOid(oid);
    if (!item) throw CommandError("항목이 없습니다: " + std::to_string(oid));
    return item;
}

void SaveOrFail(PoomItem& item)
{
    if (!item.Save()) throw CommandError("저장하지 못했습니다: " + item.LastError());
}

// --type and the options that go with it, onto the item's pattern.
void ApplyRecurrence(const CliOptions& o, PoomItem& item)
{
    const bool any = std::any_of(kRecurrenceOptions.begin(), kRecurrenceOptions.end(),
                                 [&](const std::string& name) { return o.Has(name); });
    if (!any) return;
    if (!o.Has("type")) throw UsageError("되풀이 옵션에는 --type이 필요합니다");
    const long type = *o.GetInt("type", 0, 6);
    if (type == 4) throw UsageError("--type은 0, 1, 2, 3, 5, 6 중 하나여야 합니다");
    const int ranges = int(o.Has("no-end")) + int(o.Has("occurrences")) + int(o.Has("until"));
    if (ranges > 1) throw UsageError("--no-end, --occurrences, --until 중 하나만 쓸 수 있습니다");
    const auto interval = o.GetInt("interval", 1, 999);
    const auto mask = o.GetInt("dow-mask", 1, 127);
    PoomRecurrencePattern* p = item.GetRecurrencePattern();
    if (type == olRecursDaily && mask) {
        // Every day of some weekdays ("every weekday") is a weekly pattern: a
        // daily one repeats every n days whatever the mask says.
        if (interval.value_or(1) != 1)
            throw UsageError("--type 0의 --dow-mask는 --interval 1에서만 쓸 수 있습니다 (매주는 --type 1)");
        p->SetRecurrenceType(olRecursWeekly);
    } else {
        p->SetRecurrenceType(int32_t(type));
    }
    if (interval) p->SetInterval(int32_t(*interval));
    if (mask) p->SetDayOfWeekMask(int32_t(*mask));
    if (auto v = o.GetInt("day-of-month", 1, 31)) p->SetDayOfMonth(int32_t(*v));
    if (auto v = o.GetInt("instance", 1, 5)) p->SetInstance(int32_t(*v));
    if (auto v = o.GetInt("month-of-year", 1, 12)) p->SetMonthOfYear(int32_t(*v));
    if (auto d = o.GetDate("pattern-start")) p->SetPatternStartDate(OleOf(*d, "--pattern-start"));
    if (auto v = o.GetInt("occurrences", 1, kMaxOccurrences)) p->SetOccurrences(int32_t(*v));
    if (auto d = o.GetDate("until")) p->SetPatternEndDate(OleOf(*d, "--until"));
    if (ranges == 0 || o.Has("no-end")) p->SetNoEndDate(true);
}

void SetColor(PimSession& session, const CliOptions& o, PoomItem& item)
{
    if (auto color = o.Get("color"))
        if (!session.SetItemColor(item, ParseColor(*color, "--color")))
            throw CommandError("색을 정하지 못했습니다: " + session.LastError());
}

int AddAppointment(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly(With({"subject", "start", "end", "location", "all-day", "reminder", "color"}, kRecurrenceOptions));
    const std::string subject = o.Require("subject");
    if (subject.empty()) throw UsageError("일정의 제목을 입력해 주세요.");
    double start = OleOf(ParseDateTime(o.Require("start"), "--start"), "--start");
    double end = OleOf(ParseDateTime(o.Require("end"), "--end"), "--end");
    const bool allDay = o.Has("all-day");
    if (allDay) {
        // Whole days: from the first day's midnight to the midnight after the last.
        start = OleDateOnly(start);
        end = OleFromSeconds(OleToSeconds(OleDateOnly(end)) + 86400);
    }
    if (end < start) throw UsageError("Invalid Date: 끝이 시작보다 앞입니다");
    const auto reminder = o.GetInt("reminder", 0, 525600);
    (void)ParseColor(o.Get("color").value_or("#000000"), "--color");

    auto session = OpenDeviceStore(false);
    auto item = session->CreateItem(olAppointmentItem);
    PoomAppointment& appt = *item->AsAppointment();
    appt.SetSubject(subject);
    appt.SetLocation(o.Get("location").value_or(""));
    appt.SetAllDayEvent(allDay);
    appt.SetStart(start);
    appt.SetEnd(end);
    appt.SetReminderSet(reminder.has_value());
    if (reminder) appt.SetReminderMinutesBeforeStart(int32_t(*reminder));
    ApplyRecurrence(o, appt);
    SetColor(*session, o, appt);
    SaveOrFail(appt);
    out << appt.Oid() << '\n';
    return 0;
}

int AddTask(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly(With({"subject", "start", "due", "importance", "complete", "color"}, kRecurrenceOptions));
    const std::string subject = o.Require("subject");
    if (subject.empty()) throw UsageError("작업의 제목을 입력해 주세요.");
    const auto start = o.GetDate("start");
    const auto due = o.GetDate("due");
    const auto importance = o.GetInt("importance", 0, 2);
    (void)ParseColor(o.Get("color").value_or("#000000"), "--color");

    auto session = OpenDeviceStore(false);
    auto item = session->CreateItem(olTaskItem);
    PoomTask& task = *item->AsTask();
    task.SetSubject(subject);
    task.SetStartDate(start ? OleOf(*start, "--start") : kNoDate);
    task.SetDueDate(due ? OleOf(*due, "--due") : kNoDate);
    task.SetImportance(int32_t(importance.value_or(olImportanceNormal)));
    ApplyRecurrence(o, task);
    SetColor(*session, o, task);
    SaveOrFail(task);
    if (o.Has("complete")) {
        task.SetComplete(true);
        SaveOrFail(task);
    }
    out << task.Oid() << '\n';
    return 0;
}

// --from and --to as the first and the last second of the range.
std::pair<TimeValue, TimeValue> Range(const CliOptions& o)
{
    const Date from = ParseDate(o.Require("from"), "--from");
    const Date to = ParseDate(o.Require("to"), "--to");
    for (const Date& d : {from, to})
        if (d.year < 1970 || d.year > 2105) throw UsageError("날짜는 1970년부터 2105년까지만 쓸 수 있습니다");
    TimeValue first = TimeFromFields(from.year, from.month, from.day, 0, 0, 0);
    // East of Greenwich the first local midnight lies before the first time
    // value and wraps around: the range then starts at that first instant.
    SYSTEMTIME check;
    if (!CalendarFromTime(first, check) || check.wYear != from.year || check.wMonth != from.month ||
        check.wDay != from.day)
        first = 0;
    const TimeValue last = TimeFromFields(to.year, to.month, to.day, 23, 59, 59);
    if (last < first) throw UsageError("--to가 --from보다 앞입니다");
    return {first, last};
}

int List(const CliOptions& o, std::ostream& out, std::ostream& err)
{
    o.AllowOnly({"from", "to"});
    const auto [first, last] = Range(o);
    auto session = OpenDeviceStore(false);
    for (const auto& appt : session->FindWeekAppointments(first, last)) {
        out << appt->Oid() << '\t' << FormatOle(appt->Start(), true) << '\t' << FormatOle(appt->End(), true) << '\t'
            << (appt->AllDayEvent() ? 1 : 0) << '\t' << OneLine(appt->Subject()) << '\t' << OneLine(appt->Location())
            << '\n';
    }
    if (!session->LastError().empty()) throw CommandError(session->LastError());
    if (session->LastListCut()) err << kListCutText << '\n';
    return 0;
}

int Tasks(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly({"from", "to"});
    const auto [first, last] = Range(o);
    const Settings settings = LoadSettings(ScreenMetrics{});
    WeekTaskOptions options;
    options.hideAllTask = settings.m_HideAllTask != 0;
    options.showCompleteTask = settings.m_ShowCompleteTask != 0;
    options.hideUndatedTask = settings.m_HideUndatedTask != 0;
    auto session = OpenDeviceStore(true);
    for (const TaskRecord& task : session->ReadWeekTasks(first, last, options)) {
        out << task.oid << '\t' << task.importance << '\t' << FormatOle(task.startDate, false) << '\t'
            << FormatOle(task.dueDate, false) << '\t' << FormatOle(task.completedDate, false) << '\t'
            << OneLine(task.subject) << '\n';
    }
    return 0;
}

void ShowPattern(PoomItem& item, std::ostream& out)
{
    PoomRecurrencePattern* p = item.IsRecurring() ? item.GetRecurrencePattern() : nullptr;
    if (!p) {
        out << "되풀이\t없음\n";
        return;
    }
    // A mask only counts for the types that use one.
    const int32_t mask = TypeUsesWeekdays(p->RecurrenceType()) ? p->DayOfWeekMask() : 0;
    out << "되풀이\t종류 " << p->RecurrenceType() << ", 간격 " << p->Interval() << ", 요일 " << mask
        << ", 날짜 " << p->DayOfMonth() << ", 주 " << p->Instance() << ", 달 " << p->MonthOfYear() << '\n';
    out << "되풀이 시작\t" << FormatOle(p->PatternStartDate(), false) << '\n';
    switch (p->RangeKind()) {
    case RecurrenceRange::Count: out << "되풀이 범위\t" << p->Occurrences() << "회\n"; break;
    case RecurrenceRange::Until: out << "되풀이 범위\t" << FormatOle(p->PatternEndDate(), false) << "까지\n"; break;
    default: out << "되풀이 범위\t끝 날짜 없음\n"; break;
    }
}

int Show(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly({});
    if (o.Positionals().size() != 1) throw UsageError(kUsage);
    auto session = OpenDeviceStore(true);
    auto item = Fetch(*session, ParseOid(o.Positionals()[0]));
    out << "Oid\t" << item->Oid() << '\n';
    out << "제목\t" << OneLine(item->Subject()) << '\n';
    if (PoomAppointment* appt = item->AsAppointment()) {
        out << "종류\t일정\n";
        out << "장소\t" << OneLine(appt->Location()) << '\n';
        out << "시작\t" << FormatOle(appt->Start(), true) << '\n';
        out << "끝\t" << FormatOle(appt->End(), true) << '\n';
        out << "종일\t" << (appt->AllDayEvent() ? 1 : 0) << '\n';
        out << "알림\t" << (appt->ReminderSet() ? std::to_string(appt->ReminderMinutesBeforeStart()) + "분 전" : "없음")
            << '\n';
    } else if (PoomTask* task = item->AsTask()) {
        out << "종류\t작업\n";
        out << "시작일\t" << FormatOle(task->StartDate(), false) << '\n';
        out << "기한\t" << FormatOle(task->DueDate(), false) << '\n';
        out << "중요도\t" << task->Importance() << '\n';
        out << "완료\t" << (task->Complete() ? 1 : 0) << '\n';
        out << "완료일\t" << FormatOle(task->DateCompleted(), false) << '\n';
        out << "알림\t" << (task->ReminderSet() ? FormatOle(task->ReminderTime(), true) : "없음") << '\n';
    }
    ShowPattern(*item, out);
    const uint32_t color = session->GetItemColor(*item);
    out << "색\t" << (color ? FormatColor(color) : "없음") << '\n';
    out << "메모\t" << (session->HasNotes(*item) ? "있음" : "없음") << '\n';
    return 0;
}

int Delete(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly({"occurrence"});
    if (o.Positionals().size() != 1) throw UsageError(kUsage);
    const CEOID oid = ParseOid(o.Positionals()[0]);
    const auto day = o.GetDate("occurrence");
    auto session = OpenDeviceStore(false);
    auto item = Fetch(*session, oid);
    if (!day) {
        if (!item->Delete()) throw CommandError("삭제하지 못했습니다: " + item->LastError());
        out << "삭제했습니다: " << OneLine(item->Subject()) << '\n';
        return 0;
    }
    if (!item->AsAppointment() || !item->IsRecurring()) throw CommandError("되풀이 일정이 아닙니다: " + std::to_string(oid));
    auto occurrence = item->GetRecurrencePattern()->GetOccurrence(OleOf(*day, "--occurrence"));
    if (!occurrence) throw CommandError("그 날에는 되풀이 일정이 없습니다: " + FormatDate(*day));
    if (!occurrence->Delete()) throw CommandError("삭제하지 못했습니다: " + occurrence->LastError());
    out << "삭제했습니다: " << OneLine(occurrence->Subject()) << " (" << FormatOle(occurrence->Start(), true) << ")\n";
    return 0;
}

PoomTask& TaskOf(PoomItem& item)
{
    PoomTask* task = item.AsTask();
    if (!task) throw CommandError("작업이 아닙니다: " + std::to_string(item.Oid()));
    return *task;
}

int Complete(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly({});
    if (o.Positionals().size() != 1) throw UsageError(kUsage);
    auto session = OpenDeviceStore(false);
    auto item = Fetch(*session, ParseOid(o.Positionals()[0]));
    PoomTask& task = TaskOf(*item);
    if (task.Complete()) {
        out << "이미 완료된 작업입니다: " << OneLine(task.Subject()) << '\n';
        return 0;
    }
    const bool recurring = task.IsRecurring();
    task.SetComplete(true);
    SaveOrFail(task);
    if (recurring && !task.Complete())
        out << "완료했습니다. 다음 기한: " << FormatOle(task.DueDate(), false) << '\n';
    else
        out << "완료했습니다: " << OneLine(task.Subject()) << '\n';
    return 0;
}

int Skip(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly({});
    if (o.Positionals().size() != 1) throw UsageError(kUsage);
    auto session = OpenDeviceStore(false);
    auto item = Fetch(*session, ParseOid(o.Positionals()[0]));
    PoomTask& task = TaskOf(*item);
    if (!task.SkipRecurrence()) throw CommandError("건너뛰지 못했습니다: " + task.LastError());
    out << "다음 기한: " << FormatOle(task.DueDate(), false) << '\n';
    return 0;
}

struct Announcement {
    uint32_t type;
    CEOID record;
    const char* database;
};

// Notifications arrive on the store's thread; the command prints them on its own.
class AnnouncementQueue {
public:
    void Push(const Announcement& announcement)
    {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(announcement);
        }
        m_arrived.notify_one();
    }

    Announcement Next()
    {
        std::unique_lock lock(m_mutex);
        m_arrived.wait(lock, [&] { return !m_queue.empty(); });
        const Announcement next = m_queue.front();
        m_queue.pop_front();
        return next;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<Announcement> m_queue;
};

// One database's window: it knows which database it watches.
class WatchWindow : public StoreWindow {
public:
    WatchWindow(AnnouncementQueue& queue, const char* database) : m_queue(queue), m_database(database) {}

    void Post(uint32_t, CENOTIFICATION* notification) override
    {
        m_queue.Push({notification->uType, notification->oid, m_database});
        CeFreeNotification(&request, notification);
    }

    CENOTIFYREQUEST request;

private:
    AnnouncementQueue& m_queue;
    const char* m_database;
};

const char* KindName(uint32_t type)
{
    switch (type) {
    case DB_CEOID_CREATED: return "생성";
    case DB_CEOID_RECORD_DELETED: return "삭제";
    case DB_CEOID_CHANGED: return "변경";
    default: return "알림";
    }
}

int Watch(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly({"db", "count"});
    const std::string which = o.Get("db").value_or("");
    if (!which.empty() && which != "appointments" && which != "tasks")
        throw UsageError("--db는 appointments 또는 tasks여야 합니다");
    const auto count = o.GetInt("count", 1, 1000000000);
    OpenDeviceStore(false);  // makes the store on first use
    CEGUID volume;
    std::string error;
    if (!CeMountDBVolEx(&volume, StoreFile(), OPEN_EXISTING, &error))
        throw CommandError("저장소를 열 수 없습니다: " + error);
    AnnouncementQueue queue;
    WatchWindow appointments(queue, "appointments"), tasks(queue, "tasks");
    std::vector<CEDBHANDLE> open;
    for (WatchWindow* window : {&appointments, &tasks}) {
        const bool wanted = which.empty() || (window == &tasks) == (which == "tasks");
        if (!wanted) continue;
        window->request.hwnd = window;
        window->request.dwFlags = CEDB_EXNOTIFICATION;
        const char* name = window == &tasks ? kTasksDatabase : kAppointmentsDatabase;
        CEDBHANDLE db = CeOpenDatabaseInSession(&volume, name, CEDB_AUTOINCREMENT, &window->request, &error);
        if (db == kInvalidDbHandle) throw CommandError("저장소를 열 수 없습니다: " + error);
        open.push_back(db);
    }
    out << "변경을 기다립니다 (Ctrl+C로 끝냅니다)" << std::endl;
    for (long shown = 0; !count || shown < *count; ++shown) {
        const Announcement a = queue.Next();
        char line[96];
        std::snprintf(line, sizeof line, "0x%X %s\t%s\t0x%08X", a.type, KindName(a.type), a.database, a.record);
        out << line << std::endl;
    }
    for (CEDBHANDLE db : open) CeCloseDatabase(db);
    CeUnmountDBVol(&volume);
    return 0;
}

// The whole file, now: damage found here makes every later write refuse.
int Check(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly({});
    if (!o.Positionals().empty()) throw UsageError(kUsage);
    StoreConnection store(StoreFile(), false);
    const std::string finding = store.CheckNow();
    if (!finding.empty()) throw CommandError("저장소 파일이 손상되었습니다 (파일은 그대로 둡니다): " + finding);
    out << "저장소에 이상이 없습니다.\n";
    return 0;
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "add") {
        if (rest.empty()) throw UsageError(kUsage);
        const CliOptions o(std::vector<std::string>(rest.begin() + 1, rest.end()), {"all-day", "no-end", "complete"});
        if (!o.Positionals().empty()) throw UsageError(kUsage);
        if (rest[0] == "appt") return AddAppointment(o, out);
        if (rest[0] == "task") return AddTask(o, out);
        throw UsageError(kUsage);
    }
    if (command == "import") return RunImportCommand(rest, out, err);
    if (command == "export") return RunExportCommand(rest, out, err);
    const CliOptions o(rest, {});
    if (command == "list") return List(o, out, err);
    if (command == "tasks") return Tasks(o, out);
    if (command == "show") return Show(o, out);
    if (command == "delete") return Delete(o, out);
    if (command == "complete") return Complete(o, out);
    if (command == "skip") return Skip(o, out);
    if (command == "watch") return Watch(o, out);
    if (command == "check") return Check(o, out);
    throw UsageError("알 수 없는 명령입니다: " + command);
}

} // namespace

std::unique_ptr<PimSession> OpenDeviceStore(bool databases)
{
    const std::string problem = EnsureDeviceDirectory();
    if (!problem.empty()) throw CommandError("기기 폴더를 만들 수 없습니다: " + problem);
    auto session = std::make_unique<PimSession>(StoreFile());
    if (!session->OpenPoom(nullptr) || (databases && !session->OpenPimDatabases(nullptr)))
        throw CommandError("저장소를 열 수 없습니다: " + session->LastError());
    return session;
}

int RunStoreCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << kUsage << '\n';
        return 2;
    }
    try {
        return Dispatch(args, out, err);
    } catch (const UsageError& e) {
        err << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
}
