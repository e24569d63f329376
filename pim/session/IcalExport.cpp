#include "pim/session/IcalExport.h"

#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <utility>

#include "pim/session/Base64.h"
#include "pim/session/CssColors.h"
#include "pim/session/IcalReader.h"
#include "pim/session/IcalRecurrence.h"
#include "pim/session/IcalText.h"
#include "pim/session/IcalTime.h"
#include "pim/session/IcalZone.h"
#include "pim/session/NotesText.h"
#include "platform/store/ItemDateRange.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/PoomRecurrencePattern.h"

namespace {

void RemoveAll(icalcomponent* c, icalproperty_kind kind)
{
    while (icalproperty* p = icalcomponent_get_first_property(c, kind)) {
        icalcomponent_remove_property(c, p);
        icalproperty_free(p);
    }
}

void RemoveX(icalcomponent* c, const char* name)
{
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;) {
        icalproperty* next = icalcomponent_get_next_property(c, ICAL_X_PROPERTY);
        const char* x = icalproperty_get_x_name(p);
        if (x && UpperAscii(x) == name) {
            icalcomponent_remove_property(c, p);
            icalproperty_free(p);
        }
        p = next;
    }
}

icalproperty* NewX(const char* name, const std::string& value)
{
    icalproperty* x = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(x, name);
    return x;
}

icalcomponent* FirstDisplayAlarm(icalcomponent* c)
{
    for (icalcomponent* alarm = icalcomponent_get_first_component(c, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(c, ICAL_VALARM_COMPONENT)) {
        icalproperty* action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
        if (action && icalproperty_get_action(action) == ICAL_ACTION_DISPLAY &&
            icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY))
            return alarm;
    }
    return nullptr;
}

bool SameSeconds(double a, double b) { return OleToSeconds(a) == OleToSeconds(b); }

bool SameRule(const RecurrenceFields& a, const RecurrenceFields& b)
{
    if (a.type != b.type || a.interval != b.interval || a.dayOfWeekMask != b.dayOfWeekMask ||
        a.dayOfMonth != b.dayOfMonth || a.instance != b.instance || a.monthOfYear != b.monthOfYear ||
        a.range != b.range)
        return false;
    if (a.range == RecurrenceRange::Count) return a.occurrences == b.occurrences;
    if (a.range == RecurrenceRange::Until) return SameSeconds(OleDateOnly(a.patternEnd), OleDateOnly(b.patternEnd));
    return true;
}

// The item as its stored source reads today: what an unedited item would
// be. An owned property is written anew only when the item differs from it.
struct Source {
    IcalComponentPtr calendar;
    icalcomponent* master = nullptr;
    std::optional<ImportedItem> original;
    std::map<int64_t, std::pair<icalcomponent*, ImportedItem>> overrides;  // by original start
};

Source ReadSource(PoomApplication& app, CEOID oid, bool task)
{
    Source source;
    const auto text = app.ItemSource(oid);
    if (!text) return source;
    source.calendar = ParseComponent(*text);
    if (!source.calendar || icalcomponent_isa(source.calendar.get()) != ICAL_VCALENDAR_COMPONENT) return {};
    const icalcomponent_kind kind = task ? ICAL_VTODO_COMPONENT : ICAL_VEVENT_COMPONENT;
    std::vector<std::string> ignored;
    for (icalcomponent* c = icalcomponent_get_first_component(source.calendar.get(), kind); c;
         c = icalcomponent_get_next_component(source.calendar.get(), kind)) {
        ComponentReading read = ReadComponent(c, 0, ignored);
        if (!read.problem.empty()) continue;
        if (read.item.recurrenceId && !task) {
            const int64_t key = OleToSeconds(*read.item.recurrenceId);
            source.overrides.emplace(key, std::make_pair(c, std::move(read.item)));
        } else if (!source.master) {
            source.master = c;
            source.original = std::move(read.item);
        }
    }
    return source;
}

// The zone a component's DTSTART names: an IANA name, UTC, or floating.
std::string StartZone(icalcomponent* c)
{
    icalproperty* start = icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY);
    if (!start) return {};
    const icaltimetype t = icalproperty_get_dtstart(start);
    if (icaltime_is_utc(t)) return kUtcZoneName;
    icalparameter* tzid = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
    if (!tzid) return {};
    const std::string name = icalparameter_get_tzid(tzid);
    return BuiltinZone(name) ? name : std::string();
}

