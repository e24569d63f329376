#include "pim/session/IcalReader.h"

#include <libical/ical.h>

#include <algorithm>
#include <map>

#include "pim/session/Base64.h"
#include "pim/session/CssColors.h"
#include "pim/session/IcalRecurrence.h"
#include "pim/session/IcalText.h"
#include "pim/session/IcalTime.h"
#include "pim/session/NotesText.h"
#include "platform/store/OleTime.h"
#include "resources/StringTable.h"

namespace {

std::string AtLine(int line) { return std::to_string(line) + "번째 줄: "; }

// What libical could not read is told and left out; the properties the
// items are made of are checked separately (CheckCriticalProperties).
void NoteParseErrors(icalcomponent* component, std::vector<std::string>& notes, const std::string& where)
{
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        const char* text = icalproperty_get_xlicerror(p);
        notes.push_back(where + (text ? text : "읽을 수 없는 내용") + " (무시합니다)");
    }
}

// The properties an item is made of: one libical dropped as unreadable
// would silently change the item, so the component is left out instead.
std::string CheckCriticalProperties(icalcomponent* c, const std::string& text)
{
    static const std::pair<const char*, icalproperty_kind> kCritical[] = {
        {"DTSTART", ICAL_DTSTART_PROPERTY}, {"DTEND", ICAL_DTEND_PROPERTY},
        {"DUE", ICAL_DUE_PROPERTY},         {"DURATION", ICAL_DURATION_PROPERTY},
        {"RRULE", ICAL_RRULE_PROPERTY},     {"EXDATE", ICAL_EXDATE_PROPERTY},
        {"RDATE", ICAL_RDATE_PROPERTY},     {"EXRULE", ICAL_EXRULE_PROPERTY},
        {"RECURRENCE-ID", ICAL_RECURRENCEID_PROPERTY}, {"COMPLETED", ICAL_COMPLETED_PROPERTY},
    };
    std::map<std::string, int> written;
    int depth = 0;
    for (const ContentLine& line : UnfoldLines(text)) {
        const std::string name = LineName(line.text);
        if (name == "BEGIN") ++depth;
        else if (name == "END") --depth;
        else if (depth == 1) ++written[name];
    }
    for (const auto& [name, kind] : kCritical) {
        const auto count = written.find(name);
        if (count != written.end() && icalcomponent_count_properties(c, kind) < count->second)
            return std::string(name) + StringText(IDS_ICAL_UNREADABLE_PROPERTY);
    }
    return {};
}

std::string Text(icalcomponent* c, icalproperty_kind kind)
{
    icalproperty* p = icalcomponent_get_first_property(c, kind);
    const char* value = p ? icalproperty_get_value_as_string(p) : nullptr;
    if (!p || !value) return {};
    // Texts come unescaped through the typed getters.
    switch (kind) {
    case ICAL_SUMMARY_PROPERTY: return icalproperty_get_summary(p) ? icalproperty_get_summary(p) : "";
    case ICAL_LOCATION_PROPERTY: return icalproperty_get_location(p) ? icalproperty_get_location(p) : "";
    case ICAL_DESCRIPTION_PROPERTY: return icalproperty_get_description(p) ? icalproperty_get_description(p) : "";
    case ICAL_UID_PROPERTY: return icalproperty_get_uid(p) ? icalproperty_get_uid(p) : "";
    case ICAL_COLOR_PROPERTY: return icalproperty_get_color(p) ? icalproperty_get_color(p) : "";
    default: return value;
    }
}

icalproperty* XProperty(icalcomponent* c, const char* name)
{
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY)) {
        const char* x = icalproperty_get_x_name(p);
        if (x && UpperAscii(x) == name) return p;
    }
    return nullptr;
}

// The local time of a date-time property, its zone resolved.
std::optional<double> LocalTime(icalcomponent* c, icalproperty* p, icaltimetype t)
{
    if (!p) return std::nullopt;
    if (icaltimezone* zone = ZoneOfProperty(c, p); zone && !t.is_date && !icaltime_is_utc(t))
        t = icaltime_set_timezone(&t, zone);
    return LocalOleFromIcal(t);
}

