// week: the seven days of a week, civil and lunar, with their anniversaries;
// with --entries the week's entries as the week view collects them.
#include <cstdio>
#include <ostream>

#include "agenda/PimWeekItemSource.h"
#include "agenda/WeekEntriesText.h"
#include "agenda/WeekRange.h"
#include "calendar/AnniversaryDayEntries.h"
#include "calendar/Lunar.h"
#include "pim/session/PimSession.h"
#include "settings/Settings.h"
#include "tools/CliOptions.h"
#include "tools/Commands.h"
#include "tools/DeviceFiles.h"
#include "tools/StoreCommands.h"

namespace {

const char* const kWeekdayNames[] = {"일", "월", "화", "수", "목", "금", "토"};

std::string LunarText(const SolarDate& day)
{
    LunarDate lunar;
    if (!SolarToLunar(day.year, day.month, day.day, lunar)) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "음 %d.%d%s", lunar.month, lunar.day, lunar.isLeapMonth ? " 윤" : "");
    return text;
}

void PrintWeekEntries(const SolarDate& day, const AnniversaryList& anniversaries, std::ostream& out)
{
    const TimeValue midnight = MidnightOfDate(day);
    if (midnight == 0) throw UsageError("날짜가 범위를 벗어났습니다: " + FormatDate({day.year, day.month, day.day}));
    const Settings settings = LoadSettings(ScreenMetrics{});
    const WeekRange range = WeekAround(midnight, settings.m_SundayAsStart != 0);
    const WeekContext week{DateOfTime(range.start), DateOfTime(Now()), settings};
    auto session = OpenDeviceStore(true);
    PimWeekItemSource source(*session);
    const WeekCells cells = CollectWeekFromSource(week, range.start, range.end, source, anniversaries);
    out << WeekEntriesText(week.first, week.today, cells);
}

} // namespace

int RunWeekCommand(const CommandArgs& args, std::ostream& out)
{
    CliOptions options(args, {"entries"});
    options.AllowOnly({"entries"});
    if (options.Positionals().size() > 2) throw UsageError("사용법: dayvane-cli week [YYYY-MM-DD] [--entries]");

    AnniversaryList anniversaries;
    LoadDeviceAnniversaries(anniversaries);
    SolarDate day = Today();
    if (options.Positionals().size() == 2) {
        Date given = ParseDate(options.Positionals()[1], "날짜");
        day = {given.year, given.month, given.day};
    }
    if (options.Has("entries")) {
        PrintWeekEntries(day, anniversaries, out);
        return 0;
    }
    // Back to the first column: Monday, or Sunday with "SundayAsStart".
    int weekday = WeekdayOf(day);  // Sunday = 1
    int column = WeekStartsOnSunday() ? weekday : (weekday == 1 ? 7 : weekday - 1);
    SolarDate first = AddDays(day, 1 - column);

    std::vector<AnniversaryDayEntry> entries = AnniversaryEntriesInRange(anniversaries, first, 7, DeviceAnniversaryDisplay());
    for (int i = 0; i < 7; ++i) {
        SolarDate d = AddDays(first, i);
        out << FormatDate({d.year, d.month, d.day}) << " (" << kWeekdayNames[WeekdayOf(d) - 1] << ")\t"
            << LunarText(d);
        const char* separator = "\t";
        for (const AnniversaryDayEntry& entry : entries) {
            if (!(entry.date == d)) continue;
            out << separator << entry.title;
            separator = ", ";
        }
        out << '\n';
    }
    return 0;
}