class Writer {
public:
    explicit Writer(PoomApplication& app) : m_app(app)
    {
        std::vector<CEPROPID> ids;
        // Looked up without creating: a store that never had colours has none.
        if (m_app.GetIDsFromNames({kItemColorName}, CEVT_UI4, ids)) m_color = ids[0];
        SYSTEMTIME now;
        GetLocalTime(now);
        m_stamp = UtcIcalFromLocalOle(OleFromSystemTime(now).value_or(0));
    }

    void Appointment(PoomAppointment& appt, icalcomponent* root)
    {
        Source source = ReadSource(m_app, appt.Oid(), false);
        KeepSource(source);  // the pointers into it stay valid
        const ImportedItem* original = source.original ? &*source.original : nullptr;
        icalcomponent* event = Base(source.master, ICAL_VEVENT_COMPONENT);
        const bool sameTimes = original && original->allDay == appt.AllDayEvent() &&
                               SameSeconds(original->start, appt.Start()) && SameSeconds(original->end, appt.End());
        // An unmoved item stays in the zone it came in; others are in the item's.
        const std::string zone = sameTimes ? StartZone(source.master) : ItemZoneName(m_app, appt.Oid());
        Common(event, appt, original);
        if (!sameTimes) Dates(event, appt, zone);
        Alarm(event, appt.ReminderSet(), original && original->reminderSet == appt.ReminderSet() &&
                                             original->reminderMinutes == appt.ReminderMinutesBeforeStart(),
              icaltriggertype_from_int(-60 * appt.ReminderMinutesBeforeStart()), appt.Subject());
        PoomRecurrencePattern* pattern = appt.IsRecurring() ? appt.GetRecurrencePattern() : nullptr;
        Rule(event, pattern, original, sameTimes, appt.AllDayEvent(), zone);
        icalcomponent_add_component(root, event);
        NoteZone(zone, appt.AllDayEvent());
        if (!pattern) return;
        std::set<int64_t> deleted;
        for (PoomException& exception : pattern->Exceptions())
            if (exception.deleted) deleted.insert(OleToSeconds(exception.originalDate));
        std::set<int64_t> deletedBefore;
        if (original)
            for (double date : original->exdates) deletedBefore.insert(OleToSeconds(date));
        if (!(sameTimes && deleted == deletedBefore)) {
            RemoveAll(event, ICAL_EXDATE_PROPERTY);
            for (int64_t seconds : deleted) {
                const double date = OleFromSeconds(seconds);
                icalcomponent_add_property(
                    event, WithZone(icalproperty_new_exdate(ZonedTime(date, zone, appt.AllDayEvent())), zone));
            }
        }
        for (PoomException& exception : pattern->Exceptions()) {
            if (exception.deleted) continue;
            if (!Representable(*exception.appointment)) {
                m_notes.push_back(Label(appt) + ": 날짜가 범위 밖인 바뀐 항목은 내보내지 않았습니다");
                continue;
            }
            const auto before = source.overrides.find(OleToSeconds(exception.originalDate));
            const bool known = before != source.overrides.end();
            m_changed.push_back(Override(*exception.appointment, exception.originalDate,
                                         known ? before->second.first : nullptr,
                                         known ? &before->second.second : nullptr, zone, appt.AllDayEvent()));
        }
    }

