// The engine against a server that fails: it stops with the reason, retries
// only what may pass, and applies nothing from a reply it could not take whole.
#include <gtest/gtest.h>

#include "platform/store/PoomApplication.h"
#include "platform/store/PoomItems.h"
#include "sync/DavClient.h"
#include "sync/IcalItemCodec.h"
#include "sync/SyncEngine.h"
#include "tests/platform/device/TempDevice.h"
#include "tests/sync/FaultServer.h"

namespace {

struct Outcome {
    SyncSummary summary;
    int requests = 0;
    int connections = 0;
    std::vector<int> waits;
    int items = 0;
};

Outcome SyncAgainst(const char* mode)
{
    FaultServer server(mode);
    EXPECT_FALSE(server.Url().empty());
    TempDevice folder;
    PoomApplication app;
    app.Logon(folder.Root() / "pim.vol");
    IcalItemCodec codec(app);
    Outcome outcome;
    DavOptions options;
    options.maxReply = 1 << 20;
    options.wait = [&](int ms) { outcome.waits.push_back(ms); };
    DavClient client({"kim", "echo secret"}, options);
    SyncConfig config;
    config.url = server.Url();
    outcome.summary = RunSync(app, codec, client, config);
    outcome.requests = client.RequestsSent();
    outcome.connections = client.ConnectionsOpened();
    outcome.items = app.GetDefaultFolder(9)->Items()->Count();
    return outcome;
}

TEST(SyncFaults, ServerErrorsAreRetriedWithBackOffThenReported)
{
    const Outcome outcome = SyncAgainst("500");
    EXPECT_FALSE(outcome.summary.ok);
    EXPECT_NE(outcome.summary.error.find("HTTP 500"), std::string::npos) << outcome.summary.error;
    EXPECT_EQ(outcome.requests, 4);
    EXPECT_EQ(outcome.connections, 1);  // the server keeps it alive, and the retries go over it
    EXPECT_EQ(outcome.waits, (std::vector<int>{1000, 2000, 4000}));
}

TEST(SyncFaults, CutMalformedAndOversizedRepliesApplyNothing)
{
    for (const char* mode : {"cut", "badxml", "huge"}) {
        const Outcome outcome = SyncAgainst(mode);
        EXPECT_FALSE(outcome.summary.ok) << mode;
        EXPECT_FALSE(outcome.summary.error.empty()) << mode;
        EXPECT_EQ(outcome.items, 0) << mode;
        if (std::string(mode) == "huge") {
            EXPECT_NE(outcome.summary.error.find("너무 커서"), std::string::npos) << outcome.summary.error;
            EXPECT_EQ(outcome.requests, 1);  // a cap is no failure that may pass
        }
        if (std::string(mode) == "badxml") {
            EXPECT_NE(outcome.summary.error.find("읽을 수 없습니다"), std::string::npos) << outcome.summary.error;
        }
    }
}

} // namespace
