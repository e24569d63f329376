#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "sync/DavClient.h"
#include "sync/DavXml.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/sync/RadicaleServer.h"

namespace {

const char kEvent[] =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:one@test\r\n"
    "DTSTAMP:20260101T000000Z\r\nDTSTART:20260105T100000Z\r\nSUMMARY:one\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

TEST(DavClient, TalksToRadicaleWithPreconditions)
{
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    const std::string calendar = server.MakeCalendar("cal");
    ASSERT_FALSE(calendar.empty());
    DavClient client({RadicaleServer::kUser, RadicaleServer::PasswordCommand()});

    DavRequest propfind = MakeDavRequest("PROPFIND", calendar, CollectionPropfindBody(), 0);
    DavReply reply = client.Send(propfind);
    ASSERT_EQ(reply.status, 207) << reply.error;
    DavMultistatus status;
    std::string error;
    ASSERT_TRUE(ParseMultistatus(reply.body, status, error)) << error;
    EXPECT_TRUE(status.resources.at(0).calendar);
    EXPECT_TRUE(status.resources.at(0).offersSyncCollection);

    DavRequest create = IcsPut(calendar + "one.ics", kEvent);
    create.ifNoneMatchAny = true;
    reply = client.Send(create);
    ASSERT_TRUE(reply.Success()) << reply.status << reply.error;
    const std::string etag = reply.etag;
    EXPECT_FALSE(etag.empty());
    // A repeated creation cannot make a second copy.
    EXPECT_EQ(client.Send(create).status, 412);

    DavRequest remove = MakeDavRequest("DELETE", calendar + "one.ics");
    remove.ifMatch = "\"stale\"";
    EXPECT_EQ(client.Send(remove).status, 412);
    remove.ifMatch = etag;
    EXPECT_TRUE(client.Send(remove).Success());
}

TEST(DavClient, WrongPasswordAndFailingCommandSayWhy)
{
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    DavClient wrong({RadicaleServer::kUser, "echo nope"});
    const DavRequest propfind = MakeDavRequest("PROPFIND", server.Origin() + "/kim/", EtagPropfindBody(), 0);
    const DavReply reply = wrong.Send(propfind);
    EXPECT_EQ(reply.status, 401);
    EXPECT_NE(reply.error.find("암호"), std::string::npos) << reply.error;
    EXPECT_EQ(reply.error.find("nope"), std::string::npos);

    DavClient failing({RadicaleServer::kUser, "exit 3"});
    const DavReply refused = failing.Send(propfind);
    EXPECT_FALSE(refused.answered);
    EXPECT_NE(refused.error.find("exit 3"), std::string::npos) << refused.error;
    EXPECT_EQ(failing.RequestsSent(), 0);
}

TEST(DavClient, ReadsPasswordFromNetrc)
{
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    TempDevice folder;
    const auto netrc = folder.Root() / "netrc";
    std::ofstream(netrc) << "machine 127.0.0.1 login kim password " << RadicaleServer::kPassword << "\n";
    ::setenv("NETRC", netrc.c_str(), 1);
    DavClient client({RadicaleServer::kUser, ""});
    const DavRequest propfind = MakeDavRequest("PROPFIND", server.Origin() + "/kim/", EtagPropfindBody(), 0);
    EXPECT_EQ(client.Send(propfind).status, 207);
    ::unsetenv("NETRC");
}

} // namespace