    void Task(PoomTask& task, icalcomponent* root)
    {
        Source source = ReadSource(m_app, task.Oid(), true);
        KeepSource(source);
        const ImportedItem* original = source.original ? &*source.original : nullptr;
        icalcomponent* todo = Base(source.master, ICAL_VTODO_COMPONENT);
        Common(todo, task, original);
        if (!original || !SameSeconds(original->startDate, task.StartDate())) {
            RemoveAll(todo, ICAL_DTSTART_PROPERTY);
            if (task.StartDate() != kNoDate)
                icalcomponent_add_property(todo, icalproperty_new_dtstart(IcalFromLocalOle(task.StartDate(), true)));
        }
        // A DUE with a time of day keeps it while the day stays the same.
        if (!original || !SameSeconds(original->dueDate, task.DueDate())) {
            RemoveAll(todo, ICAL_DUE_PROPERTY);
            RemoveAll(todo, ICAL_DURATION_PROPERTY);
            if (task.DueDate() != kNoDate)
                icalcomponent_add_property(todo, icalproperty_new_due(IcalFromLocalOle(task.DueDate(), true)));
        }
        // PRIORITY as written while it means the same importance.
        if (!original || original->importance != task.Importance()) {
            RemoveAll(todo, ICAL_PRIORITY_PROPERTY);
            static const int kPriority[] = {9, 5, 1};
            const int importance = task.Importance();
            icalcomponent_add_property(
                todo, icalproperty_new_priority(importance >= 0 && importance <= 2 ? kPriority[importance] : 5));
        }
        const bool sameCompletion = original && original->complete == task.Complete() &&
                                    (!task.Complete() || SameSeconds(original->completed, task.DateCompleted()));
        if (!sameCompletion) {
            RemoveAll(todo, ICAL_STATUS_PROPERTY);
            RemoveAll(todo, ICAL_COMPLETED_PROPERTY);
            RemoveAll(todo, ICAL_PERCENTCOMPLETE_PROPERTY);
            icalcomponent_add_property(
                todo, icalproperty_new_status(task.Complete() ? ICAL_STATUS_COMPLETED : ICAL_STATUS_NEEDSACTION));
            if (task.Complete() && InItemDateRange(task.DateCompleted()))
                icalcomponent_add_property(todo, icalproperty_new_completed(UtcIcalFromLocalOle(task.DateCompleted())));
        }
        icaltriggertype trigger = icaltriggertype_from_int(0);
        const bool reminder = task.ReminderSet() && InItemDateRange(task.ReminderTime());
        if (reminder) trigger.time = UtcIcalFromLocalOle(task.ReminderTime());
        Alarm(todo, reminder, original && original->reminderSet == reminder &&
                                  (!reminder || SameSeconds(original->reminderTime, task.ReminderTime())),
              trigger, task.Subject());
        PoomRecurrencePattern* pattern = task.IsRecurring() ? task.GetRecurrencePattern() : nullptr;
        const bool sameDates = original && SameSeconds(original->startDate, task.StartDate()) &&
                               SameSeconds(original->dueDate, task.DueDate());
        Rule(todo, pattern, original, sameDates, true, {});
        icalcomponent_add_component(root, todo);
    }

    // Changed occurrences follow all series.
    std::vector<icalcomponent*> TakeChanged() { return std::move(m_changed); }
    std::vector<std::string> TakeNotes() { return std::move(m_notes); }
    const std::set<std::string>& Zones() const { return m_zones; }

    // The calendars' own properties (X-WR-CALNAME, ...) the sources had.
    void AddCalendarProperties(icalcomponent* root)
    {
        std::set<std::string> present;
        for (icalproperty* p = icalcomponent_get_first_property(root, ICAL_ANY_PROPERTY); p;
             p = icalcomponent_get_next_property(root, ICAL_ANY_PROPERTY))
            present.insert(icalproperty_get_property_name(p));
        for (const IcalComponentPtr& calendar : m_sources)
            for (icalproperty* p = icalcomponent_get_first_property(calendar.get(), ICAL_ANY_PROPERTY); p;
                 p = icalcomponent_get_next_property(calendar.get(), ICAL_ANY_PROPERTY)) {
                const std::string name = icalproperty_get_property_name(p);
                if (present.insert(name).second) icalcomponent_add_property(root, icalproperty_new_clone(p));
            }
    }

    // Dates outside what the store accepts (left by an older version or
    // another program) have no valid iCalendar form here: such items stay out.
    static bool Representable(PoomItem& item)
    {
        if (PoomAppointment* appt = item.AsAppointment())
            return InItemDateRange(appt->Start()) && InItemDateRange(appt->End());
        PoomTask* task = item.AsTask();
        return task && InTaskDateRange(task->StartDate()) && InTaskDateRange(task->DueDate());
    }
    static std::string Label(PoomItem& item)
    {
        return "'" + (item.Subject().empty() ? std::string("(제목 없음)") : item.Subject()) + "' (Oid " +
               std::to_string(item.Oid()) + ")";
    }

    void KeepSource(Source& source)
    {
        if (source.calendar) m_sources.push_back(std::move(source.calendar));
    }

private:
    static icalcomponent* Base(icalcomponent* original, icalcomponent_kind kind)
    {
        return original ? icalcomponent_new_clone(original) : icalcomponent_new(kind);
    }

    icalcomponent* Override(PoomAppointment& occurrence, double originalDate, icalcomponent* before,
                            const ImportedItem* original, const std::string& zone, bool allDay)
    {
        icalcomponent* changed = Base(before, ICAL_VEVENT_COMPONENT);
        Common(changed, occurrence, original);
        if (!before) {
            icalcomponent_add_property(
                changed, WithZone(icalproperty_new_recurrenceid(ZonedTime(originalDate, zone, allDay)), zone));
        }
        const bool sameTimes = original && original->allDay == occurrence.AllDayEvent() &&
                               SameSeconds(original->start, occurrence.Start()) &&
                               SameSeconds(original->end, occurrence.End());
        if (!sameTimes) Dates(changed, occurrence, zone);
        Alarm(changed, occurrence.ReminderSet(),
              original && original->reminderSet == occurrence.ReminderSet() &&
                  original->reminderMinutes == occurrence.ReminderMinutesBeforeStart(),
              icaltriggertype_from_int(-60 * occurrence.ReminderMinutesBeforeStart()), occurrence.Subject());
        return changed;
    }

