#include "agenda/WeekEntries.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "agenda/WeekDates.h"

namespace {

const std::string kMarkerEmptyDay = "(NULL)";
const std::string kMarkerFirstDay = "(E)";
const std::string kMarkerContinued = "<<";

bool IsDateSet(double date) { return date != kNoDate; }

std::optional<SolarDate> DayOfOleDate(double date) {
    const auto record = RecordOfOleDate(date);
    if (!record) return std::nullopt;
    return DateOfRecord(*record);
}

void Put(WeekCells& cells, int offset, ItemEntry entry) {
    if (offset < 0 || offset >= kWeekDays) return;
    cells[static_cast<size_t>(offset)].push_back(std::move(entry));
}

std::string WithPlace(const std::string& subject, const std::string& location,
                      const char* opening) {
    return location.empty() ? subject : subject + opening + location + ")";
}

std::string Printf(const char* format, auto... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

void AddAnniversaryEntries(WeekCells& cells, const WeekContext& week,
                           const std::vector<AnniversaryDayEntry>& entries) {
    for (const AnniversaryDayEntry& day : entries) {
        ItemEntry entry;
        entry.oid = static_cast<CEOID>(day.index);
        entry.kind = kKindAnniversary;
        entry.start = OleDateOfDate(day.date);
        // Only the day itself carries the first-day mark; the neighbour days'
        // texts say "이전"/"다음" themselves.
        if (day.mark == AnniversaryMark::kMain) entry.leadText = kMarkerFirstDay;
        entry.bodyText = day.title;
        entry.color = day.color;
        Put(cells, DaysBetween(week.first, day.date), std::move(entry));
    }
}

void AddAppointmentEntries(WeekCells& cells, const WeekContext& week,
                           const WeekAppointment& appointment) {
    const auto startRecord = RecordOfOleDate(appointment.start);
    const auto endRecord = RecordOfOleDate(appointment.end);
    if (!startRecord || !endRecord) return;  // unreadable dates: left out

    const SolarDate startDay = DateOfRecord(*startRecord);
    SolarDate endDay = DateOfRecord(*endRecord);
    // An all-day item ends at the midnight after its last day.
    if (appointment.allDay) endDay = AddDays(endDay, -1);
    const int first = DaysBetween(week.first, startDay);
    // An end before the start (damaged item) still shows the start day.
    const int last = std::max(first, DaysBetween(week.first, endDay));

    ItemEntry base;
    base.oid = appointment.oid;
    base.kind = kKindAppointment;
    base.start = appointment.start;
    base.color = appointment.color;
    base.marks = (appointment.hasNotes ? kMarkNotes : 0) |
                 (appointment.reminderSet ? kMarkReminder : 0) |
                 (appointment.recurring ? kMarkRecurring : 0);

    const bool hour24 = week.settings.m_24hour != 0;
    const std::string startTime = FormatTimeShort(*startRecord, hour24);
    const std::string endTime = FormatTimeShort(*endRecord, hour24);
    const std::string& subject = appointment.subject;
    const std::string& location = appointment.location;

    for (int day = std::max(first, 0); day <= std::min(last, kWeekDays - 1); ++day) {
        ItemEntry entry = base;
        if (appointment.allDay) {
            entry.leadText = day == first ? kMarkerFirstDay : kMarkerContinued;
            entry.bodyText = WithPlace(subject, location, " (");
            if (day == first && week.settings.m_BoldAllDayEvent != 0) entry.style |= kStyleBold;
        } else if (first == last) {
            entry.leadText = startTime;
            entry.rangeText = startTime + "-" + endTime;
            entry.bodyText = WithPlace(subject, location, " (");
        } else if (day == first) {
            entry.leadText = startTime;
            entry.rangeText = startTime + "-" + endTime;
            entry.bodyText = WithPlace(subject, location, "(");
        } else if (day == last) {
            entry.leadText = kMarkerContinued;
            entry.bodyText = subject + " (~" + endTime + ")";
        } else {
            entry.leadText = kMarkerContinued;
            entry.bodyText = WithPlace(subject, location, " (");
        }
        Put(cells, day, std::move(entry));
    }
}

void AddTaskEntries(WeekCells& cells, const WeekContext& week, const WeekTask& task) {
    // Only 0 to 2 name a picture; anything else is read as normal importance.
    const int importance = task.importance >= 0 && task.importance <= 2 ? task.importance : 1;
    const std::string dated = Printf("(T%d)", importance);
    const std::string undated = Printf("(FT%d)", importance);

    ItemEntry base;
    base.oid = task.oid;
    base.kind = kKindTask;
    base.start = task.startDate;
    base.color = task.color.value_or(0);
    base.bodyText = task.subject;
    base.marks = (task.hasNotes ? kMarkNotes : 0) | (task.reminder ? kMarkReminder : 0) |
                 (task.recurring ? kMarkRecurring : 0) |
                 (importance == 2 ? kMarkHighImportance : 0) |
                 (importance == 0 ? kMarkLowImportance : 0);
    if (week.settings.m_BoldImportantTask != 0 && importance == 2) base.style |= kStyleBold;

    const auto start = IsDateSet(task.startDate) ? DayOfOleDate(task.startDate) : std::nullopt;
    const auto due = IsDateSet(task.dueDate) ? DayOfOleDate(task.dueDate) : std::nullopt;
    auto offset = [&](const SolarDate& day) { return DaysBetween(week.first, day); };
    auto inWeek = [&](const SolarDate& day) { return offset(day) >= 0 && offset(day) < kWeekDays; };
    auto fromToday = [&](const SolarDate& day) { return DaysBetween(week.today, day); };

    if (task.complete) {
        const auto completed = DayOfOleDate(task.completedDate);
        if (!completed) return;
        ItemEntry entry = base;
        entry.leadText = start || due ? dated : undated;
        entry.style |= kStyleCompleted;
        entry.color = kCompletedTaskColor;
        Put(cells, offset(*completed), std::move(entry));
        return;
    }

    if (start && week.settings.m_ShowTaskStart != 0 && inWeek(*start) && fromToday(*start) > 0) {
        ItemEntry entry = base;
        entry.leadText = dated;
        if (due) entry.bodyText = task.subject + Printf("(~%d/%d)", due->month, due->day);
        Put(cells, offset(*start), std::move(entry));
    }

    if (due && inWeek(*due)) {
        ItemEntry entry = base;
        entry.leadText = dated;
        if (fromToday(*due) < 0) entry.color = kOverdueTaskColor;
        Put(cells, offset(*due), std::move(entry));
    }

    if (!inWeek(week.today)) return;
    const int todayCell = offset(week.today);
    ItemEntry entry = base;
    if (!due) {
        // Undated or starting today or later: "(FT)". Started already, with no
        // due date to count to: the plain title under a dated mark.
        entry.leadText = start && fromToday(*start) < 0 ? dated : undated;
        Put(cells, todayCell, std::move(entry));
        return;
    }
    if (start && fromToday(*start) > 0) return;  // not begun yet
    const int daysLeft = fromToday(*due);
    if (daysLeft == 0) return;  // shown on today's cell as its due day
    entry.leadText = dated;
    if (daysLeft < 0) {
        entry.bodyText = task.subject + Printf("(+%dd)", -daysLeft);
        entry.color = kOverdueTaskColor;
    } else {
        entry.bodyText = task.subject + Printf("(%dd)", daysLeft);
    }
    Put(cells, todayCell, std::move(entry));
}

bool TaskShowsInWeek(const WeekContext& week, const WeekTask& task) {
    auto inWeek = [&](const std::optional<SolarDate>& day) {
        if (!day) return false;
        const int offset = DaysBetween(week.first, *day);
        return offset >= 0 && offset < kWeekDays;
    };
    const auto dayOf = [](double date) { return IsDateSet(date) ? DayOfOleDate(date) : std::nullopt; };
    if (task.complete) return inWeek(DayOfOleDate(task.completedDate));
    const auto start = dayOf(task.startDate);
    const auto due = dayOf(task.dueDate);
    const bool startsLater = start && DaysBetween(week.today, *start) > 0;
    if (start && week.settings.m_ShowTaskStart != 0 && inWeek(start) && startsLater) return true;
    if (inWeek(due)) return true;
    // Today's cell: every open task without a due date, and one with a due
    // date that has begun and is not due today.
    if (!inWeek(week.today)) return false;
    if (!due) return true;
    return !startsLater && DaysBetween(week.today, *due) != 0;
}

void AddEmptyDayPlaceholders(WeekCells& cells) {
    for (std::vector<ItemEntry>& cell : cells) {
        if (!cell.empty()) continue;
        ItemEntry placeholder;
        placeholder.kind = 0;  // no item
        placeholder.leadText = kMarkerEmptyDay;
        cell.push_back(std::move(placeholder));
    }
}

WeekCells CollectWeekEntries(const WeekContext& week, const AnniversaryList& anniversaries,
                             const std::vector<WeekAppointment>& appointments,
                             const std::vector<WeekTask>& tasks) {
    WeekCells cells;
    AddAnniversaryEntries(cells, week, AnniversaryEntriesInRange(anniversaries, week.first, kWeekDays,
                                                             {week.settings.m_ShowHolidays != 0,
                                                              AgeCountingFromSetting(week.settings.m_AgeCount)}));
    for (const WeekAppointment& appointment : appointments)
        AddAppointmentEntries(cells, week, appointment);
    for (const WeekTask& task : tasks) AddTaskEntries(cells, week, task);
    AddEmptyDayPlaceholders(cells);
    return cells;
}

WeekCells CollectWeekFromSource(const WeekContext& week, TimeValue weekStart, TimeValue weekEnd,
                                WeekItemSource& source, const AnniversaryList& anniversaries) {
    const std::vector<WeekAppointment> appointments = source.FindAppointments(weekStart, weekEnd);
    std::vector<WeekTask> tasks;
    if (week.settings.m_HideAllTask == 0) tasks = source.ReadTasks(weekStart, weekEnd, week.settings);
    for (WeekTask& task : tasks)
        if (!task.color && TaskShowsInWeek(week, task)) task.color = source.TaskColor(task.oid);
    return CollectWeekEntries(week, anniversaries, appointments, tasks);
}
