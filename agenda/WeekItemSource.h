// Where the week's appointments and tasks come from, and how a task's
// completion is flipped: the store session in the application and the
// command-line tool, a plain list in tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pim/session/ItemModel.h"
#include "pim/time/TimeValue.h"
#include "pim/session/ColorRef.h"

struct Settings;

// One occurrence of an appointment as the week view reads it.
struct WeekAppointment {
    CEOID oid = kNoItem;
    std::string subject;   // UTF-8
    std::string location;  // UTF-8
    double start = 0;      // OLE dates, local time
    double end = 0;
    bool allDay = false;
    bool reminderSet = false;
    bool recurring = false;
    bool hasNotes = false;
    ColorRef color = 0;
};

// One task of the week's task scan; dates are OLE dates or kNoDate.
struct WeekTask : TaskRecord {
    // None when the source leaves it to TaskColor: most tasks of a week's
    // scan show no entry, and the colour is the dearest thing to read.
    std::optional<ColorRef> color;
};

class WeekItemSource {
public:
    virtual ~WeekItemSource() = default;

    // The occurrences that touch the week, in start order. A failed search
    // gives none; the week is still shown.
    virtual std::vector<WeekAppointment> FindAppointments(TimeValue weekStart,
                                                          TimeValue weekEnd) = 0;
    // The tasks the week shows, in display order (open before completed, then
    // by importance and due date).
    virtual std::vector<WeekTask> ReadTasks(TimeValue weekStart, TimeValue weekEnd,
                                            const Settings& settings) = 0;
    // The colour of a task whose record came without one; asked only for
    // tasks that show in the week.
    virtual ColorRef TaskColor(CEOID /*oid*/) { return 0; }
    // Marks an open task complete or a complete one open again; a completed
    // task that does not recur gets `day` as its completion date. False when
    // the task cannot be fetched or saved.
    virtual bool ToggleTaskCompletion(CEOID oid, TimeValue day) = 0;
};