    void Common(icalcomponent* c, PoomItem& item, const ImportedItem* original)
    {
        std::string uid = m_app.ItemUid(item.Oid());
        if (uid.empty()) uid = std::to_string(item.Oid()) + "@dayvane";
        // Set in place, so that an export read back and written again is the same text.
        if (icalproperty* p = icalcomponent_get_first_property(c, ICAL_UID_PROPERTY))
            icalproperty_set_uid(p, uid.c_str());
        else
            icalcomponent_add_property(c, icalproperty_new_uid(uid.c_str()));
        if (icalproperty* p = icalcomponent_get_first_property(c, ICAL_DTSTAMP_PROPERTY))
            icalproperty_set_dtstamp(p, m_stamp);
        else
            icalcomponent_add_property(c, icalproperty_new_dtstamp(m_stamp));
        if (!original || original->subject != item.Subject()) {
            RemoveAll(c, ICAL_SUMMARY_PROPERTY);
            icalcomponent_add_property(c, icalproperty_new_summary(item.Subject().c_str()));
        }
        if (PoomAppointment* appt = item.AsAppointment(); appt && (!original || original->location != appt->Location())) {
            RemoveAll(c, ICAL_LOCATION_PROPERTY);
            if (!appt->Location().empty())
                icalcomponent_add_property(c, icalproperty_new_location(appt->Location().c_str()));
        }
        const Bytes& notes = item.BodyInk();
        if (!original || original->notes.value_or(Bytes{}) != notes) {
            RemoveAll(c, ICAL_DESCRIPTION_PROPERTY);
            RemoveX(c, "X-DAYVANE-INK");
            if (!notes.empty()) {
                if (const auto text = TextFromNotes(notes))
                    icalcomponent_add_property(c, icalproperty_new_description(text->c_str()));
                else
                    icalcomponent_add_property(c, NewX("X-DAYVANE-INK", EncodeBase64(notes)));
            }
        }
        const uint32_t color = Color(item);
        if (!original || original->color.value_or(0) != color) {
            RemoveAll(c, ICAL_COLOR_PROPERTY);
            RemoveX(c, "X-DAYVANE-COLOR");
            if (color) {
                icalcomponent_add_property(c, icalproperty_new_color(NearestCssColorName(color).c_str()));
                char exact[8];
                std::snprintf(exact, sizeof exact, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF,
                              (color >> 16) & 0xFF);
                icalcomponent_add_property(c, NewX("X-DAYVANE-COLOR", exact));
            }
        }
    }

    static void Dates(icalcomponent* c, PoomAppointment& appt, const std::string& zone)
    {
        RemoveAll(c, ICAL_DTSTART_PROPERTY);
        RemoveAll(c, ICAL_DTEND_PROPERTY);
        RemoveAll(c, ICAL_DURATION_PROPERTY);
        const bool allDay = appt.AllDayEvent();
        icalcomponent_add_property(c, WithZone(icalproperty_new_dtstart(ZonedTime(appt.Start(), zone, allDay)), zone));
        icalcomponent_add_property(c, WithZone(icalproperty_new_dtend(ZonedTime(appt.End(), zone, allDay)), zone));
    }

    // The rule as written while it means the same series; else the pattern's,
    // its UNTIL in UTC when the series has a zone.
    static void Rule(icalcomponent* c, PoomRecurrencePattern* pattern, const ImportedItem* original, bool sameStart,
                     bool allDay, const std::string& zone)
    {
        const bool same = pattern ? original && original->pattern && sameStart &&
                                        SameRule(*original->pattern, std::as_const(*pattern).Fields())
                                  : original && !original->pattern;
        if (same) return;
        RemoveAll(c, ICAL_RRULE_PROPERTY);
        RemoveAll(c, ICAL_RDATE_PROPERTY);
        RemoveAll(c, ICAL_EXRULE_PROPERTY);
        if (!pattern) return;
        icalrecurrencetype rule = RuleFromPattern(std::as_const(*pattern).Fields(), allDay);
        if (!icaltime_is_null_time(rule.until) && !rule.until.is_date && BuiltinZone(zone)) {
            icaltimetype until = rule.until;
            if (const auto local = OleFromFields(until.year, until.month, until.day, until.hour, until.minute, until.second))
                rule.until = ZonedTime(*local, kUtcZoneName);
        }
        icalcomponent_add_property(c, icalproperty_new_rrule(rule));
    }

