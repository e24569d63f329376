// The date rules of the appointment and task editors, on calendar days so
// that a daylight-saving change between two dates never shifts a day.
#pragma once

#include "pim/time/TimeValue.h"

struct TimeSpan {
    TimeValue start = 0;
    TimeValue end = 0;
};

// The store ends an all-day item at midnight after its last day; the editor
// shows that last day.
TimeValue ShownAllDayEnd(TimeValue storedEnd);
// What Save stores: all-day items from the start's midnight to the midnight
// after the end's date, others as they are.
TimeSpan StoredApptSpan(TimeSpan shown, bool allDay);
// Saved appointments end no earlier than they start and at most 31 calendar
// days later.
bool IsSavableApptSpan(TimeSpan stored);
// The end date moved before the start: the start goes to the end's date at
// its own time of day and the appointment lasts an hour.
TimeSpan AfterEndDateMoved(TimeSpan span);

// Whole calendar days from the start's date to the due date's.
int TaskSpanDays(TimeValue start, TimeValue due);
TimeValue TaskDueAfterStartMoved(TimeValue start, int spanDays);
