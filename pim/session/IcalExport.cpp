#include "pim/session/IcalExport.h"

#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "pim/session/Base64.h"
#include "pim/session/CssColors.h"
#include "pim/session/IcalRecurrence.h"
#include "pim/session/IcalTime.h"
#include "pim/session/NotesText.h"
#include "platform/store/ItemDateRange.h"
#include "platform/store/OleTime.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/PoomRecurrencePattern.h"

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

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

    icalcomponent* Appointment(PoomAppointment& appt)
    {
        icalcomponent* event = icalcomponent_new_vevent();
        Common(event, appt);
        Dates(event, appt);
        if (appt.ReminderSet()) {
            icaltriggertype trigger = icaltriggertype_from_int(-60 * appt.ReminderMinutesBeforeStart());
            AddAlarm(event, trigger, appt.Subject());
        }
        if (PoomRecurrencePattern* pattern = appt.IsRecurring() ? appt.GetRecurrencePattern() : nullptr) {
            if (pattern->RecurrenceType() == olRecursUnsupported)
                AddRuleSeries(event, appt.RuleIcal(), int64_t(appt.Duration()) * 60);
            else
                icalcomponent_add_property(event, icalproperty_new_rrule(RuleFromPattern(Fields(*pattern), appt.AllDayEvent())));
            for (PoomException& exception : pattern->Exceptions()) {
                const icaltimetype original = IcalFromLocalOle(exception.originalDate, appt.AllDayEvent());
                if (!exception.deleted && !Representable(*exception.appointment)) {
                    m_notes.push_back(Label(appt) + ": 날짜가 범위 밖인 바뀐 항목은 내보내지 않았습니다");
                    continue;
                }
                if (exception.deleted) {
                    icalcomponent_add_property(event, icalproperty_new_exdate(original));
                    continue;
                }
                icalcomponent* changed = icalcomponent_new_vevent();
                Common(changed, *exception.appointment);
                icalcomponent_add_property(changed, icalproperty_new_recurrenceid(original));
                Dates(changed, *exception.appointment);
                if (exception.appointment->ReminderSet())
                    AddAlarm(changed, icaltriggertype_from_int(-60 * exception.appointment->ReminderMinutesBeforeStart()),
                             exception.appointment->Subject());
                m_changed.push_back(changed);
            }
        }
        return event;
    }

    icalcomponent* Task(PoomTask& task)
    {
        icalcomponent* todo = icalcomponent_new_vtodo();
        Common(todo, task);
        if (task.StartDate() != kNoDate)
            icalcomponent_add_property(todo, icalproperty_new_dtstart(IcalFromLocalOle(task.StartDate(), true)));
        if (task.DueDate() != kNoDate)
            icalcomponent_add_property(todo, icalproperty_new_due(IcalFromLocalOle(task.DueDate(), true)));
        static const int kPriority[] = {9, 5, 1};
        const int importance = task.Importance();
        icalcomponent_add_property(
            todo, icalproperty_new_priority(importance >= 0 && importance <= 2 ? kPriority[importance] : 5));
        icalcomponent_add_property(
            todo, icalproperty_new_status(task.Complete() ? ICAL_STATUS_COMPLETED : ICAL_STATUS_NEEDSACTION));
        if (task.Complete() && InItemDateRange(task.DateCompleted()))
            icalcomponent_add_property(todo, icalproperty_new_completed(UtcIcalFromLocalOle(task.DateCompleted())));
        if (task.ReminderSet() && InItemDateRange(task.ReminderTime())) {
            icaltriggertype trigger = icaltriggertype_from_int(0);
            trigger.time = UtcIcalFromLocalOle(task.ReminderTime());
            AddAlarm(todo, trigger, task.Subject());
        }
        if (PoomRecurrencePattern* pattern = task.IsRecurring() ? task.GetRecurrencePattern() : nullptr)
            icalcomponent_add_property(todo, icalproperty_new_rrule(RuleFromPattern(Fields(*pattern), true)));
        return todo;
    }

    // Changed occurrences follow all series.
    std::vector<icalcomponent*> TakeChanged() { return std::move(m_changed); }
    std::vector<std::string> TakeNotes() { return std::move(m_notes); }

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

