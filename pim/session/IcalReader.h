// The first half of an import: an iCalendar text checked and read into plain
// items, before anything touches the store. A broken component costs only
// itself; the file as a whole is refused only when it holds no calendar.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <libical/ical.h>

#include "platform/store/ItemRow.h"
#include "platform/store/Recurrence.h"

struct ImportedItem {
    bool task = false;
    int line = 0;  // of its BEGIN line
    std::string uid;
    std::string subject;
    std::string location;
    std::optional<Bytes> notes;
    std::optional<uint32_t> color;
    // Appointments.
    bool allDay = false;
    double start = 0;
    double end = 0;
    bool reminderSet = false;
    int32_t reminderMinutes = 15;
    // Tasks.
    double startDate = kNoDate;
    double dueDate = kNoDate;
    double completed = kNoDate;
    bool complete = false;
    int32_t importance = 1;
    double reminderTime = kNoDate;
    // Series and their changed occurrences.
    std::string zone;  // ItemRow's forms
    std::optional<RecurrenceFields> pattern;
    std::string ruleIcal;  // a series no pattern holds
    std::vector<double> exdates;
    std::optional<double> recurrenceId;
    // The component as the file had it (unfolded), with the zones it names,
    // and the calendar it came from (an index into IcalReading).
    std::string source;
    std::string sourceZones;
    size_t calendar = 0;

    std::string Label() const;  // for messages: its title and line
};

struct IcalReading {
    std::string error;  // set: the file cannot be read, nothing is imported
    std::vector<ImportedItem> items;
    std::vector<std::string> notes;
    int skipped = 0;  // events and to-dos left out, each with a note
    // Each calendar's own properties (X-WR-CALNAME, ...) as content lines.
    std::vector<std::string> calendarProperties;
};

IcalReading ReadIcal(std::string_view text);
// The same, handing each item to `take` in file order as soon as it is read;
// the reading returned holds everything but the items.
using ItemTaker = std::function<void(ImportedItem&&)>;
IcalReading ReadIcal(std::string_view text, const ItemTaker& take);

// One event or to-do read on its own, as the import would (its zones looked
// up through its parents); empty `problem` when it was read.
struct ComponentReading {
    ImportedItem item;
    std::string problem;
};
ComponentReading ReadComponent(icalcomponent* component, int line, std::vector<std::string>& notes);

inline constexpr size_t kMaxIcalBytes = 64 * 1024 * 1024;
