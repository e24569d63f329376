// anniv: list, show by day, add, edit and remove anniversaries; the holidays of a year.
#include <cstdio>
#include <ostream>

#include "calendar/AnniversaryDayEntries.h"
#include "calendar/AnniversaryEdits.h"
#include "calendar/AnniversaryOccurrence.h"
#include "calendar/AnniversaryValidation.h"
#include "calendar/PublicHolidays.h"
#include "tools/CliOptions.h"
#include "tools/Commands.h"
#include "tools/DeviceFiles.h"

namespace {

const char kUsage[] =
    "사용법: dayvane-cli anniv list\n"
    "        dayvane-cli anniv on YYYY-MM-DD [--days N]\n"
    "        dayvane-cli anniv holidays YYYY\n"
    "        dayvane-cli anniv add --name 이름 (--date [YYYY-]MM-DD | --month M --ordinal 1-5 --weekday 1-7 [--year Y])\n"
    "                              [--lunar] [--leap] [--birthday] [--day-before] [--day-after] [--color #rrggbb]\n"
    "        dayvane-cli anniv edit INDEX [같은 옵션] [--solar] [--no-leap] [--no-birthday] [--no-day-before] [--no-day-after] [--no-year]\n"
    "        dayvane-cli anniv rm INDEX\n"
    "        (edit, rm: --if-name 이름 을 주면 INDEX의 기념일 이름이 다를 때 바꾸지 않습니다)";

const std::vector<std::string> kFlags = {"lunar", "solar", "leap", "no-leap", "birthday", "no-birthday",
                                         "day-before", "no-day-before", "day-after", "no-day-after",
                                         "no-year"};
const std::vector<std::string> kFieldOptions = {"name", "date", "month", "ordinal", "weekday", "year", "color"};

std::string DaysLeftText(int daysUntil)
{
    if (daysUntil == 0) return "오늘";
    if (daysUntil == 1) return "내일";
    return std::to_string(daysUntil);
}

int List(std::ostream& out)
{
    AnniversaryList list;
    LoadDeviceAnniversaries(list);
    for (const AnniversaryOccurrence& row : RankAnniversaries(list, Today(), DeviceAnniversaryDisplay().age)) {
        out << row.index << '\t';
        if (row.daysUntil < 0) {
            out << "-\t-";
        } else {
            out << FormatDate({row.civilDate.year, row.civilDate.month, row.civilDate.day}) << '\t'
                << DaysLeftText(row.daysUntil);
        }
        out << '\t' << row.name << row.countText << '\t' << (row.lunar ? "음" : "") << '\n';
    }
    return 0;
}

int On(const CliOptions& options, std::ostream& out)
{
    if (options.Positionals().size() != 3) throw UsageError(kUsage);
    options.AllowOnly({"days"});
    Date given = ParseDate(options.Positionals()[2], "날짜");
    int days = static_cast<int>(options.GetInt("days", 1, 3660).value_or(1));
    AnniversaryList list;
    LoadDeviceAnniversaries(list);
    SolarDate first{given.year, given.month, given.day};
    std::vector<AnniversaryDayEntry> entries = AnniversaryEntriesInRange(list, first, days, DeviceAnniversaryDisplay());
    for (int i = 0; i < days; ++i) {
        SolarDate day = AddDays(first, i);
        for (const AnniversaryDayEntry& entry : entries)
            if (entry.date == day) out << FormatDate({day.year, day.month, day.day}) << '\t' << entry.title << '\n';
    }
    return 0;
}

// The year's public and substitute holidays, from the built-in table.
int Holidays(const CliOptions& options, std::ostream& out)
{
    if (options.Positionals().size() != 3) throw UsageError(kUsage);
    options.AllowOnly({});
    const int year = static_cast<int>(ParseInt(options.Positionals()[2], 1, 9999, "YYYY"));
    for (const PublicHoliday& holiday : PublicHolidaysOfYear(year))
        out << FormatDate({holiday.date.year, holiday.date.month, holiday.date.day}) << '\t' << holiday.name << '\n';
    return 0;
}

// --date takes YYYY-MM-DD or MM-DD (no year); the calendar check comes later,
// since a lunar day 30 or a yearless 29 February are not civil dates.
void ApplyDate(const std::string& text, Anniversary& record)
{
    int year = 0, month = 0, day = 0;
    char tail = 0;
    if (text.size() == 10 && std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) == 3) {
    } else if (text.size() == 5 && std::sscanf(text.c_str(), "%2d-%2d%c", &month, &day, &tail) == 2) {
        year = 0;
    } else {
        throw UsageError("--date 는 YYYY-MM-DD 또는 MM-DD 형식이어야 합니다: '" + text + "'");
    }
    if (record.kind == kAnniversaryByWeekday) record.kind = kAnniversaryByDate;
    record.year = year;
    record.month = month;
    record.day = day;
}

void ApplyWeekday(const CliOptions& options, Anniversary& record)
{
    bool wasByWeekday = record.kind == kAnniversaryByWeekday;
    int month = wasByWeekday ? record.WeekdayMonth() : 1;
    int ordinal = wasByWeekday ? record.WeekdayOrdinal() : 1;
    int weekday = wasByWeekday ? record.day : 1;
    month = static_cast<int>(options.GetInt("month", 1, 12).value_or(month));
    ordinal = static_cast<int>(options.GetInt("ordinal", 1, 5).value_or(ordinal));
    weekday = static_cast<int>(options.GetInt("weekday", 1, 7).value_or(weekday));
    if (!wasByWeekday && !(options.Has("month") && options.Has("weekday")))
        throw UsageError("요일로 입력하려면 --month 와 --weekday 가 필요합니다.");
    record.kind = kAnniversaryByWeekday;
    record.month = month * 10 + ordinal;
    record.day = weekday;
    record.lunar = 0;
    record.leapMonth = 0;
}

