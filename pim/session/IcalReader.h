// The first half of an import: an iCalendar text checked and read into plain
// items, before anything touches the store.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

    std::string Label() const;  // for messages: its title and line
};

struct IcalReading {
    std::string error;  // set: the file cannot be read, nothing is imported
    std::vector<ImportedItem> items;
    std::vector<std::string> notes;
};

IcalReading ReadIcal(std::string_view text);

inline constexpr size_t kMaxIcalBytes = 64 * 1024 * 1024;