std::optional<double> PropertyTime(icalcomponent* c, icalproperty_kind kind, bool* isDate = nullptr)
{
    icalproperty* p = icalcomponent_get_first_property(c, kind);
    if (!p) return std::nullopt;
    icalvalue* value = icalproperty_get_value(p);
    if (!value) return std::nullopt;
    const icaltimetype t = icalvalue_get_datetime(value);
    if (isDate) *isDate = t.is_date;
    return LocalTime(c, p, t);
}

int32_t ImportanceOfPriority(int priority)
{
    if (priority >= 1 && priority <= 4) return olImportanceHigh;
    if (priority >= 6 && priority <= 9) return olImportanceLow;
    return olImportanceNormal;
}

class ComponentReader {
public:
    ComponentReader(icalcomponent* c, ImportedItem& item, std::vector<std::string>& notes)
        : m_c(c), m_item(item), m_notes(notes)
    {
    }

    // An empty text when the item was read; else why the file cannot be.
    std::string Read()
    {
        m_item.task = icalcomponent_isa(m_c) == ICAL_VTODO_COMPONENT;
        m_item.uid = Text(m_c, ICAL_UID_PROPERTY);
        m_item.subject = Text(m_c, ICAL_SUMMARY_PROPERTY);
        m_item.location = Text(m_c, ICAL_LOCATION_PROPERTY);
        ReadNotesAndColor();
        std::string problem = m_item.task ? ReadTask() : ReadEvent();
        if (!problem.empty()) return problem;
        if (icalproperty* id = icalcomponent_get_first_property(m_c, ICAL_RECURRENCEID_PROPERTY))
            m_item.recurrenceId = LocalTime(m_c, id, icalproperty_get_recurrenceid(id));
        return {};
    }

    // Empty when the recurrence is kept (or there is none); else why not.
    std::string ReadRecurrence(double start)
    {
        SeriesReading series = ReadSeries(m_c, start, m_item.zone, m_item.task);
        if (!series.refusal.empty()) return series.refusal;
        if (!series.note.empty()) m_notes.push_back(m_item.Label() + ": " + series.note);
        m_item.pattern = series.pattern;
        m_item.ruleIcal = series.ruleIcal;
        // Rules kept as text carry their own EXDATEs.
        if (!m_item.pattern) return {};
        for (icalproperty* ex = icalcomponent_get_first_property(m_c, ICAL_EXDATE_PROPERTY); ex;
             ex = icalcomponent_get_next_property(m_c, ICAL_EXDATE_PROPERTY))
            if (auto date = LocalTime(m_c, ex, icalproperty_get_exdate(ex))) m_item.exdates.push_back(*date);
        return {};
    }

private:
    void ReadNotesAndColor()
    {
        if (icalproperty* ink = XProperty(m_c, "X-DAYVANE-INK")) {
            const char* value = icalproperty_get_x(ink);
            if (auto bytes = DecodeBase64(value ? value : "")) m_item.notes = *bytes;
        }
        if (!m_item.notes && icalcomponent_get_first_property(m_c, ICAL_DESCRIPTION_PROPERTY))
            m_item.notes = NotesFromText(Text(m_c, ICAL_DESCRIPTION_PROPERTY));
        if (icalproperty* exact = XProperty(m_c, "X-DAYVANE-COLOR")) {
            const char* value = icalproperty_get_x(exact);
            m_item.color = ColorRefFromCss(value ? value : "");
        }
        if (!m_item.color && icalcomponent_get_first_property(m_c, ICAL_COLOR_PROPERTY)) {
            const std::string name = Text(m_c, ICAL_COLOR_PROPERTY);
            m_item.color = ColorRefFromCss(name);
            if (!m_item.color) m_notes.push_back(m_item.Label() + ": 알 수 없는 색 이름입니다: " + name);
        }
    }

