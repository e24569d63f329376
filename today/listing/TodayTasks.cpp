#include "today/listing/TodayTasks.h"

#include <algorithm>

#include "pim/session/PimSession.h"
#include "pim/session/TaskScan.h"
#include "platform/store/OleTime.h"
#include "today/listing/TodayText.h"

namespace {

std::string TaskText(const TaskRecord& task, const SolarDate& today)
{
    std::string text = ImportanceMark(task.importance) + task.subject;
    if (task.dueDate == kNoDate) return text;
    const auto due = OleToSystemTime(task.dueDate);
    if (!due) return text;
    const SolarDate dueDay{due->wYear, due->wMonth, due->wDay};
    return DuePrefix(CalendarDaysBetween(today, dueDay), dueDay) + text;
}

} // namespace

TodayEntries LoadTodayTasks(const TodayTaskOptions& options, const TodayClock& clock, CEDBHANDLE tasksDb)
{
    TodayEntries entries;
    const auto endOfToday = OleFromFields(clock.today.year, clock.today.month, clock.today.day, 23, 59, 59);
    if (!endOfToday || options.itemCount <= 0) return entries;
    std::vector<TaskRecord> tasks = ScanTaskDatabase(tasksDb, [&](const TaskRecord& task) {
        if (task.complete) return false;
        if (task.startDate != kNoDate && task.startDate > *endOfToday) return false;
        return !(options.hideUndated && task.startDate == kNoDate && task.dueDate == kNoDate);
    });
    // Open tasks only, so the week's order is the item's: importance, then due
    // date, a missing one latest; ties keep database order.
    std::stable_sort(tasks.begin(), tasks.end(), TaskGoesBefore);
    if (tasks.size() > static_cast<size_t>(options.itemCount)) tasks.resize(static_cast<size_t>(options.itemCount));
    for (const TaskRecord& task : tasks)
        entries.push_back({static_cast<int32_t>(task.oid), 0, 0, 0, TaskText(task, clock.today), {}});
    return entries;
}