private:
    static RecurrenceFields Fields(PoomRecurrencePattern& p)
    {
        RecurrenceFields fields;
        fields.type = p.RecurrenceType();
        fields.interval = p.Interval();
        fields.dayOfWeekMask = p.DayOfWeekMask();
        fields.dayOfMonth = p.DayOfMonth();
        fields.instance = p.Instance();
        fields.monthOfYear = p.MonthOfYear();
        fields.patternStart = p.PatternStartDate();
        fields.patternEnd = p.PatternEndDate();
        fields.occurrences = p.Occurrences();
        fields.range = p.RangeKind();
        return fields;
    }

    void Common(icalcomponent* c, PoomItem& item)
    {
        const std::string uid = std::to_string(item.Oid()) + "@dayvane";
        icalcomponent_add_property(c, icalproperty_new_uid(uid.c_str()));
        icalcomponent_add_property(c, icalproperty_new_dtstamp(m_stamp));
        icalcomponent_add_property(c, icalproperty_new_summary(item.Subject().c_str()));
        if (PoomAppointment* appt = item.AsAppointment(); appt && !appt->Location().empty())
            icalcomponent_add_property(c, icalproperty_new_location(appt->Location().c_str()));
        const Bytes& notes = item.BodyInk();
        if (!notes.empty()) {
            if (const auto text = TextFromNotes(notes)) {
                icalcomponent_add_property(c, icalproperty_new_description(text->c_str()));
            } else {
                icalproperty* ink = icalproperty_new_x(EncodeBase64(notes).c_str());
                icalproperty_set_x_name(ink, "X-DAYVANE-INK");
                icalcomponent_add_property(c, ink);
            }
        }
        if (const uint32_t color = Color(item)) {
            icalcomponent_add_property(c, icalproperty_new_color(NearestCssColorName(color).c_str()));
            char exact[8];
            std::snprintf(exact, sizeof exact, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
            icalproperty* x = icalproperty_new_x(exact);
            icalproperty_set_x_name(x, "X-DAYVANE-COLOR");
            icalcomponent_add_property(c, x);
        }
    }

    static void Dates(icalcomponent* c, PoomAppointment& appt)
    {
        const bool allDay = appt.AllDayEvent();
        icalcomponent_add_property(c, icalproperty_new_dtstart(IcalFromLocalOle(appt.Start(), allDay)));
        icalcomponent_add_property(c, icalproperty_new_dtend(IcalFromLocalOle(appt.End(), allDay)));
    }

    static void AddAlarm(icalcomponent* c, icaltriggertype trigger, const std::string& subject)
    {
        icalcomponent* alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_property(alarm, icalproperty_new_description(subject.c_str()));
        icalcomponent_add_component(c, alarm);
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
};

} // namespace

IcalExportResult ExportIcal(PoomApplication& app)
{
    IcalExportResult result;
    auto calendar = app.GetDefaultFolder(olFolderCalendar);
    auto taskFolder = app.GetDefaultFolder(olFolderTasks);
    if (!calendar || !taskFolder) {
        result.error = app.LastError();
        return result;
    }
    ComponentPtr root(icalcomponent_new_vcalendar());
    icalcomponent_add_property(root.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(root.get(), icalproperty_new_prodid("-//Dayvane//Dayvane 1.0//KO"));
    icalcomponent_add_property(root.get(), icalproperty_new_calscale("GREGORIAN"));
    Writer writer(app);
    auto appointments = calendar->Items();
    for (int i = 1, count = appointments->Count(); i <= count; ++i) {
        auto item = appointments->Item(i);
        if (!item || !item->AsAppointment()) continue;
        if (!Writer::Representable(*item)) {
            result.notes.push_back(Writer::Label(*item) + ": 날짜가 범위 밖이라 내보내지 않았습니다");
            continue;
        }
        icalcomponent_add_component(root.get(), writer.Appointment(*item->AsAppointment()));
        ++result.appointments;
    }
    for (icalcomponent* changed : writer.TakeChanged()) icalcomponent_add_component(root.get(), changed);
    for (std::string& note : writer.TakeNotes()) result.notes.push_back(std::move(note));
    auto tasks = taskFolder->Items();
    for (int i = 1, count = tasks->Count(); i <= count; ++i) {
        auto item = tasks->Item(i);
        if (!item || !item->AsTask()) continue;
        if (!Writer::Representable(*item)) {
            result.notes.push_back(Writer::Label(*item) + ": 날짜가 범위 밖이라 내보내지 않았습니다");
            continue;
        }
        icalcomponent_add_component(root.get(), writer.Task(*item->AsTask()));
        ++result.tasks;
    }
    if (!appointments->LastError().empty() || !tasks->LastError().empty()) {
        result.error = !appointments->LastError().empty() ? appointments->LastError() : tasks->LastError();
        return result;
    }
    char* text = icalcomponent_as_ical_string_r(root.get());
    result.text = text ? text : "";
    icalmemory_free_buffer(text);
    result.ok = true;
    return result;
}
