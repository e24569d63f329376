// Publishing the anniversaries to a calendar collection that other devices
// show: each record becomes one all-day event per occurrence in this year and
// the nine after it, the count text in its summary, and the substitute
// holidays of those years too. A UID is a digest of what the event shows
// (record fields, date, summary), so an unchanged file republishes nothing
// and a changed record replaces its events; whatever else is in the
// collection is deleted (Dayvane owns it).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/Anniversary.h"
#include "calendar/AnniversaryOccurrence.h"
#include "calendar/CivilDate.h"

class DavClient;

inline constexpr int32_t kPublishedYears = 10;

struct PublishedEvent {
    std::string uid;
    std::string resourceName;  // "<uid>.ics"
    SolarDate date;
    std::string summary;
    std::string ical;          // a VCALENDAR with one all-day VEVENT
};

// The events for the civil years firstYear .. firstYear + 9, by date.
std::vector<PublishedEvent> DeriveAnniversaryEvents(const AnniversaryList& list, int32_t firstYear, AgeCounting age,
                                                    bool substituteHolidays);

struct PublishResult {
    bool ok = false;
    std::string error;
    int written = 0;
    int deleted = 0;
    int unchanged = 0;
};

// Brings the collection to exactly `events`.
PublishResult PublishAnniversaries(DavClient& client, const std::string& collectionUrl,
                                   const std::vector<PublishedEvent>& events);
