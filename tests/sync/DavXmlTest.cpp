#include <gtest/gtest.h>

#include "sync/DavXml.h"

namespace {

TEST(DavXml, ReadsSyncCollectionWithChangesDeletionsAndToken)
{
    // Prefixes differ from ours and one namespace is the default: only the
    // namespace names count.
    const std::string reply = R"(<?xml version="1.0"?>
<multistatus xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav">
  <response><href>/kim/cal/a.ics</href>
    <propstat><prop><getetag>"1"</getetag><C:calendar-data>BEGIN:VCALENDAR&#13;
END:VCALENDAR&#13;
</C:calendar-data></prop><status>HTTP/1.1 200 OK</status></propstat>
    <propstat><prop><displayname/></prop><status>HTTP/1.1 404 Not Found</status></propstat>
  </response>
  <response><href>/kim/cal/gone.ics</href><status>HTTP/1.1 404 Not Found</status></response>
  <sync-token>http://radicale.org/ns/sync/abc</sync-token>
</multistatus>)";
    DavMultistatus status;
    std::string error;
    ASSERT_TRUE(ParseMultistatus(reply, status, error)) << error;
    ASSERT_EQ(status.resources.size(), 2u);
    EXPECT_EQ(status.resources[0].href, "/kim/cal/a.ics");
    EXPECT_EQ(status.resources[0].status, 200);
    EXPECT_EQ(status.resources[0].etag, "\"1\"");
    EXPECT_EQ(status.resources[0].calendarData, "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    EXPECT_EQ(status.resources[1].status, 404);
    EXPECT_EQ(status.syncToken, "http://radicale.org/ns/sync/abc");
}

TEST(DavXml, ReadsCollectionProperties)
{
    const std::string reply = R"(<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">
<d:response><d:href>/kim/cal/</d:href><d:propstat><d:prop>
  <d:displayname>가족</d:displayname>
  <d:resourcetype><d:collection/><c:calendar/></d:resourcetype>
  <c:supported-calendar-component-set><c:comp name="VEVENT"/><c:comp name="VTODO"/></c:supported-calendar-component-set>
  <d:supported-report-set><d:supported-report><d:report><d:sync-collection/></d:report></d:supported-report></d:supported-report-set>
  <d:sync-token>t1</d:sync-token>
</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response></d:multistatus>)";
    DavMultistatus status;
    std::string error;
    ASSERT_TRUE(ParseMultistatus(reply, status, error)) << error;
    const DavResource& collection = status.resources.at(0);
    EXPECT_EQ(collection.displayName, "가족");
    EXPECT_TRUE(collection.collection && collection.calendar && collection.offersSyncCollection);
    EXPECT_EQ(collection.components, (std::vector<std::string>{"VEVENT", "VTODO"}));
    EXPECT_EQ(collection.syncToken, "t1");
}

TEST(DavXml, RefusesWholeReplyThatIsNotWellFormed)
{
    DavMultistatus status;
    std::string error;
    for (const char* bad : {"", "<html>500</html>", "<multistatus xmlns=\"DAV:\"><response><href>/a",
                            "<multistatus xmlns=\"DAV:\"><response><href>/a</href></response></multistatus><x>",
                            "<multistatus xmlns=\"urn:other\"/>"}) {
        EXPECT_FALSE(ParseMultistatus(bad, status, error)) << bad;
        EXPECT_TRUE(status.resources.empty());
        EXPECT_FALSE(error.empty());
    }
}

TEST(DavXml, RequestBodiesEscapeHrefsAndParseBack)
{
    const std::string body = MultigetBody({"/kim/cal/a&b<c>.ics"});
    EXPECT_NE(body.find("a&amp;b&lt;c&gt;.ics"), std::string::npos);
    EXPECT_NE(SyncCollectionBody("").find("sync-token"), std::string::npos);
}

} // namespace
