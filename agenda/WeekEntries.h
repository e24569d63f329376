// Collecting a week's entries into its seven day cells: anniversaries first
// (with the marks of the days before and after), then appointments in start
// order, then tasks in display order; a day left empty gets a placeholder.
#pragma once

#include <array>
#include <vector>

#include "agenda/WeekDates.h"
#include "agenda/WeekItemSource.h"
#include "calendar/AnniversaryDayEntries.h"
#include "pim/session/ItemModel.h"
#include "settings/Settings.h"

using WeekCells = std::array<std::vector<ItemEntry>, kWeekDays>;

// What the entries depend on besides the items.
struct WeekContext {
    SolarDate first;  // the week's first day
    SolarDate today;
    Settings settings;
};

// Anniversary entries of the week, as AnniversaryEntriesInRange gives them
// for the seven days from the first (neighbour days included).
void AddAnniversaryEntries(WeekCells& cells, const WeekContext& week,
                           const std::vector<AnniversaryDayEntry>& entries);
void AddAppointmentEntries(WeekCells& cells, const WeekContext& week,
                           const WeekAppointment& appointment);
void AddTaskEntries(WeekCells& cells, const WeekContext& week, const WeekTask& task);
// Whether AddTaskEntries gives the task any entry in the week.
bool TaskShowsInWeek(const WeekContext& week, const WeekTask& task);
// "(NULL)" with no item in every cell that has nothing.
void AddEmptyDayPlaceholders(WeekCells& cells);

// All of the above in order.
WeekCells CollectWeekEntries(const WeekContext& week, const AnniversaryList& anniversaries,
                             const std::vector<WeekAppointment>& appointments,
                             const std::vector<WeekTask>& tasks);

// The week from weekStart to weekEnd (local midnight of its first day, last
// second of its seventh) as the week view shows it: the source's appointments
// and tasks (none with "HideAllTask"), the colours of the tasks that show,
// and the anniversaries.
WeekCells CollectWeekFromSource(const WeekContext& week, TimeValue weekStart, TimeValue weekEnd,
                                WeekItemSource& source, const AnniversaryList& anniversaries);
