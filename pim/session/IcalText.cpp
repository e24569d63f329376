#include "pim/session/IcalText.h"

#include <cstring>

#include "resources/StringTable.h"

namespace {

// Stands for an empty value while libical parses; no client writes it.
constexpr char kEmptyValue[] = "X-DAYVANE-EMPTY-VALUE-7d1f";

std::string AtLine(int line, const std::string& what)
{
    return std::to_string(line) + "번째 줄: " + what;
}

bool IsCalendarHeader(const std::string& name)
{
    return name == "VERSION" || name == "PRODID" || name == "CALSCALE" || name == "METHOD";
}

// Puts back the empty values that stood in for them while parsing.
void RestoreEmptyValues(icalcomponent* c)
{
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_ANY_PROPERTY)) {
        icalvalue* value = icalproperty_get_value(p);
        const char* text = value ? icalvalue_as_ical_string(value) : nullptr;
        if (!text || std::strcmp(text, kEmptyValue) != 0) continue;
        if (icalvalue* empty = icalvalue_new_from_string(icalvalue_isa(value), "")) icalproperty_set_value(p, empty);
    }
    for (icalcomponent* child = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); child;
         child = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT))
        RestoreEmptyValues(child);
}

class Scanner {
public:
    explicit Scanner(IcalScan& scan) : m_scan(scan) {}

    void Line(const ContentLine& content)
    {
        const std::string_view text = content.text;
        if (text.empty()) return;
        const size_t colon = ValueColon(text);
        if (colon == std::string_view::npos) {
            m_scan.notes.push_back(AtLine(content.line, StringText(IDS_ICAL_NOT_A_PROPERTY)));
            return;
        }
        const std::string name = LineName(text);
        const std::string value = UpperAscii(text.substr(colon + 1));
        if (name == "BEGIN") return Begin(content, value);
        if (name == "END") return End(content, value);
        if (!m_calendar) {
            m_scan.notes.push_back(AtLine(content.line, StringText(IDS_ICAL_OUTSIDE_CALENDAR)));
            return;
        }
        if (m_open.empty()) {
            if (!IsCalendarHeader(name)) m_calendar->extraProperties.append(text).append("\r\n");
            return;
        }
        Append(text);
    }

    void Finish(int lastLine)
    {
        if (!m_open.empty()) Break(lastLine, "END:" + m_open.front() + StringText(IDS_ICAL_MISSING_END));
        CloseComponent();
        if (m_calendar) m_scan.notes.push_back(AtLine(lastLine, StringText(IDS_ICAL_CALENDAR_UNCLOSED)));
        m_calendar = nullptr;
    }

private:
    void Begin(const ContentLine& content, const std::string& value)
    {
        if (!m_calendar) {
            if (value != "VCALENDAR") {
                m_scan.notes.push_back(AtLine(content.line, StringText(IDS_ICAL_OUTSIDE_CALENDAR)));
                return;
            }
            m_calendar = &m_scan.calendars.emplace_back();
            m_calendar->line = content.line;
            return;
        }
        // A component that begins where only a top-level one may: the one
        // still open lost its END.
        if (!m_open.empty() && (value == "VCALENDAR" || value == "VEVENT" || value == "VTODO" ||
                                value == "VTIMEZONE" || value == "VJOURNAL" || value == "VFREEBUSY")) {
            Break(content.line, "END:" + m_open.front() + StringText(IDS_ICAL_MISSING_END));
            CloseComponent();
        }
        if (value == "VCALENDAR") {
            m_scan.notes.push_back(AtLine(content.line, StringText(IDS_ICAL_CALENDAR_UNCLOSED)));
            m_calendar = &m_scan.calendars.emplace_back();
            m_calendar->line = content.line;
            return;
        }
        if (m_open.empty()) {
            m_component = &m_calendar->components.emplace_back();
            m_component->name = value;
            m_component->line = content.line;
        }
        m_open.push_back(value);
        Append(content.text);
    }

    void End(const ContentLine& content, const std::string& value)
    {
        if (!m_calendar) {
            m_scan.notes.push_back(AtLine(content.line, StringText(IDS_ICAL_OUTSIDE_CALENDAR)));
            return;
        }
        if (value == "VCALENDAR") {
            if (!m_open.empty()) {
                Break(content.line, "END:" + m_open.front() + StringText(IDS_ICAL_MISSING_END));
                CloseComponent();
            }
            m_calendar = nullptr;
            return;
        }
        size_t depth = m_open.size();
        while (depth > 0 && m_open[depth - 1] != value) --depth;
        if (depth == 0) {
            // Nothing open by that name: a stray line, skipped.
            m_scan.notes.push_back(AtLine(content.line, "END:" + value + StringText(IDS_ICAL_END_WITHOUT_BEGIN)));
            return;
        }
        if (depth != m_open.size()) Break(content.line, "END:" + m_open.back() + StringText(IDS_ICAL_MISSING_END));
        m_open.resize(depth - 1);
        Append(content.text);
        if (m_open.empty()) CloseComponent();
    }

    void Append(std::string_view text)
    {
        if (m_component) m_component->text.append(text).append("\r\n");
    }

    void Break(int line, const std::string& problem)
    {
        if (m_component && m_component->problem.empty()) m_component->problem = AtLine(line, problem);
    }

    void CloseComponent()
    {
        m_component = nullptr;
        m_open.clear();
    }

    IcalScan& m_scan;
    ScannedCalendar* m_calendar = nullptr;
    ScannedComponent* m_component = nullptr;  // the top-level component being read
    std::vector<std::string> m_open;          // its BEGIN names, outermost first
};

} // namespace

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return upper;
}

std::vector<ContentLine> UnfoldLines(std::string_view text)
{
    std::vector<ContentLine> lines;
    int number = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // A line starting with a space or tab continues the one before.
        if (!line.empty() && (line[0] == ' ' || line[0] == '\t') && !lines.empty()) {
            lines.back().text.append(line.substr(1));
            continue;
        }
        if (line.empty()) continue;
        lines.push_back({number, std::string(line)});
    }
    return lines;
}

size_t ValueColon(std::string_view line)
{
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        else if (line[i] == ':' && !quoted) return i;
    }
    return std::string_view::npos;
}

std::string LineName(std::string_view line)
{
    const size_t end = line.find_first_of(";:");
    return UpperAscii(line.substr(0, end));
}

IcalScan ScanIcal(std::string_view text)
{
    IcalScan scan;
    Scanner scanner(scan);
    const std::vector<ContentLine> lines = UnfoldLines(text);
    for (const ContentLine& line : lines) scanner.Line(line);
    scanner.Finish(lines.empty() ? 0 : lines.back().line);
    return scan;
}

IcalComponentPtr ParseComponent(const std::string& text)
{
    std::string prepared;
    prepared.reserve(text.size() + 64);
    bool stoodIn = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        prepared.append(line);
        if (!line.empty() && ValueColon(line) == line.size() - 1) {
            prepared.append(kEmptyValue);
            stoodIn = true;
        }
        prepared.append("\r\n");
    }
    IcalComponentPtr component(icalparser_parse_string(prepared.c_str()));
    // Writing every value out to look for the stand-in costs more than parsing.
    if (component && stoodIn) RestoreEmptyValues(component.get());
    return component;
}
