// Small edits of iCalendar text that the sync needs without going through
// the store: the UID a resource carries, and the copy kept on a conflict.
#pragma once

#include <string>
#include <string_view>

// The UID of the first VEVENT or VTODO; empty when the text holds none or
// does not parse.
std::string CalendarUid(std::string_view text);

// The same calendar under `newUid` with `suffix` appended to every summary;
// empty when the text does not parse.
std::string ConflictCopy(std::string_view text, const std::string& newUid, const std::string& suffix);

// Whether two calendars say the same: the same items with the same
// properties, whatever their order, folding, stamps and producer.
bool SameCalendarContent(std::string_view a, std::string_view b);

// A new random UID.
std::string NewUid();
