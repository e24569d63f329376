// The 동기화 command through the frame: the run goes on a worker, the title
// shows it, the pulled item reaches the week view through the store's
// notifications, and a failure is one message box.
#include <gtest/gtest.h>

#include <QTest>

#include "app/MainFrame.h"
#include "platform/shell/MessageBox.h"
#include "resources/CommandIds.h"
#include "settings/CRegistry.h"
#include "settings/SettingsKeys.h"
#include "sync/DavClient.h"
#include "tests/app/AppTestSupport.h"
#include "tests/sync/RadicaleServer.h"
#include "views/week/WeekView.h"

namespace {

constexpr int kWednesdayCell = 2;  // 9 December 2026 in a Monday-start week

class FrameSyncTest : public DeviceTest {
protected:
    void Configure(const std::string& url)
    {
        const CRegistry registry;
        registry.SetString(kSettingsRoot, kSettingsKey, SettingName::kSyncUrl, url.c_str());
        registry.SetString(kSettingsRoot, kSettingsKey, SettingName::kSyncUser, RadicaleServer::kUser);
        registry.SetString(kSettingsRoot, kSettingsKey, SettingName::kSyncPasswordCommand,
                           RadicaleServer::PasswordCommand().c_str());
    }

    CMainFrame& Start()
    {
        m_frame = std::make_unique<CMainFrame>(QSize(480, 640));
        m_frame->SetDialogs(std::make_unique<RecordingDialogs>());
        EXPECT_TRUE(m_frame->Create()) << m_frame->StartupError().toStdString();
        m_frame->show();
        return *m_frame;
    }

    bool WeekShows(const std::string& text) const
    {
        for (const ItemEntry& entry : m_frame->WeekView()->CellEntries(kWednesdayCell))
            if (entry.bodyText == text) return true;
        return false;
    }

    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace

TEST_F(FrameSyncTest, PulledItemAppearsInTheWeekView)
{
    RadicaleServer server;
    if (!server.Running()) GTEST_SKIP() << server.Why();
    const std::string url = server.MakeCalendar("cal");
    ASSERT_FALSE(url.empty());
    DavClient other({RadicaleServer::kUser, RadicaleServer::PasswordCommand()});
    const DavRequest put = IcsPut(url + "remote.ics",
                                    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Another//EN\r\nBEGIN:VEVENT\r\n"
                                    "UID:remote-1\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20261209T090000\r\n"
                                    "DTEND:20261209T100000\r\nSUMMARY:원격 회의\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    ASSERT_TRUE(other.Send(put).Success());
    Configure(url);

    CMainFrame& frame = Start();
    const QString title = frame.windowTitle();
    frame.OnCommand(ID_SYNC);
    EXPECT_NE(frame.windowTitle(), title);  // the run shows in the title at once
    EXPECT_TRUE(QTest::qWaitFor([&] { return WeekShows("원격 회의"); }, 30000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.windowTitle() == title; }, 30000));
    EXPECT_TRUE(MessageBoxScript::Shown().empty());
}

TEST_F(FrameSyncTest, UnreachableServerShowsOneMessageBox)
{
    Configure("http://127.0.0.1:" + std::to_string(FreeLoopbackPort()) + "/kim/cal/");
    CMainFrame& frame = Start();
    const QString title = frame.windowTitle();
    frame.OnCommand(ID_SYNC);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.windowTitle() == title; }, 60000));
    // Whatever was still queued has been delivered too.
    QCoreApplication::processEvents();
    ASSERT_EQ(MessageBoxScript::Shown().size(), 1u);
    EXPECT_EQ(MessageBoxScript::Shown()[0].icon, static_cast<uint32_t>(MB_ICONERROR));
    EXPECT_NE(MessageBoxScript::Shown()[0].text.indexOf(QStringLiteral("127.0.0.1")), -1)
        << MessageBoxScript::Shown()[0].text.toStdString();
}
