#include "sync/SyncRun.h"

#include "platform/store/PoomApplication.h"
#include "resources/StringTable.h"
#include "sync/AnniversaryPublish.h"
#include "sync/DavClient.h"
#include "sync/IcalItemCodec.h"

SyncRunResult RunWholeSync(const SyncRunInput& input, const SyncProgress& progress)
{
    SyncRunResult result;
    PoomApplication app;
    if (!app.Logon(input.storeFile)) {
        result.summary.error = app.LastError();
        return result;
    }
    DavOptions options;
    options.maxReply = input.config.maxReply;
    DavClient client({input.config.user, input.config.passwordCommand}, options);
    IcalItemCodec codec(app);
    result.summary = RunSync(app, codec, client, input.config, progress);
    if (result.summary.ok && !input.config.anniversariesUrl.empty() && input.anniversaries != nullptr) {
        const auto events = DeriveAnniversaryEvents(*input.anniversaries, input.currentYear, input.age,
                                                    input.substituteHolidays);
        const PublishResult published = PublishAnniversaries(client, input.config.anniversariesUrl, events);
        if (!published.ok) {
            result.summary.ok = false;
            result.summary.error = published.error;
        } else {
            result.published = true;
            result.publishLine = FormatText(IDS_SYNC_PUBLISHED, {std::to_string(published.written),
                                                                 std::to_string(published.deleted),
                                                                 std::to_string(published.unchanged)});
        }
    }
    app.Logoff();
    return result;
}
