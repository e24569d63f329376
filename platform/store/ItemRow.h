// Items as the store keeps them: one row per appointment or task, one per
// changed or deleted occurrence of a series.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/store/PimTypes.h"
#include "platform/store/Recurrence.h"

using Bytes = std::vector<uint8_t>;

// An item's zone: empty for the device's (items stored before zones were
// kept), floating, UTC, or an IANA zone name.
inline constexpr char kFloatingZone[] = "floating";
inline constexpr char kUtcZone[] = "UTC";

struct ItemRow {
    CEOID oid = 0;  // 0 until first saved
    ItemKind kind = ItemKind::Appointment;
    std::string subject;
    std::string location;
    // Appointments.
    double start = 0;
    double end = 0;
    bool allDay = false;
    bool reminderSet = false;
    int32_t reminderMinutes = 15;
    // Tasks.
    double reminderTime = kNoDate;
    double startDate = kNoDate;
    double dueDate = kNoDate;
    double dateCompleted = kNoDate;
    bool complete = false;
    int32_t importance = olImportanceNormal;
    // Both; property 0x001E. Loaded on first use (`notesLoaded`).
    Bytes notes;
    bool notesLoaded = true;

    std::string zone;
    RecurrenceFields pattern;
    // Set for a series no pattern holds (pattern type olRecursUnsupported): its
    // DTSTART and rule lines as iCalendar text.
    std::string ruleIcal;
    double lastStart = kNoDate;  // the series' last occurrence start; kNoDate: endless
    double spanFirst = 0;        // earliest start and latest end over all occurrences
    double spanLast = 0;
};

// A changed or deleted occurrence, keyed by its original start (seconds since
// 30 December 1899, exact).
struct ExceptionRow {
    CEOID series = 0;
    int64_t original = 0;
    bool deleted = false;
    std::string subject;
    std::string location;
    double start = 0;
    double end = 0;
    bool allDay = false;
    bool reminderSet = false;
    int32_t reminderMinutes = 15;
    std::optional<Bytes> notes;  // empty: the series' notes
};
