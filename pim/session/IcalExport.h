// Writing the store's appointments and tasks as an iCalendar file (RFC 5545)
// that the import reads back into the same items.
#pragma once

#include <string>
#include <vector>

#include "platform/store/PimTypes.h"

class PoomApplication;

struct IcalExportResult {
    bool ok = false;
    std::string error;
    std::string text;
    int appointments = 0;
    int tasks = 0;
    // One line per item left out, naming it.
    std::vector<std::string> notes;
};

IcalExportResult ExportIcal(PoomApplication& app);
// The given items, each with its changed occurrences; unknown Oids are left out.
IcalExportResult ExportIcalItems(PoomApplication& app, const std::vector<CEOID>& oids);