    // The first display alarm is the reminder; other alarms are left as they are.
    static void Alarm(icalcomponent* c, bool set, bool same, icaltriggertype trigger, const std::string& subject)
    {
        if (same) return;
        if (icalcomponent* old = FirstDisplayAlarm(c)) {
            icalcomponent_remove_component(c, old);
            icalcomponent_free(old);
        }
        if (!set) return;
        icalcomponent* alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_property(alarm, icalproperty_new_description(subject.c_str()));
        icalcomponent_add_component(c, alarm);
    }

    void NoteZone(const std::string& zone, bool allDay)
    {
        if (!allDay && !zone.empty() && zone != kUtcZoneName) m_zones.insert(zone);
    }

    uint32_t Color(PoomItem& item)
    {
        if (!m_color) return 0;
        CEPROPVAL* values = nullptr;
        uint32_t size = 0;
        if (!item.GetProps(&m_color, 1, &values, &size)) return 0;
        const uint32_t color = (values[0].wFlags & CEDB_PROPNOTFOUND) ? 0 : values[0].val.ulVal;
        std::free(values);
        return color;
    }

    PoomApplication& m_app;
    CEPROPID m_color = 0;
    icaltimetype m_stamp;
    std::vector<icalcomponent*> m_changed;
    std::vector<std::string> m_notes;
    std::set<std::string> m_zones;
    std::vector<IcalComponentPtr> m_sources;
};

IcalExportResult Export(PoomApplication& app, std::vector<std::unique_ptr<PoomItem>> items)
{
    IcalExportResult result;
    IcalComponentPtr root(icalcomponent_new_vcalendar());
    icalcomponent_add_property(root.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(root.get(), icalproperty_new_prodid("-//Dayvane//Dayvane 1.0//KO"));
    icalcomponent_add_property(root.get(), icalproperty_new_calscale("GREGORIAN"));
    IcalComponentPtr body(icalcomponent_new_vcalendar());
    Writer writer(app);
    for (auto& item : items) {
        if (!Writer::Representable(*item)) {
            result.notes.push_back(Writer::Label(*item) + ": 날짜가 범위 밖이라 내보내지 않았습니다");
            continue;
        }
        if (PoomAppointment* appt = item->AsAppointment()) {
            writer.Appointment(*appt, body.get());
            ++result.appointments;
        }
    }
    for (icalcomponent* changed : writer.TakeChanged()) icalcomponent_add_component(body.get(), changed);
    for (auto& item : items) {
        if (PoomTask* task = item->AsTask(); task && Writer::Representable(*item)) {
            writer.Task(*task, body.get());
            ++result.tasks;
        }
    }
    for (std::string& note : writer.TakeNotes()) result.notes.push_back(std::move(note));
    writer.AddCalendarProperties(root.get());
    for (const std::string& zone : writer.Zones())
        if (icalcomponent* definition = NewZoneComponent(zone)) icalcomponent_add_component(root.get(), definition);
    while (icalcomponent* c = icalcomponent_get_first_component(body.get(), ICAL_ANY_COMPONENT)) {
        icalcomponent_remove_component(body.get(), c);
        icalcomponent_add_component(root.get(), c);
    }
    char* text = icalcomponent_as_ical_string_r(root.get());
    result.text = text ? text : "";
    icalmemory_free_buffer(text);
    result.ok = true;
    return result;
}

} // namespace

IcalExportResult ExportIcal(PoomApplication& app)
{
    IcalExportResult result;
    std::vector<std::unique_ptr<PoomItem>> items;
    for (int folderId : {olFolderCalendar, olFolderTasks}) {
        auto folder = app.GetDefaultFolder(folderId);
        if (!folder) {
            result.error = app.LastError();
            return result;
        }
        auto collection = folder->Items();
        for (int i = 1, count = collection->Count(); i <= count; ++i)
            if (auto item = collection->Item(i)) items.push_back(std::move(item));
        if (!collection->LastError().empty()) {
            result.error = collection->LastError();
            return result;
        }
    }
    return Export(app, std::move(items));
}

IcalExportResult ExportIcalItems(PoomApplication& app, const std::vector<CEOID>& oids)
{
    std::vector<std::unique_ptr<PoomItem>> items;
    for (CEOID oid : oids)
        if (auto item = app.GetItemFromOid(oid)) items.push_back(std::move(item));
    return Export(app, std::move(items));
}
