// week: the seven days of a week, civil and lunar, with their anniversaries.
#include <cstdio>
#include <ostream>

#include "calendar/AnniversaryDayEntries.h"
#include "calendar/Lunar.h"
#include "tools/CliOptions.h"
#include "tools/Commands.h"
#include "tools/DeviceFiles.h"

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

} // namespace

int RunWeekCommand(const CommandArgs& args, std::ostream& out)
{
    CliOptions options(args, {});
    options.AllowOnly({});
    if (options.Positionals().size() > 2) throw UsageError("사용법: dayvane-cli week [YYYY-MM-DD]");

    AnniversaryList anniversaries;
    LoadDeviceAnniversaries(anniversaries);
    SolarDate day = Today();
    if (options.Positionals().size() == 2) {
        Date given = ParseDate(options.Positionals()[1], "날짜");
        day = {given.year, given.month, given.day};
    }
    // Back to the first column: Monday, or Sunday with "SundayAsStart".
    int weekday = WeekdayOf(day);  // Sunday = 1
    int column = WeekStartsOnSunday() ? weekday : (weekday == 1 ? 7 : weekday - 1);
    SolarDate first = AddDays(day, 1 - column);

    std::vector<AnniversaryDayEntry> entries = AnniversaryEntriesInRange(anniversaries, first, 7);
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
