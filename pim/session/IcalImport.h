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
    int updated = 0;  // of those, items the store held under the same UID
    int skipped = 0;  // events and to-dos not imported, each with a note
    // One line per item left out or changed on the way, naming the item.
    std::vector<std::string> notes;
};

// Imports what can be read in one transaction; a broken event or to-do is
// left out with a note. Without `commit` the transaction is rolled back at
// the end (a dry run).
IcalImportReport ImportIcal(PoomApplication& app, std::string_view text, bool commit = true);
