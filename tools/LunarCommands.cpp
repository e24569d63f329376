// lunar: civil -> lunar for a day or a range; solar: lunar -> civil.
#include <cstdio>
#include <ostream>
#include <string>

#include "calendar/CivilDate.h"
#include "calendar/Lunar.h"
#include "calendar/AnniversaryValidation.h"
#include "tools/CliOptions.h"
#include "tools/Commands.h"

namespace {

void AppendDate(std::string& line, int year, int month, int day)
{
    char text[16];
    int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    line.append(text, static_cast<size_t>(n));
}

int PrintLunarRange(const CliOptions& options, std::ostream& out)
{
    if (options.Positionals().size() != 2) throw UsageError("사용법: dayvane-cli lunar YYYY-MM-DD [--to YYYY-MM-DD]");
    options.AllowOnly({"to"});
    Date from = ParseDate(options.Positionals()[1], "날짜");
    Date to = options.GetDate("to").value_or(from);
    uint32_t first = DateToDayNumber(from.year, from.month, from.day);
    uint32_t last = DateToDayNumber(to.year, to.month, to.day);
    if (last < first) throw UsageError("--to 날짜가 시작 날짜보다 앞섭니다.");

    // Tens of thousands of lines: build them in one buffer and write in chunks.
    std::string buffer;
    buffer.reserve(1 << 16);
    for (uint32_t n = first; n <= last; ++n) {
        SolarDate civil;
        DayNumberToDate(n, civil);
        AppendDate(buffer, civil.year, civil.month, civil.day);
        buffer += '\t';
        LunarDate lunar;
        if (SolarToLunar(civil.year, civil.month, civil.day, lunar)) {
            AppendDate(buffer, lunar.year, lunar.month, lunar.day);
            if (lunar.isLeapMonth) buffer += "\t윤";
        } else {
            buffer += '-';
        }
        buffer += '\n';
        if (buffer.size() > (1 << 16) - 64) {
            out << buffer;
            buffer.clear();
        }
    }
    out << buffer;
    return 0;
}

// A lunar date has the civil shape but not its day limits (day 30 of the first
// month, for one): only the digits are checked here, the tables decide.
LunarDate ParseLunarDate(const std::string& text)
{
    LunarDate date;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d", &date.year, &date.month, &date.day) != 3)
        throw UsageError("음력 날짜는 YYYY-MM-DD 형식이어야 합니다: '" + text + "'");
    return date;
}

int PrintSolar(const CliOptions& options, std::ostream& out)
{
    if (options.Positionals().size() != 2) throw UsageError("사용법: dayvane-cli solar YYYY-MM-DD [--leap]");
    options.AllowOnly({"leap"});
    LunarDate lunar = ParseLunarDate(options.Positionals()[1]);
    SolarDate civil;
    if (!LunarToSolar(lunar.year, lunar.month, lunar.day, options.Has("leap") ? 1 : 0, civil))
        throw CommandError(kAnniversaryLunarDateInvalid);
    out << FormatDate({civil.year, civil.month, civil.day}) << '\n';
    return 0;
}

} // namespace

int RunLunarCommand(const CommandArgs& args, std::ostream& out)
{
    CliOptions options(args, {"leap"});
    return args[0] == "solar" ? PrintSolar(options, out) : PrintLunarRange(options, out);
}
