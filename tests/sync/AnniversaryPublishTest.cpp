#include <gtest/gtest.h>

#include <set>

#include "calendar/Lunar.h"
#include "calendar/PublicHolidays.h"
#include "sync/AnniversaryPublish.h"
#include "sync/DavClient.h"
#include "sync/DavXml.h"
#include "tests/calendar/TestRecords.h"
#include "tests/sync/RadicaleServer.h"

namespace {

AnniversaryList Mother(const std::string& name = "어머니 생신")
{
    AnniversaryList list;
    AddAnniversary(list, MakeRecord(kAnniversaryBirthday, 1955, 3, 15, name, /*lunar*/ 1));
    return list;
}

TEST(AnniversaryEvents, OnePerYearOnThatYearsCivilDateWithCount)
{
    const auto events = DeriveAnniversaryEvents(Mother(), 2026, AgeCounting::kKorean, false);
    ASSERT_EQ(events.size(), 10u);
    for (int32_t i = 0; i < 10; ++i) {
        SolarDate expected;
        ASSERT_EQ(LunarToSolar(2026 + i, 3, 15, 0, expected), 1);
        EXPECT_EQ(events[i].date, expected) << i;
        EXPECT_EQ(events[i].summary, "어머니 생신(" + std::to_string(72 + i) + "세)");
        EXPECT_NE(events[i].ical.find("DTSTART;VALUE=DATE:"), std::string::npos);
        EXPECT_NE(events[i].ical.find("UID:" + events[i].uid), std::string::npos);
    }
}

TEST(AnniversaryEvents, UidsStayForSameContentAndChangeWithIt)
{
    const auto first = DeriveAnniversaryEvents(Mother(), 2026, AgeCounting::kKorean, false);
    const auto again = DeriveAnniversaryEvents(Mother(), 2026, AgeCounting::kKorean, false);
    const auto renamed = DeriveAnniversaryEvents(Mother("엄마 생신"), 2026, AgeCounting::kKorean, false);
    std::set<std::string> uids;
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].uid, again[i].uid);
        EXPECT_EQ(first[i].ical, again[i].ical);
        EXPECT_NE(first[i].uid, renamed[i].uid);
        uids.insert(first[i].uid);
    }
    EXPECT_EQ(uids.size(), first.size());
}

TEST(AnniversaryEvents, SubstituteHolidaysOfTheTenYears)
{
    const auto events = DeriveAnniversaryEvents(AnniversaryList{}, 2026, AgeCounting::kKorean, true);
    size_t expected = 0;
    for (int32_t year = 2026; year < 2036; ++year) {
        for (const PublicHoliday& holiday : PublicHolidaysOfYear(year)) expected += holiday.substitute ? 1 : 0;
    }
    EXPECT_GT(expected, 0u);
    EXPECT_EQ(events.size(), expected);
    for (const auto& event : events) EXPECT_EQ(event.summary, kSubstituteHolidayName);
}

std::set<std::string> Members(DavClient& client, const std::string& url)
{
    DavMultistatus status;
    std::string error;
    const DavReply reply = client.Send(MakeDavRequest("PROPFIND", url, EtagPropfindBody(), 1));
    EXPECT_TRUE(ParseMultistatus(reply.body, status, error)) << error;
    std::set<std::string> hrefs;
    for (const auto& resource : status.resources) {
        if (!resource.collection) hrefs.insert(resource.href);
    }
    return hrefs;
}

TEST(AnniversaryPublishing, RepublishingChangesNothingAndEditsReplaceEvents)
{
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    const std::string url = server.MakeCalendar("anniversaries");
    DavClient client({RadicaleServer::kUser, RadicaleServer::PasswordCommand()});
    DavRequest foreign = MakeDavRequest("PUT", url + "foreign.ics",
                                        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:f\r\n"
                                        "DTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20260101\r\nEND:VEVENT\r\n"
                                        "END:VCALENDAR\r\n");
    foreign.contentType = "text/calendar";
    ASSERT_TRUE(client.Send(foreign).Success());

    const auto events = DeriveAnniversaryEvents(Mother(), 2026, AgeCounting::kKorean, true);
    PublishResult result = PublishAnniversaries(client, url, events);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.written, static_cast<int>(events.size()));
    EXPECT_EQ(result.deleted, 1);
    const auto published = Members(client, url);
    EXPECT_EQ(published.size(), events.size());

    const int before = client.RequestsSent();
    result = PublishAnniversaries(client, url, events);
    EXPECT_TRUE(result.ok && result.written == 0 && result.deleted == 0) << result.error;
    EXPECT_EQ(client.RequestsSent() - before, 1);  // one listing, nothing else
    EXPECT_EQ(Members(client, url), published);

    const auto renamed = DeriveAnniversaryEvents(Mother("엄마 생신"), 2026, AgeCounting::kKorean, true);
    result = PublishAnniversaries(client, url, renamed);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.written, 10);
    EXPECT_EQ(result.deleted, 10);
    EXPECT_EQ(Members(client, url).size(), renamed.size());
}

} // namespace
