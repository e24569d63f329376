#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "platform/store/PoomApplication.h"
#include "platform/store/PoomItems.h"
#include "sync/DavClient.h"
#include "sync/SyncEngine.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/sync/FakeCodec.h"
#include "tests/sync/RadicaleServer.h"

namespace {

// One device: its own store and codec, syncing with the shared collection.
struct Device {
    Device(const std::filesystem::path& file, const std::string& url) : codec(app)
    {
        app.Logon(file);
        config.url = url;
        config.user = RadicaleServer::kUser;
        config.passwordCommand = RadicaleServer::PasswordCommand();
    }

    SyncSummary Sync()
    {
        DavClient client({config.user, config.passwordCommand});
        SyncSummary summary = RunSync(app, codec, client, config);
        lastRequests = client.RequestsSent();
        return summary;
    }

    CEOID Add(const std::string& subject)
    {
        auto item = app.CreateItem(1);
        item->SetSubject(subject);
        item->Save();
        return item->Oid();
    }

    std::vector<std::string> Subjects()
    {
        std::vector<std::string> subjects;
        auto items = app.GetDefaultFolder(9)->Items();
        for (int i = 1; i <= items->Count(); ++i) subjects.push_back(items->Item(i)->Subject());
        std::sort(subjects.begin(), subjects.end());
        return subjects;
    }

    PoomApplication app;
    FakeCodec codec;
    SyncConfig config;
    int lastRequests = 0;
};

class SyncEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!server.Running()) GTEST_SKIP() << server.Why();
        url = server.MakeCalendar("cal");
        ASSERT_FALSE(url.empty());
        a = std::make_unique<Device>(folder.Root() / "a.vol", url);
        b = std::make_unique<Device>(folder.Root() / "b.vol", url);
    }

    RadicaleServer server;
    TempDevice folder;
    std::string url;
    std::unique_ptr<Device> a;
    std::unique_ptr<Device> b;
};

using Subjects = std::vector<std::string>;

TEST_F(SyncEngineTest, TwoDevicesConvergeThroughAddsEditsDeletesAndConflicts)
{
    const CEOID meeting = a->Add("회의");
    const CEOID lunch = a->Add("점심");
    SyncSummary summary = a->Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.pushed, 2);
    summary = b->Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.pulled, 2);
    EXPECT_EQ(b->Subjects(), (Subjects{"점심", "회의"}));

    // An edit on each side of different items, and a deletion.
    auto item = a->app.GetItemFromOid(meeting);
    item->SetSubject("회의 2시");
    item->Save();
    a->app.GetItemFromOid(lunch)->Delete();
    ASSERT_TRUE(a->Sync().ok);
    summary = b->Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(b->Subjects(), (Subjects{"회의 2시"}));

    // The same item changed on both sides: the server's version wins in place,
    // the other is kept beside it and reaches the other device too.
    const CEOID onB = *b->codec.FindByUid(a->codec.Export(meeting).uid);
    item = b->app.GetItemFromOid(onB);
    item->SetSubject("회의 3시");
    item->Save();
    item = a->app.GetItemFromOid(meeting);
    item->SetSubject("회의 4시");
    item->Save();
    ASSERT_TRUE(a->Sync().ok);
    summary = b->Sync();
    ASSERT_TRUE(summary.ok) << summary.error;
    EXPECT_EQ(summary.conflicts, 1);
    EXPECT_EQ(b->Subjects(), (Subjects{"회의 3시 (충돌)", "회의 4시"}));
    ASSERT_TRUE(a->Sync().ok);
    EXPECT_EQ(a->Subjects(), b->Subjects());

    // Nothing changed: one request for the collection.
    summary = a->Sync();
    ASSERT_TRUE(summary.ok && summary.pulled == 0 && summary.pushed == 0) << summary.Line();
    summary = a->Sync();
    EXPECT_EQ(a->lastRequests, 1);
}

TEST_F(SyncEngineTest, ServerDeletionOfAnEditedItemKeepsTheEdit)
{
    const CEOID note = a->Add("메모");
    ASSERT_TRUE(a->Sync().ok);
    ASSERT_TRUE(b->Sync().ok);
    b->app.GetItemFromOid(*b->codec.FindByUid(a->codec.Export(note).uid))->Delete();
    ASSERT_TRUE(b->Sync().ok);
    auto item = a->app.GetItemFromOid(note);
    item->SetSubject("메모 고침");
    item->Save();
    ASSERT_TRUE(a->Sync().ok);
    ASSERT_TRUE(b->Sync().ok);
    EXPECT_EQ(b->Subjects(), (Subjects{"메모 고침"}));
}

} // namespace
