#include "sync/AnniversaryPublish.h"

#include <libical/ical.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "calendar/PublicHolidays.h"
#include "resources/StringTable.h"
#include "sync/DavClient.h"
#include "sync/DavUrl.h"
#include "sync/DavXml.h"

namespace {

using IcalPtr = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

icaltimetype IcalDate(const SolarDate& date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.year;
    time.month = date.month;
    time.day = date.day;
    return time;
}

std::string RecordKey(const Anniversary& record)
{
    return std::to_string(record.kind) + "|" + std::to_string(record.year) + "|" + std::to_string(record.month) + "|" +
           std::to_string(record.day) + "|" + std::to_string(record.lunar) + "|" + std::to_string(record.leapMonth) +
           "|" + record.name;
}

PublishedEvent MakeEvent(const std::string& key, const SolarDate& date, const std::string& summary)
{
    PublishedEvent event;
    event.date = date;
    event.summary = summary;
    const std::string dateText = std::to_string(date.year * 10000 + date.month * 100 + date.day);
    event.uid = HexDigest(key + "|" + dateText + "|" + summary) + "@anniversary.dayvane";
    event.resourceName = ResourceNameForUid(event.uid);

    IcalPtr calendar(icalcomponent_new_vcalendar(), icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Dayvane//Anniversaries//KO"));
    icalcomponent* vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(event.uid.c_str()));
    // Fixed, so that the same event is always the same bytes.
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(icaltime_from_string("20000101T000000Z")));
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(IcalDate(date)));
    icalcomponent_add_property(vevent, icalproperty_new_dtend(IcalDate(AddDays(date, 1))));
    icalcomponent_add_property(vevent, icalproperty_new_summary(summary.c_str()));
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    icalcomponent_add_component(calendar.get(), vevent);
    event.ical = icalcomponent_as_ical_string(calendar.get());
    return event;
}

} // namespace

std::vector<PublishedEvent> DeriveAnniversaryEvents(const AnniversaryList& list, int32_t firstYear, AgeCounting age,
                                                    bool substituteHolidays)
{
    std::vector<PublishedEvent> events;
    const SolarDate first{firstYear, 1, 1};
    const int32_t endYear = firstYear + kPublishedYears;
    for (size_t i = 0; i < list.Count(); ++i) {
        const Anniversary& record = list.At(i);
        const std::string key = RecordKey(record);
        SolarDate from = first;
        while (const auto next = NextOccurrence(record, from)) {
            if (next->year >= endYear) break;
            if (record.year == 0 || next->year >= record.year)
                events.push_back(MakeEvent(key, *next, record.name + CountText(record, next->year, age)));
            from = AddDays(*next, 1);
        }
    }
    if (substituteHolidays) {
        for (int32_t year = firstYear; year < endYear; ++year) {
            for (const PublicHoliday& holiday : PublicHolidaysOfYear(year)) {
                if (holiday.substitute) events.push_back(MakeEvent("substitute", holiday.date, holiday.name));
            }
        }
    }
    std::stable_sort(events.begin(), events.end(), [](const PublishedEvent& a, const PublishedEvent& b) {
        return DateToDayNumber(a.date) < DateToDayNumber(b.date);
    });
    // Two records that show the same thing on the same day are one event.
    std::set<std::string> seen;
    std::erase_if(events, [&](const PublishedEvent& event) { return !seen.insert(event.uid).second; });
    return events;
}

PublishResult PublishAnniversaries(DavClient& client, const std::string& collectionUrl,
                                   const std::vector<PublishedEvent>& events)
{
    PublishResult result;
    const DavReply listing = client.Send(MakeDavRequest("PROPFIND", collectionUrl, EtagPropfindBody(), 1));
    if (listing.status != 207) {
        result.error = listing.Problem(collectionUrl);
        return result;
    }
    DavMultistatus status;
    if (!ParseMultistatus(listing.body, status, result.error)) {
        result.error = FormatText(IDS_SYNC_BAD_REPLY, {result.error});
        return result;
    }
    std::map<std::string, const DavResource*> present;  // by resource name
    for (const DavResource& resource : status.resources) {
        if (!resource.collection && !ResourceName(resource.href).empty()) present[ResourceName(resource.href)] = &resource;
    }
    std::set<std::string> wanted;
    for (const PublishedEvent& event : events) {
        wanted.insert(event.resourceName);
        if (present.count(event.resourceName) != 0) {
            ++result.unchanged;
            continue;
        }
        DavRequest put = MakeDavRequest("PUT", ResolveHref(collectionUrl, event.resourceName), event.ical);
        put.contentType = "text/calendar; charset=utf-8";
        put.ifNoneMatchAny = true;  // an earlier, interrupted run may have written it
        const DavReply reply = client.Send(put);
        if (reply.status == 412) {
            ++result.unchanged;
        } else if (reply.Success()) {
            ++result.written;
        } else {
            result.error = reply.Problem(put.url);
            return result;
        }
    }
    for (const auto& [name, resource] : present) {
        if (wanted.count(name) != 0) continue;
        DavRequest remove = MakeDavRequest("DELETE", ResolveHref(collectionUrl, resource->href));
        remove.ifMatch = resource->etag;
        const DavReply reply = client.Send(remove);
        if (reply.Success() || reply.status == 404 || reply.status == 410) {
            ++result.deleted;
        } else if (reply.status != 412) {  // changed meanwhile: the next run looks again
            result.error = reply.Problem(remove.url);
            return result;
        }
    }
    result.ok = true;
    return result;
}
