#include "pim/session/IcalReader.h"

#include <libical/ical.h>

#include <algorithm>
#include <cctype>
#include <memory>

#include "pim/session/Base64.h"
#include "pim/session/CssColors.h"
#include "pim/session/IcalRecurrence.h"
#include "pim/session/IcalTime.h"
#include "pim/session/NotesText.h"
#include "platform/store/OleTime.h"

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string AtLine(int line) { return std::to_string(line) + "번째 줄: "; }

// Checks that BEGIN and END pair up and that every line is a property; notes
// the BEGIN line of each event and to-do of a calendar, in order.
bool CheckStructure(std::string_view text, std::vector<int>& itemLines, std::string& error)
{
    std::vector<std::string> open;
    bool sawCalendar = false;
    int number = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == ' ' || line[0] == '\t') continue;  // blank, or a folded continuation
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            error = AtLine(number) + "속성 줄이 아닙니다 (':'가 없습니다)";
            return false;
        }
        const std::string name = Upper(line.substr(0, std::min(colon, line.find(';'))));
        const std::string value = Upper(line.substr(colon + 1));
        if (name == "BEGIN") {
            if (open.empty() && value != "VCALENDAR") {
                error = AtLine(number) + "BEGIN:VCALENDAR가 와야 합니다";
                return false;
            }
            if (open.size() == 1 && (value == "VEVENT" || value == "VTODO")) itemLines.push_back(number);
            open.push_back(value);
            sawCalendar = true;
        } else if (name == "END") {
            if (open.empty() || open.back() != value) {
                error = AtLine(number) + "END:" + value + "가 " +
                        (open.empty() ? std::string("BEGIN 없이 왔습니다") : "BEGIN:" + open.back() + "와 맞지 않습니다");
                return false;
            }
            open.pop_back();
        } else if (open.empty()) {
            error = AtLine(number) + "VCALENDAR 밖의 내용입니다";
            return false;
        }
    }
    if (!open.empty()) {
        error = "파일이 END:" + open.back() + " 없이 끝났습니다";
        return false;
    }
    if (!sawCalendar) {
        error = "VCALENDAR가 없습니다";
        return false;
    }
    return true;
}

// Values libical could not read make the file unreadable; unknown names and
// parameters are only told.
std::string ParseErrors(icalcomponent* component, std::vector<std::string>& notes, const std::string& where)
{
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        const char* text = icalproperty_get_xlicerror(p);
        icalparameter* type = icalproperty_get_first_parameter(p, ICAL_XLICERRORTYPE_PARAMETER);
        const auto kind = type ? icalparameter_get_xlicerrortype(type) : ICAL_XLICERRORTYPE_NONE;
        const std::string message = where + (text ? text : "읽을 수 없는 내용");
        if (kind == ICAL_XLICERRORTYPE_VALUEPARSEERROR || kind == ICAL_XLICERRORTYPE_COMPONENTPARSEERROR)
            return message;
        notes.push_back(message + " (무시합니다)");
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
        if (x && Upper(x) == name) return p;
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

void ReadCalendar(icalcomponent* calendar, const std::vector<int>& itemLines, size_t& next, IcalReading& reading)
{
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(c);
        if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VTODO_COMPONENT) continue;
        ImportedItem item;
        item.line = next < itemLines.size() ? itemLines[next] : 0;
        ++next;
        const std::string where = AtLine(item.line);
        reading.error = ParseErrors(c, reading.notes, where);
        if (!reading.error.empty()) return;
        ComponentReader reader(c, item, reading.notes);
        const std::string problem = reader.Read();
        if (!problem.empty()) {
            reading.error = where + problem;
            return;
        }
        const std::string unsupported = item.task && item.complete ? std::string() : reader.ReadRecurrence(
                                            item.task ? (item.dueDate != kNoDate ? item.dueDate : item.startDate)
                                                      : item.start);
        if (!unsupported.empty()) {
            reading.notes.push_back(item.Label() + ": 가져오지 않았습니다: " + unsupported);
            continue;
        }
        if (item.task && item.pattern && item.dueDate == kNoDate && item.startDate == kNoDate) {
            reading.notes.push_back(item.Label() + ": 날짜 없는 작업은 되풀이할 수 없어 한 번만 가져옵니다");
            item.pattern.reset();
        }
        reading.items.push_back(std::move(item));
    }
}

} // namespace

std::string ImportedItem::Label() const
{
    return "'" + (subject.empty() ? std::string("(제목 없음)") : subject) + "' (" + std::to_string(line) + "번째 줄)";
}

IcalReading ReadIcal(std::string_view text)
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
    std::vector<int> itemLines;
    if (!CheckStructure(text, itemLines, reading.error)) return reading;
    const std::string copy(text);
    ComponentPtr root(icalparser_parse_string(copy.c_str()));
    if (!root) {
        reading.error = "iCalendar 내용을 읽을 수 없습니다";
        return reading;
    }
    size_t next = 0;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        reading.error = ParseErrors(root.get(), reading.notes, "VCALENDAR: ");
        if (reading.error.empty()) ReadCalendar(root.get(), itemLines, next, reading);
    } else {
        for (icalcomponent* c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             c && reading.error.empty(); c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            ReadCalendar(c, itemLines, next, reading);
    }
    if (!reading.error.empty()) reading.items.clear();
    return reading;
}