    std::string ReadEvent()
    {
        bool isDate = false;
        const auto start = PropertyTime(m_c, ICAL_DTSTART_PROPERTY, &isDate);
        if (!start) return "DTSTART가 없거나 읽을 수 없습니다";
        m_item.allDay = isDate;
        m_item.start = *start;
        m_item.zone = ZoneNameOf(m_c, icalcomponent_get_first_property(m_c, ICAL_DTSTART_PROPERTY));
        if (icalcomponent_get_first_property(m_c, ICAL_DTEND_PROPERTY)) {
            const auto end = PropertyTime(m_c, ICAL_DTEND_PROPERTY);
            if (!end) return "DTEND를 읽을 수 없습니다";
            m_item.end = *end;
        } else if (icalproperty* duration = icalcomponent_get_first_property(m_c, ICAL_DURATION_PROPERTY)) {
            const int seconds = icaldurationtype_as_int(icalproperty_get_duration(duration));
            m_item.end = OleFromSeconds(OleToSeconds(*start) + seconds);
        } else {
            m_item.end = isDate ? OleFromSeconds(OleToSeconds(*start) + 86400) : *start;
        }
        if (m_item.end < m_item.start) {
            m_notes.push_back(m_item.Label() + ": 끝이 시작보다 앞이어서 시작에 맞춥니다");
            m_item.end = m_item.start;
        }
        ReadAlarm(m_item.start, m_item.end);
        return {};
    }

    std::string ReadTask()
    {
        if (icalcomponent_get_first_property(m_c, ICAL_DTSTART_PROPERTY)) {
            const auto start = PropertyTime(m_c, ICAL_DTSTART_PROPERTY);
            if (!start) return "DTSTART를 읽을 수 없습니다";
            m_item.startDate = OleDateOnly(*start);
        }
        if (icalcomponent_get_first_property(m_c, ICAL_DUE_PROPERTY)) {
            const auto due = PropertyTime(m_c, ICAL_DUE_PROPERTY);
            if (!due) return "DUE를 읽을 수 없습니다";
            m_item.dueDate = OleDateOnly(*due);
        } else if (icalproperty* duration = icalcomponent_get_first_property(m_c, ICAL_DURATION_PROPERTY);
                   duration && m_item.startDate != kNoDate) {
            const int seconds = icaldurationtype_as_int(icalproperty_get_duration(duration));
            m_item.dueDate = OleDateOnly(OleFromSeconds(OleToSeconds(m_item.startDate) + seconds));
        }
        if (icalproperty* priority = icalcomponent_get_first_property(m_c, ICAL_PRIORITY_PROPERTY))
            m_item.importance = ImportanceOfPriority(icalproperty_get_priority(priority));
        icalproperty* status = icalcomponent_get_first_property(m_c, ICAL_STATUS_PROPERTY);
        const bool statusDone = status && icalproperty_get_status(status) == ICAL_STATUS_COMPLETED;
        const auto completed = PropertyTime(m_c, ICAL_COMPLETED_PROPERTY);
        if (statusDone || completed) {
            m_item.complete = true;
            m_item.completed = completed ? OleDateOnly(*completed) : OleToday();
        }
        const double anchor = m_item.dueDate != kNoDate ? m_item.dueDate : m_item.startDate;
        ReadAlarm(anchor, anchor);
        return {};
    }

