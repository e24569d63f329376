// The application as a user meets it: the whole process started on a device
// with the big store until its first week view is painted, the week's reload
// that a store notification sets off in the open frame, and the memory the
// process holds with the big store open.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "app/FirstStart.h"
#include "app/MainFrame.h"
#include "bench/BigStoreGenerator.h"
#include "platform/device/DeviceDirectory.h"
#include "platform/shell/Density.h"
#include "platform/shell/WindowMessage.h"
#include "platform/store/PimDatabase.h"
#include "views/week/WeekView.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr const char* kNow = "2015-06-10T10:00:00";

// A started device whose store is the big one (DAYVANE_BENCH_STORE names one
// made earlier), made once per process.
class BigDevice {
public:
    static BigDevice& Get()
    {
        static BigDevice device;
        return device;
    }
    const fs::path& Dir() const { return m_dir; }
    const std::string& Error() const { return m_error; }
    ~BigDevice()
    {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

private:
    BigDevice()
    {
        std::string pattern = (fs::temp_directory_path() / "dayvane-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_root = pattern;
        m_dir = m_root / "device";
        SetDeviceDirectory(m_dir);
        if (m_error = EnsureDevice().error; !m_error.empty())
            return;
        if (m_error = MakeBigStore(StoreFile()); !m_error.empty())
            return;
        // A device that has been started before: no first-start work is timed.
        InstallFirstStart(DAYVANE_EXECUTABLE);
    }
    fs::path m_root;
    fs::path m_dir;
    std::string m_error;
};

struct ProcessRun {
    double seconds = 0;
    long maxResidentKb = 0;
    int status = -1;
};

ProcessRun RunDayvane(const fs::path& device, const fs::path& shot)
{
    const std::string deviceText = device.string();
    const std::string shotText = shot.string();
    std::vector<std::string> arguments{DAYVANE_EXECUTABLE, "--device", deviceText, "--screenshot", shotText,
                                       "--date", "2015-06-10"};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("DAYVANE_NOW", kNow, 1);

    ProcessRun run;
    const auto start = std::chrono::steady_clock::now();
    // The screenshot's path on stdout is of no interest here.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return run;
    rusage usage{};
    if (wait4(pid, &run.status, 0, &usage) != pid)
        return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.maxResidentKb = usage.ru_maxrss;
    return run;
}

void TimeStartup(benchmark::State& state, const fs::path& device)
{
    const fs::path shot = device.parent_path() / "shot.png";
    long maxResidentKb = 0;
    for (auto _ : state) {
        const ProcessRun run = RunDayvane(device, shot);
        if (!WIFEXITED(run.status) || WEXITSTATUS(run.status) != 0) {
            state.SkipWithError("Dayvane did not start");
            return;
        }
        state.SetIterationTime(run.seconds);
        maxResidentKb = std::max(maxResidentKb, run.maxResidentKb);
    }
    state.counters["maxRSS_MB"] = double(maxResidentKb) / 1024.0;
}

// Start-up on the big store to the first painted week, as a whole process.
void BM_StartupBigStore(benchmark::State& state)
{
    BigDevice& device = BigDevice::Get();
    if (!device.Error().empty()) {
        state.SkipWithError(device.Error().c_str());
        return;
    }
    TimeStartup(state, device.Dir());
}
BENCHMARK(BM_StartupBigStore)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The same on a device with an empty store, for comparison.
void BM_StartupEmptyStore(benchmark::State& state)
{
    std::string pattern = (fs::temp_directory_path() / "dayvane-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    const fs::path device = fs::path(pattern) / "device";
    RunDayvane(device, fs::path(pattern) / "first.png");  // the first start installs the device
    TimeStartup(state, device);
    std::error_code ignored;
    fs::remove_all(pattern, ignored);
}
BENCHMARK(BM_StartupEmptyStore)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void EnsureApplication()
{
    if (QApplication::instance() != nullptr)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "bench_startup";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// The open frame on the big store: a change notification arrives, the week
// is collected again, laid out and painted. Argument 0: the week on screen
// (one of its records changed); 1: a week not shown before.
void BM_WeekReloadAfterNotification(benchmark::State& state)
{
    BigDevice& device = BigDevice::Get();
    if (!device.Error().empty()) {
        state.SkipWithError(device.Error().c_str());
        return;
    }
    EnsureApplication();
    SetDeviceDpi(192, 192);
    setenv("DAYVANE_NOW", kNow, 1);
    SetDeviceDirectory(device.Dir());
    CMainFrame frame(QSize(480, 640));
    if (!frame.Create()) {
        state.SkipWithError("the frame does not start");
        return;
    }
    std::mt19937 random(5);
    std::uniform_int_distribution<int> weeks(0, 1040);
    const TimeValue first = TimeFromFields(2010, 1, 6, 10, 0, 0);
    const bool otherWeeks = state.range(0) == 1;
    frame.SetCurrentDate(TimeFromFields(2015, 6, 10, 10, 0, 0));
    frame.RefreshActiveView();
    for (auto _ : state) {
        state.PauseTiming();
        if (otherWeeks)
            frame.SetCurrentDate(first + TimeValue(weeks(random)) * 7 * 86400);
        // Every refresh collects the week's entries anew.
        const ItemEntry* collected = frame.WeekView()->CellEntries(0).data();
        state.ResumeTiming();
        auto* notification = new CENOTIFICATION;
        notification->uType = DB_CEOID_CHANGED;
        notification->oid = 1;  // one record changed elsewhere
        PostWindowMessage(&frame, WM_DBNOTIFICATION, 0, 0, notification);
        while (frame.WeekView()->CellEntries(0).data() == collected)
            QCoreApplication::processEvents();
        frame.WeekView()->RenderOffscreen();
        benchmark::DoNotOptimize(frame.WeekView()->OffscreenImage().constBits());
    }
}
BENCHMARK(BM_WeekReloadAfterNotification)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