void SetFlag(const CliOptions& options, const char* on, const char* off, int32_t& field)
{
    if (options.Has(on) && options.Has(off)) throw UsageError(std::string("--") + on + " 와 --" + off + " 는 함께 쓸 수 없습니다.");
    if (options.Has(on)) field = 1;
    if (options.Has(off)) field = 0;
}

void ApplyOptions(const CliOptions& options, Anniversary& record)
{
    if (options.Has("date") && (options.Has("month") || options.Has("weekday") || options.Has("ordinal")))
        throw UsageError("--date 와 --month/--ordinal/--weekday 는 함께 쓸 수 없습니다.");
    if (auto name = options.Get("name")) record.name = *name;
    if (auto date = options.Get("date")) ApplyDate(*date, record);
    if (options.Has("month") || options.Has("weekday") || options.Has("ordinal")) ApplyWeekday(options, record);
    if (auto year = options.GetInt("year", 0, 9999)) record.year = static_cast<int32_t>(*year);
    if (options.Has("no-year")) record.year = 0;
    if (auto color = options.Get("color")) record.color = ParseColor(*color, "--color");

    SetFlag(options, "lunar", "solar", record.lunar);
    SetFlag(options, "leap", "no-leap", record.leapMonth);
    SetFlag(options, "day-before", "no-day-before", record.dayBefore);
    SetFlag(options, "day-after", "no-day-after", record.dayAfter);
    int32_t birthday = record.kind == kAnniversaryBirthday;
    SetFlag(options, "birthday", "no-birthday", birthday);
    if (record.kind != kAnniversaryByWeekday) record.kind = birthday ? kAnniversaryBirthday : kAnniversaryByDate;
    else if (birthday) throw UsageError("요일로 정한 기념일은 생일이 될 수 없습니다.");
    if (record.kind == kAnniversaryByWeekday && (record.lunar || record.leapMonth))
        throw UsageError("요일로 정한 기념일은 음력이 될 수 없습니다.");
}

// The record the user means: INDEX in the list as `anniv list` showed it.
// With --if-name, a script that listed earlier makes sure that another
// process has not shifted a different record under that index meanwhile.
size_t ParseIndex(const CliOptions& options, const AnniversaryList& list)
{
    const std::string& text = options.Positionals()[2];
    long index = ParseInt(text, 0, 1L << 30, "INDEX");
    if (static_cast<size_t>(index) >= list.Count())
        throw CommandError("그런 기념일이 없습니다: " + text + " (" + std::to_string(list.Count()) + "개)");
    const auto expected = options.Get("if-name");
    if (expected && list.At(static_cast<size_t>(index)).name != *expected)
        throw CommandError(kAnniversaryChangedElsewhere);
    return static_cast<size_t>(index);
}

int Change(const CliOptions& options, std::ostream& out)
{
    const std::string& verb = options.Positionals()[1];
    std::vector<std::string> known = kFieldOptions;
    known.insert(known.end(), kFlags.begin(), kFlags.end());
    known.push_back("if-name");
    options.AllowOnly(verb == "rm" ? std::vector<std::string>{"if-name"} : known);
    bool adding = verb == "add";
    if (options.Positionals().size() != (adding ? 2u : 3u)) throw UsageError(kUsage);

    // Edits and removals name the record by its index in the list as loaded
    // here and by its content, so that a record another process moved is
    // still found, and one it changed is refused.
    AnniversaryList list;
    if (!adding) LoadDeviceAnniversaries(list);
    const std::string folder = DeviceAnniversaryFolder();
    std::string error;
    if (verb == "rm") {
        const size_t index = ParseIndex(options, list);
        FinishAnniversarySave(SaveRemovedAnniversary(folder, index, list.At(index), nullptr, &error), error);
        return 0;
    }

    Anniversary record;
    size_t index = 0;
    if (adding) {
        if (!options.Has("name") || !(options.Has("date") || options.Has("month")))
            throw UsageError(kUsage);
    } else {
        index = ParseIndex(options, list);
        record = list.At(index);
    }
    ApplyOptions(options, record);
    std::string problem = CheckAnniversary(record);
    if (!problem.empty()) throw CommandError(problem);
    size_t savedIndex = 0;
    const int32_t saved = adding ? SaveNewAnniversary(folder, record, nullptr, &savedIndex, &error)
                                 : SaveChangedAnniversary(folder, index, list.At(index), record, nullptr,
                                                          &savedIndex, &error);
    FinishAnniversarySave(saved, error);
    out << savedIndex << '\n';
    return 0;
}

} // namespace

int RunAnniversaryCommand(const CommandArgs& args, std::ostream& out)
{
    CliOptions options(args, kFlags);
    const auto& positionals = options.Positionals();
    std::string verb = positionals.size() > 1 ? positionals[1] : "";
    if (verb == "list") {
        options.AllowOnly({});
        if (positionals.size() != 2) throw UsageError(kUsage);
        return List(out);
    }
    if (verb == "on") return On(options, out);
    if (verb == "holidays") return Holidays(options, out);
    if (verb == "add" || verb == "edit" || verb == "rm") return Change(options, out);
    throw UsageError(kUsage);
}