    // A display alarm: minutes before an appointment's start, or a task's
    // reminder time.
    void ReadAlarm(double start, double end)
    {
        for (icalcomponent* alarm = icalcomponent_get_first_component(m_c, ICAL_VALARM_COMPONENT); alarm;
             alarm = icalcomponent_get_next_component(m_c, ICAL_VALARM_COMPONENT)) {
            icalproperty* action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
            icalproperty* triggerProperty = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
            if (!action || icalproperty_get_action(action) != ICAL_ACTION_DISPLAY || !triggerProperty) continue;
            const icaltriggertype trigger = icalproperty_get_trigger(triggerProperty);
            std::optional<double> when;
            if (!icaltime_is_null_time(trigger.time)) {
                when = LocalOleFromIcal(trigger.time);
            } else if (start != kNoDate) {
                icalparameter* related = icalproperty_get_first_parameter(triggerProperty, ICAL_RELATED_PARAMETER);
                const bool fromEnd = related && icalparameter_get_related(related) == ICAL_RELATED_END;
                when = OleFromSeconds(OleToSeconds(fromEnd ? end : start) + icaldurationtype_as_int(trigger.duration));
            }
            if (!when) continue;
            if (m_item.task) {
                m_item.reminderSet = true;
                m_item.reminderTime = *when;
            } else {
                const int64_t before = (OleToSeconds(start) - OleToSeconds(*when)) / 60;
                if (before < 0) m_notes.push_back(m_item.Label() + ": 시작 뒤의 알림은 시작 시각으로 옮깁니다");
                m_item.reminderSet = true;
                m_item.reminderMinutes = int32_t(std::clamp<int64_t>(before, 0, 525600));
            }
            return;
        }
    }

    icalcomponent* m_c;
    ImportedItem& m_item;
    std::vector<std::string>& m_notes;
};

// The raw SUMMARY of a component that could not be parsed, for its label.
std::string RawSummary(const std::string& text)
{
    for (const ContentLine& line : UnfoldLines(text))
        if (LineName(line.text) == "SUMMARY") return line.text.substr(ValueColon(line.text) + 1);
    return {};
}

// The VTIMEZONEs of a calendar that the component's TZIDs name.
std::string ZonesNamedIn(const std::string& text, const std::map<std::string, std::string>& zones)
{
    std::string named;
    for (const auto& [tzid, zoneText] : zones)
        if (text.find("TZID=" + tzid) != std::string::npos || text.find("TZID=\"" + tzid + "\"") != std::string::npos)
            named += zoneText;
    return named;
}

std::string ZoneId(const std::string& zoneText)
{
    for (const ContentLine& line : UnfoldLines(zoneText))
        if (LineName(line.text) == "TZID") return line.text.substr(ValueColon(line.text) + 1);
    return {};
}

class CalendarReader {
public:
    CalendarReader(const ScannedCalendar& scanned, size_t index, IcalReading& reading, const ItemTaker& take)
        : m_scanned(scanned), m_index(index), m_reading(reading), m_take(take), m_root(icalcomponent_new_vcalendar())
    {
    }

    void Read()
    {
        for (const ScannedComponent& component : m_scanned.components)
            if (component.name == "VTIMEZONE" && component.problem.empty()) AddZone(component);
        for (const ScannedComponent& component : m_scanned.components)
            if (component.name == "VEVENT" || component.name == "VTODO") ReadItem(component);
    }

private:
    void AddZone(const ScannedComponent& component)
    {
        IcalComponentPtr zone = ParseComponent(component.text);
        if (!zone || icalcomponent_isa(zone.get()) != ICAL_VTIMEZONE_COMPONENT) return;
        if (const std::string id = ZoneId(component.text); !id.empty()) m_zoneTexts[id] = component.text;
        icalcomponent_add_component(m_root.get(), zone.release());
    }

    void ReadItem(const ScannedComponent& scanned)
    {
        ImportedItem fallback;
        fallback.line = scanned.line;
        if (!scanned.problem.empty()) {
            fallback.subject = RawSummary(scanned.text);
            return Skip(fallback, scanned.problem);
        }
        IcalComponentPtr parsed = ParseComponent(scanned.text);
        if (!parsed || icalcomponent_isa(parsed.get()) == ICAL_NO_COMPONENT ||
            icalcomponent_isa(parsed.get()) == ICAL_XROOT_COMPONENT) {
            fallback.subject = RawSummary(scanned.text);
            return Skip(fallback, "iCalendar 내용을 읽을 수 없습니다");
        }
        // Inside the calendar, so that its TZIDs find their VTIMEZONEs.
        icalcomponent* c = parsed.release();
        icalcomponent_add_component(m_root.get(), c);
        ReadParsed(c, scanned);
        icalcomponent_remove_component(m_root.get(), c);
        icalcomponent_free(c);
    }

