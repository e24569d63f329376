// What the Today task item lists: open tasks that have begun (or have no
// start), high importance first, then by due date, each with its importance
// mark and how many days remain until it is due or how late it is.
#pragma once

#include "platform/store/PimDatabase.h"
#include "today/listing/TodayEntry.h"
#include "today/listing/TodaySettings.h"

// `tasksDb` is the open "Tasks Database" (kInvalidDbHandle lists nothing).
TodayEntries LoadTodayTasks(const TodayTaskOptions& options, const TodayClock& clock, CEDBHANDLE tasksDb);
