// iCalendar text before libical sees it: unfolding (RFC 5545 3.1), content
// lines, and the calendars' top-level components, each on its own so that a
// broken one costs only itself. Also the lenient parse of one component that
// keeps properties with empty values.
#pragma once

#include <libical/ical.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct IcalComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using IcalComponentPtr = std::unique_ptr<icalcomponent, IcalComponentDeleter>;

// One unfolded content line and the physical line it began on.
struct ContentLine {
    int line = 0;
    std::string text;
};

// A top-level component of a calendar (VEVENT, VTODO, VTIMEZONE, ...).
struct ScannedComponent {
    std::string name;  // upper case
    int line = 0;      // of its BEGIN
    std::string text;  // unfolded lines with CRLF, BEGIN to END
    std::string problem;  // set: its structure is broken, it cannot be read
};

struct ScannedCalendar {
    int line = 0;
    // Calendar properties other than VERSION, PRODID, CALSCALE and METHOD
    // (X-WR-CALNAME and the like), unfolded, with CRLF.
    std::string extraProperties;
    std::vector<ScannedComponent> components;
};

struct IcalScan {
    std::vector<ScannedCalendar> calendars;
    std::vector<std::string> notes;  // lines that were skipped, and why
};

std::vector<ContentLine> UnfoldLines(std::string_view text);

// The position of the ':' that ends a content line's name and parameters
// (quoted parameter values may hold ':'); npos when there is none.
size_t ValueColon(std::string_view line);
// The property or component name of a content line, upper case.
std::string LineName(std::string_view line);

IcalScan ScanIcal(std::string_view text);

// Parses one component's text. Empty property values are legal and kept
// empty (libical alone drops such a property with an error).
IcalComponentPtr ParseComponent(const std::string& text);

// Upper case of ASCII letters.
std::string UpperAscii(std::string_view text);
