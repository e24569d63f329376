// agenda and todo: what the Today calendar and task items list, one entry a
// line, the two lines of an entry joined by a tab.
#include <ostream>

#include "calendar/Anniversary.h"
#include "pim/session/PimSession.h"
#include "platform/device/DeviceDirectory.h"
#include "tools/CliOptions.h"
#include "tools/Commands.h"
#include "tools/DeviceFiles.h"
#include "tools/StoreCommands.h"
#include "today/listing/TodayCalendar.h"
#include "today/listing/TodayTasks.h"

namespace {

void Print(const TodayEntries& entries, std::ostream& out)
{
    for (const TodayEntry& entry : entries) {
        out << entry.firstLine;
        if (!entry.secondLine.empty()) out << '\t' << entry.secondLine;
        out << '\n';
    }
}

int Agenda(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly({"days", "count"});
    TodayCalendarOptions options = ReadTodayCalendarOptions();
    options.period = static_cast<int32_t>(o.GetInt("days", 0, kMaxTodayEventPeriod).value_or(options.period));
    options.itemCount = static_cast<int32_t>(o.GetInt("count", 0, 1000000).value_or(options.itemCount));
    PrepareDevice();
    AnniversaryList anniversaries;
    LoadTodayAnniversaries(anniversaries, ProgramFolder().string());
    auto session = OpenDeviceStore(false);
    Print(LoadTodayCalendar(options, CurrentTodayClock(), anniversaries, session->OutlookApp()), out);
    return 0;
}

int Todo(const CliOptions& o, std::ostream& out)
{
    o.AllowOnly({"count"});
    TodayTaskOptions options = ReadTodayTaskOptions();
    options.itemCount = static_cast<int32_t>(o.GetInt("count", 0, 1000000).value_or(options.itemCount));
    auto session = OpenDeviceStore(true);
    Print(LoadTodayTasks(options, CurrentTodayClock(), session->TaskDatabase()), out);
    return 0;
}

} // namespace

int RunTodayCommand(const CommandArgs& args, std::ostream& out)
{
    CliOptions options(args, {});
    if (options.Positionals().size() != 1)
        throw UsageError("사용법: dayvane-cli agenda [--days N] [--count N] | todo [--count N]");
    return args[0] == "agenda" ? Agenda(options, out) : Todo(options, out);
}
