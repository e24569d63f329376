// Another program writes a resource with plain HTTP, with properties Dayvane
// has no field for; an edit in Dayvane goes back without losing them.
#include <gtest/gtest.h>

#include "tests/platform/device/TempDevice.h"
#include "tests/sync/SyncDevice.h"

namespace {

constexpr const char* kForeignEvent =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Another Calendar//EN\r\n"
    "BEGIN:VEVENT\r\nUID:other-client-1@example.org\r\nDTSTAMP:20260101T000000Z\r\n"
    "DTSTART:20260114T010000Z\r\nDTEND:20260114T020000Z\r\nSUMMARY:팀 회의\r\n"
    "ORGANIZER;CN=Lee:mailto:lee@example.org\r\n"
    "ATTENDEE;CN=Kim;PARTSTAT=ACCEPTED:mailto:kim@example.org\r\n"
    "ATTENDEE;CN=Park;PARTSTAT=NEEDS-ACTION:mailto:park@example.org\r\n"
    "CATEGORIES:업무,회의\r\nX-ANOTHER-COLOR:#ff8800\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n"
    "BEGIN:VALARM\r\nACTION:EMAIL\r\nSUMMARY:회의 알림\r\nDESCRIPTION:곧 회의\r\n"
    "ATTENDEE:mailto:kim@example.org\r\nTRIGGER:-P1D\r\nEND:VALARM\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

std::string Unfolded(std::string text)
{
    for (size_t at; (at = text.find("\r\n ")) != std::string::npos;) text.erase(at, 3);
    return text;
}

size_t Count(const std::string& text, const std::string& what)
{
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

TEST(ThirdClient, ForeignPropertiesSurviveAnEditInDayvane)
{
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    const std::string url = server.MakeCalendar("cal");
    ASSERT_FALSE(url.empty());
    DavClient other({RadicaleServer::kUser, RadicaleServer::PasswordCommand()});
    const std::string resource = url + "from-another-program.ics";
    ASSERT_TRUE(other.Send(IcsPut(resource, kForeignEvent)).Success());

    TempDevice folder;
    SyncDevice device(folder.Root() / "pim.vol", url);
    SyncSummary summary = device.Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    ASSERT_EQ(summary.pulled, 1) << summary.Line();
    const auto oid = device.codec.FindByUid("other-client-1@example.org");
    ASSERT_TRUE(oid);
    EXPECT_EQ(device.Subjects(), std::vector<std::string>{"팀 회의"});

    device.Rename(*oid, "팀 회의 (3층)");
    summary = device.Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.pushed, 1) << summary.Line();

    const DavReply reply = other.Send(MakeDavRequest("GET", resource));
    ASSERT_TRUE(reply.Success()) << reply.status;
    const std::string text = Unfolded(reply.body);
    EXPECT_NE(text.find("SUMMARY:팀 회의 (3층)"), std::string::npos) << text;
    EXPECT_NE(text.find("UID:other-client-1@example.org"), std::string::npos) << text;
    for (const char* kept : {"ORGANIZER;CN=Lee:mailto:lee@example.org", "mailto:park@example.org",
                             "PARTSTAT=ACCEPTED", "X-ANOTHER-COLOR:#ff8800",
                             "TRIGGER:-P1D", "DESCRIPTION:곧 회의", "TRIGGER:-PT15M"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;
    // One CATEGORIES line with both, or one each: the same to any reader.
    EXPECT_TRUE(text.find("CATEGORIES:업무,회의") != std::string::npos ||
                (text.find("CATEGORIES:업무\r\n") != std::string::npos &&
                 text.find("CATEGORIES:회의\r\n") != std::string::npos))
        << text;
    EXPECT_EQ(Count(text, "BEGIN:VALARM"), 2u) << text;
    EXPECT_EQ(Count(text, "BEGIN:VEVENT"), 1u) << text;
}

} // namespace
