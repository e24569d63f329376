// What the Today calendar item lists: the anniversaries of the shown days
// (with the marks of the days before and after), then the appointments that
// meet them, each in start order, trimmed to the entries kept.
#pragma once

#include "calendar/Anniversary.h"
#include "today/listing/TodayEntry.h"
#include "today/listing/TodaySettings.h"

class PoomApplication;

// `poom` may be null (no session): the anniversaries are still listed.
TodayEntries LoadTodayCalendar(const TodayCalendarOptions& options, const TodayClock& clock,
                               const AnniversaryList& anniversaries, PoomApplication* poom);

// The anniversary list of the program folder; empty when it has none.
void LoadTodayAnniversaries(AnniversaryList& list, const std::string& programFolder);
