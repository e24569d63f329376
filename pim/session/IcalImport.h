// Reading an iCalendar file (RFC 5545) into the store: events and to-dos with
// their alarms, recurrence rules, exceptions, priority, completion and colour.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class PoomApplication;

struct IcalImportReport {
    bool ok = false;
    std::string error;  // why nothing was imported, with the line
    int appointments = 0;
    int tasks = 0;
    // One line per item left out or changed on the way, naming the item.
    std::vector<std::string> notes;
};

// Imports everything or nothing: one transaction. Without `commit` the
// transaction is rolled back at the end (a dry run).
IcalImportReport ImportIcal(PoomApplication& app, std::string_view text, bool commit = true);
