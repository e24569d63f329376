// sync setup URL --user NAME [...]: checks each collection and saves the
// configuration; sync [--quiet]: one run, exit 0 only when it completed.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <ostream>

#include "platform/device/DeviceDirectory.h"
#include "resources/StringTable.h"
#include "sync/DavClient.h"
#include "sync/DavXml.h"
#include "sync/SyncConfig.h"
#include "sync/SyncRun.h"
#include "tools/CliOptions.h"
#include "tools/Commands.h"
#include "tools/DeviceFiles.h"

namespace {

const char kUsage[] =
    "사용법: dayvane-cli sync [--quiet]\n"
    "       dayvane-cli sync setup URL --user 이름 [--tasks URL] [--password-command 명령] [--anniversaries URL]";

// What the server says about one collection, on one line.
void DescribeCollection(DavClient& client, const std::string& what, const std::string& url, std::ostream& out)
{
    const DavReply reply = client.Send(MakeDavRequest("PROPFIND", url, CollectionPropfindBody(), 0));
    if (reply.status != 207) throw CommandError(reply.Problem(url));
    DavMultistatus status;
    std::string error;
    if (!ParseMultistatus(reply.body, status, error)) throw CommandError(FormatText(IDS_SYNC_BAD_REPLY, {error}));
    if (status.resources.empty() || !status.resources.front().calendar)
        throw CommandError(FormatText(IDS_SYNC_NOT_A_CALENDAR, {url}));
    const DavResource& collection = status.resources.front();
    std::string components;
    for (const std::string& component : collection.components) components += (components.empty() ? "" : " ") + component;
    out << what << "\t" << url << "\n"
        << "  이름: " << (collection.displayName.empty() ? "-" : collection.displayName) << "\n"
        << "  구성 요소: " << (components.empty() ? "모두" : components) << "\n"
        << "  동기화 토큰: " << (collection.offersSyncCollection ? "있음" : "없음 (ETag 비교)") << "\n";
}

std::string CollectionUrl(std::string url)
{
    if (!url.empty() && url.back() != '/') url += '/';
    return url;
}

int Setup(const CommandArgs& args, std::ostream& out)
{
    const CommandArgs rest(args.begin() + 2, args.end());
    const CliOptions options(rest, {});
    options.AllowOnly({"user", "tasks", "password-command", "anniversaries"});
    if (options.Positionals().size() != 1) throw UsageError(kUsage);
    SyncConfig config = LoadSyncConfig();
    config.url = CollectionUrl(options.Positionals()[0]);
    config.user = options.Require("user");
    config.tasksUrl = CollectionUrl(options.Get("tasks").value_or(""));
    config.passwordCommand = options.Get("password-command").value_or("");
    config.anniversariesUrl = CollectionUrl(options.Get("anniversaries").value_or(""));

    DavClient client({config.user, config.passwordCommand});
    DescribeCollection(client, "일정", config.url, out);
    if (!config.tasksUrl.empty()) DescribeCollection(client, "작업", config.tasksUrl, out);
    if (!config.anniversariesUrl.empty()) DescribeCollection(client, "기념일", config.anniversariesUrl, out);
    PrepareDevice();
    if (!SaveSyncConfig(config)) throw CommandError("레지스트리에 설정을 저장하지 못했습니다.");
    out << "저장했습니다." << (config.passwordCommand.empty() ? " 암호는 netrc 파일(" + NetrcFile() + ")에서 읽습니다." : "")
        << "\n";
    return 0;
}

} // namespace

int RunSyncCommand(const CommandArgs& args, std::ostream& out)
{
    if (args.size() >= 2 && args[1] == "setup") return Setup(args, out);
    const CommandArgs rest(args.begin() + 1, args.end());
    const CliOptions options(rest, {"quiet"});
    options.AllowOnly({"quiet"});
    if (!options.Positionals().empty()) throw UsageError(kUsage);
    const bool quiet = options.Has("quiet");

    PrepareDevice();
    SyncRunInput input;
    input.storeFile = StoreFile();
    input.config = LoadSyncConfig();
    if (!input.config.Configured()) throw CommandError(StringText(IDS_SYNC_NOT_CONFIGURED));
    AnniversaryList anniversaries;
    if (!input.config.anniversariesUrl.empty()) {
        LoadDeviceAnniversaries(anniversaries);
        input.anniversaries = &anniversaries;
        input.currentYear = Today().year;
        const AnniversaryDisplay display = DeviceAnniversaryDisplay();
        input.age = display.age;
        input.substituteHolidays = display.showHolidays;
    }
    const bool terminal = !quiet && ::isatty(STDERR_FILENO) == 1;
    SyncProgress progress;
    if (terminal) progress = [](int done, int total) { std::fprintf(stderr, "\r%d/%d", done, total); };
    const SyncRunResult result = RunWholeSync(input, progress);
    if (terminal) std::fprintf(stderr, "\r\033[K");
    if (!result.summary.ok) throw CommandError(FormatText(IDS_SYNC_FAILED, {result.summary.error}));
    if (!quiet) {
        out << result.summary.Line() << "\n";
        if (result.published) out << result.publishLine << "\n";
    }
    return 0;
}
