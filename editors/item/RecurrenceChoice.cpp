#include "editors/item/RecurrenceChoice.h"

#include <optional>

#include "platform/store/OleTime.h"
#include "platform/store/PoomItem.h"
#include "platform/store/PoomRecurrencePattern.h"

namespace {

constexpr int32_t kTypeDaily = 0;
constexpr int32_t kTypeWeekly = 1;
constexpr int32_t kTypeMonthly = 2;
constexpr int32_t kTypeYearly = 5;

int32_t WeekdayMask(const SYSTEMTIME& day) { return 1 << day.wDayOfWeek; }

int SimpleChoice(const PoomRecurrencePattern& pattern, const SYSTEMTIME& start)
{
    switch (pattern.RecurrenceType()) {
    case kTypeDaily:
        return pattern.Interval() == 1 ? kRecurrenceDaily : kRecurrenceCustom;
    case kTypeWeekly:
        return pattern.Interval() == 1 && pattern.DayOfWeekMask() == WeekdayMask(start) ? kRecurrenceWeekly
                                                                                         : kRecurrenceCustom;
    case kTypeMonthly:
        return pattern.Interval() == 1 && pattern.DayOfMonth() == start.wDay ? kRecurrenceMonthly
                                                                              : kRecurrenceCustom;
    case kTypeYearly:
        return pattern.MonthOfYear() == start.wMonth && pattern.DayOfMonth() == start.wDay ? kRecurrenceYearly
                                                                                            : kRecurrenceCustom;
    default:
        return kRecurrenceCustom;
    }
}

}  // namespace

int DeriveRecurrenceChoice(PoomItem& item, double start)
{
    if (!item.IsRecurring())
        return kRecurrenceNone;
    PoomRecurrencePattern* pattern = item.GetRecurrencePattern();
    const std::optional<SYSTEMTIME> startDay = OleToSystemTime(start);
    if (pattern == nullptr || !startDay)
        return kRecurrenceCustom;
    if (OleDateOnly(pattern->PatternStartDate()) != OleDateOnly(start) || !pattern->NoEndDate())
        return kRecurrenceCustom;
    return SimpleChoice(*pattern, *startDay);
}

void WriteRecurrenceChoice(PoomItem& item, int choice, double start)
{
    if (choice == kRecurrenceCustom)
        return;
    if (choice == kRecurrenceNone) {
        if (item.IsRecurring())
            item.ClearRecurrencePattern();
        return;
    }
    PoomRecurrencePattern* pattern = item.GetRecurrencePattern();
    const std::optional<SYSTEMTIME> startDay = OleToSystemTime(start);
    if (pattern == nullptr || !startDay)
        return;
    switch (choice) {
    case kRecurrenceDaily:
        pattern->SetRecurrenceType(kTypeDaily);
        break;
    case kRecurrenceWeekly:
        pattern->SetRecurrenceType(kTypeWeekly);
        pattern->SetDayOfWeekMask(WeekdayMask(*startDay));
        break;
    case kRecurrenceMonthly:
        pattern->SetRecurrenceType(kTypeMonthly);
        pattern->SetDayOfMonth(startDay->wDay);
        break;
    case kRecurrenceYearly:
        pattern->SetRecurrenceType(kTypeYearly);
        pattern->SetDayOfMonth(startDay->wDay);
        pattern->SetMonthOfYear(startDay->wMonth);
        break;
    default:
        return;
    }
    pattern->SetNoEndDate(true);
}
