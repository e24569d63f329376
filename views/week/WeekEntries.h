// Collecting a week's entries into its seven day cells: anniversaries first
// (with the marks of the days before and after), then appointments in start
// order, then tasks in display order; a day left empty gets a placeholder.
#pragma once

#include <array>
#include <vector>

#include "settings/Settings.h"
#include "calendar/AnniversaryDayEntries.h"
#include "pim/session/ItemModel.h"
#include "views/week/WeekItemSource.h"
#include "views/week/WeekLayout.h"

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
// Whether the task shows anywhere in the week.
bool TaskShowsInWeek(const WeekContext& week, const WeekTask& task);
// "(NULL)" with no item in every cell that has nothing.
void AddEmptyDayPlaceholders(WeekCells& cells);

// All of the above in order.
WeekCells CollectWeekEntries(const WeekContext& week, const AnniversaryList& anniversaries,
                             const std::vector<WeekAppointment>& appointments,
                             const std::vector<WeekTask>& tasks);
