// The texts of the Today items: times on the 12-hour clock, the day prefixes
// in front of an entry and the importance marks of tasks.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/CivilDate.h"

// "오전9:05", "오후1:05"; hour 0-23.
std::string FormatTodayTime(int hour, int minute);

// In front of an entry starting `daysAhead` calendar days from today on
// `day`: "<< " before today, nothing today, "내일(월):", "3일후(목):".
std::string DayPrefix(int32_t daysAhead, const SolarDate& day);

// In front of a task due `daysAhead` days from today: "3일후(목):" (also for
// tomorrow), "2일지연:" when overdue, nothing when due today.
std::string DuePrefix(int32_t daysAhead, const SolarDate& dueDay);

// "↑" for high importance, "↓" for low, nothing for normal.
std::string ImportanceMark(int32_t importance);

// "일" .. "토" for Sunday = 1 .. Saturday = 7.
std::string WeekdayName(int32_t weekday);
