// The sync against a local Radicale: the first upload of a store into an
// empty collection, a run with nothing changed on either side, and a run with
// ten changes on each side. The first upload runs in-process so that the
// requests and connections it used can be reported; the others time
// `dayvane-cli sync` as a whole process, as a timer would start it.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "bench/BigStoreGenerator.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/PoomItem.h"
#include "platform/store/SyncState.h"
#include "sync/DavClient.h"
#include "sync/IcalItemCodec.h"
#include "sync/SyncEngine.h"
#include "tests/sync/RadicaleServer.h"
#include "tests/tools/CliRunner.h"

namespace {

RadicaleServer& Server()
{
    static RadicaleServer server;
    return server;
}

DavAccount Account() { return {RadicaleServer::kUser, RadicaleServer::PasswordCommand()}; }

// A device with `count` appointments (one in twenty a recurring series),
// configured for a collection of its own that is still empty.
struct BenchDevice {
    CliRunner cli;
    std::string url;
    int count = 0;

    std::filesystem::path Store() const { return cli.Device() / "pim.vol"; }
};

// Radicale takes a whole collection in one PUT: a far quicker way than one
// PUT per item to give the server what a device holds.
std::string PutWholeCollection(const BenchDevice& device)
{
    const std::filesystem::path file = device.cli.Device() / "whole.ics";
    const CliResult exported = device.cli.Run({"export", file.string()});
    if (exported.exitCode != 0) return exported.err;
    std::ifstream in(file, std::ios::binary);
    DavRequest put = MakeDavRequest("PUT", device.url, std::string(std::istreambuf_iterator<char>(in), {}));
    put.contentType = "text/calendar; charset=utf-8";
    DavOptions slow;
    slow.stallSeconds = 900;  // the server answers only when all of it is stored
    slow.retries = 0;
    DavClient client(Account(), slow);
    const DavReply reply = client.Send(put);
    return reply.Success() ? std::string() : reply.Problem(put.url);
}

// `seeded`: the collection starts with the device's items instead of empty.
std::string MakeDevice(BenchDevice& device, int count, bool seeded)
{
    static int calendars = 0;
    if (!Server().Running()) return Server().Why();
    device.count = count;
    const std::string name = "bench" + std::to_string(++calendars);
    device.url = seeded ? Server().Origin() + "/" + RadicaleServer::kUser + "/" + name + "/" : Server().MakeCalendar(name);
    if (device.url.empty()) return "MKCALENDAR failed";
    BigStoreShape shape;
    shape.appointments = count;
    shape.series = count / 20;
    shape.tasks = 0;
    std::filesystem::create_directories(device.cli.Device());
    if (std::string error = GenerateBigStore(device.Store(), shape); !error.empty()) return error;
    if (seeded) {
        if (std::string error = PutWholeCollection(device); !error.empty()) return error;
    }
    const CliResult setup = device.cli.Run({"sync", "setup", device.url, "--user", RadicaleServer::kUser,
                                            "--password-command", RadicaleServer::PasswordCommand()});
    return setup.exitCode == 0 ? std::string() : setup.err;
}

struct InProcessRun {
    SyncSummary summary;
    int requests = 0;
    int connections = 0;
};

InProcessRun SyncInProcess(const BenchDevice& device)
{
    InProcessRun run;
    PoomApplication app;
    if (!app.Logon(device.Store())) {
        run.summary.error = app.LastError();
        return run;
    }
    SyncConfig config;
    config.url = device.url;
    config.user = RadicaleServer::kUser;
    config.passwordCommand = RadicaleServer::PasswordCommand();
    DavClient client(Account());
    IcalItemCodec codec(app);
    run.summary = RunSync(app, codec, client, config);
    run.requests = client.RequestsSent();
    run.connections = client.ConnectionsOpened();
    app.Logoff();
    return run;
}

// Devices whose store is in step with their collection, by size: uploaded
// item by item by BM_SyncFirstUpload, else seeded whole and pulled once.
std::map<int, std::unique_ptr<BenchDevice>>& SyncedDevices()
{
    static std::map<int, std::unique_ptr<BenchDevice>> devices;
    return devices;
}

BenchDevice* SyncedDevice(int count, std::string& error)
{
    auto& slot = SyncedDevices()[count];
    if (slot) return slot.get();
    auto device = std::make_unique<BenchDevice>();
    if (error = MakeDevice(*device, count, /*seeded*/ true); !error.empty()) return nullptr;
    const InProcessRun run = SyncInProcess(*device);
    if (!run.summary.ok) {
        error = run.summary.error;
        return nullptr;
    }
    slot = std::move(device);
    return slot.get();
}

// The device of the benchmark's size; the benchmark is skipped when it cannot be made.
BenchDevice* SyncedDeviceOrSkip(benchmark::State& state)
{
    std::string error;
    BenchDevice* device = SyncedDevice(static_cast<int>(state.range(0)), error);
    if (device == nullptr) state.SkipWithError(error.c_str());
    return device;
}

// Ten events written by another client straight into the collection.
std::string PutFromElsewhere(const std::string& url, int round)
{
    DavClient client(Account());
    for (int i = 0; i < 10; ++i) {
        const std::string uid = "elsewhere-" + std::to_string(round) + "-" + std::to_string(i);
        DavRequest put = MakeDavRequest(
            "PUT", url + uid + ".ics",
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//elsewhere//bench//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
                "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:20270105T100000Z\r\nDTEND:20270105T110000Z\r\n"
                "SUMMARY:밖에서 " + std::to_string(i) + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        put.contentType = "text/calendar; charset=utf-8";
        put.ifNoneMatchAny = true;
        const DavReply reply = client.Send(put);
        if (!reply.Success()) return reply.Problem(put.url);
    }
    return {};
}

// Ten appointments of the device edited here.
std::string EditLocally(const BenchDevice& device, int round)
{
    PoomApplication app;
    if (!app.Logon(device.Store())) return app.LastError();
    SyncState state(*app.Connection());
    const std::vector<SyncItemState> items = state.Items(1);
    for (int i = 0; i < 10; ++i) {
        const CEOID oid = items[(static_cast<size_t>(round) * 10 + static_cast<size_t>(i) * 97) % items.size()].oid;
        auto item = app.GetItemFromOid(oid);
        if (!item) return app.LastError();
        item->SetSubject("고친 일정 " + std::to_string(round) + "-" + std::to_string(i));
        if (!item->Save()) return app.LastError();
    }
    app.Logoff();
    return {};
}

} // namespace

static void BM_SyncFirstUpload(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto device = std::make_unique<BenchDevice>();
        if (const std::string error = MakeDevice(*device, count, /*seeded*/ false); !error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
        state.ResumeTiming();
        const InProcessRun run = SyncInProcess(*device);
        state.PauseTiming();
        if (!run.summary.ok || run.summary.pushed != count) {
            state.SkipWithError(("sync failed: " + run.summary.error + " " + run.summary.Line()).c_str());
            return;
        }
        state.counters["requests"] = run.requests;
        state.counters["connections"] = run.connections;
        SyncedDevices()[count] = std::move(device);
        state.ResumeTiming();
    }
    state.counters["items"] = benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SyncFirstUpload)->Arg(1000)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
// Radicale looks through the whole collection for every new item, so 10,000
// take the better part of an hour: only on request (DAYVANE_BENCH_LONG=1).
[[maybe_unused]] static const auto* const kLongFirstUpload =
    std::getenv("DAYVANE_BENCH_LONG") == nullptr
        ? nullptr
        : benchmark::RegisterBenchmark("BM_SyncFirstUpload", BM_SyncFirstUpload)
              ->Arg(10000)
              ->Unit(benchmark::kSecond)
              ->UseRealTime()
              ->Iterations(1);

// Nothing changed on either side: the whole process, and the requests one run makes.
static void BM_SyncUnchanged(benchmark::State& state)
{
    BenchDevice* device = SyncedDeviceOrSkip(state);
    if (device == nullptr) return;
    const InProcessRun probe = SyncInProcess(*device);
    if (!probe.summary.ok) {
        state.SkipWithError(probe.summary.error.c_str());
        return;
    }
    state.counters["requests"] = probe.requests;
    for (auto _ : state) {
        const CliResult result = device->cli.Run({"sync", "--quiet"});
        if (result.exitCode != 0) state.SkipWithError(result.err.c_str());
    }
}
BENCHMARK(BM_SyncUnchanged)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// Ten events added by another client and ten appointments edited here.
static void BM_SyncTenChangesEachSide(benchmark::State& state)
{
    BenchDevice* device = SyncedDeviceOrSkip(state);
    if (device == nullptr) return;
    static int round = 0;
    std::string error;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        if (error = PutFromElsewhere(device->url, round); error.empty()) error = EditLocally(*device, round);
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
        state.ResumeTiming();
        const CliResult result = device->cli.Run({"sync"});
        if (result.exitCode != 0 || result.out.rfind("받음 10, 보냄 10,", 0) != 0)
            state.SkipWithError((result.out + result.err).c_str());
    }
}
BENCHMARK(BM_SyncTenChangesEachSide)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