    void ReadParsed(icalcomponent* c, const ScannedComponent& scanned)
    {
        const std::string where = AtLine(scanned.line);
        NoteParseErrors(c, m_reading.notes, where);
        ComponentReading read;
        read.item.line = scanned.line;
        if (std::string problem = CheckCriticalProperties(c, scanned.text); !problem.empty()) {
            read.item.subject = RawSummary(scanned.text);
            return Skip(read.item, problem);
        }
        read = ReadComponent(c, scanned.line, m_reading.notes);
        if (!read.problem.empty()) return Skip(read.item, read.problem);
        ImportedItem& item = read.item;
        item.source = scanned.text;
        item.sourceZones = ZonesNamedIn(scanned.text, m_zoneTexts);
        item.calendar = m_index;
        m_take(std::move(item));
    }

    void Skip(const ImportedItem& item, const std::string& why)
    {
        ++m_reading.skipped;
        m_reading.notes.push_back(item.Label() + ": " + StringText(IDS_ICAL_NOT_IMPORTED) + why);
    }

    const ScannedCalendar& m_scanned;
    size_t m_index;
    IcalReading& m_reading;
    const ItemTaker& m_take;
    IcalComponentPtr m_root;
    std::map<std::string, std::string> m_zoneTexts;  // by TZID
};

} // namespace

std::string ImportedItem::Label() const
{
    return "'" + (subject.empty() ? std::string("(제목 없음)") : subject) + "' (" + std::to_string(line) + "번째 줄)";
}

ComponentReading ReadComponent(icalcomponent* c, int line, std::vector<std::string>& notes)
{
    ComponentReading read;
    ImportedItem& item = read.item;
    item.line = line;
    ComponentReader reader(c, item, notes);
    read.problem = reader.Read();
    if (!read.problem.empty()) return read;
    const bool completedTask = item.task && item.complete;
    read.problem = completedTask ? std::string()
                                 : reader.ReadRecurrence(item.task ? (item.dueDate != kNoDate ? item.dueDate
                                                                                               : item.startDate)
                                                                   : item.start);
    if (!read.problem.empty()) return read;
    if (item.task && item.pattern && item.dueDate == kNoDate && item.startDate == kNoDate) {
        notes.push_back(item.Label() + ": 날짜 없는 작업은 되풀이할 수 없어 한 번만 가져옵니다");
        item.pattern.reset();
    }
    return read;
}

IcalReading ReadIcal(std::string_view text)
{
    std::vector<ImportedItem> items;
    IcalReading reading = ReadIcal(text, [&](ImportedItem&& item) { items.push_back(std::move(item)); });
    reading.items = std::move(items);
    return reading;
}

IcalReading ReadIcal(std::string_view text, const ItemTaker& take)
{
    IcalReading reading;
    // Many calendar programs start their files with a UTF-8 byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (text.size() > kMaxIcalBytes) {
        reading.error = "파일이 너무 큽니다";
        return reading;
    }
    if (text.find('\0') != std::string_view::npos) {
        reading.error = "iCalendar 파일이 아닙니다 (NUL 문자가 있습니다)";
        return reading;
    }
    IcalScan scan = ScanIcal(text);
    reading.notes = std::move(scan.notes);
    if (scan.calendars.empty()) {
        reading.error = "VCALENDAR가 없습니다";
        return reading;
    }
    for (size_t i = 0; i < scan.calendars.size(); ++i) {
        reading.calendarProperties.push_back(scan.calendars[i].extraProperties);
        CalendarReader(scan.calendars[i], i, reading, take).Read();
    }
    return reading;
}
