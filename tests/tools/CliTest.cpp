#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/tools/CliRunner.h"
#include "tests/weather/WeatherServer.h"

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(CliLunar, PrintsCivilAndLunarDatesWithLeapMarks)
{
    CliRunner cli;
    CliResult r = cli.Run({"lunar", "1881-01-29", "--to", "1881-01-30"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "1881-01-29\t-\n1881-01-30\t1881-01-01\n");

    r = cli.Run({"lunar", "2023-03-21", "--to", "2023-03-22"});
    EXPECT_EQ(r.out, "2023-03-21\t2023-02-30\n2023-03-22\t2023-02-01\t윤\n");

    // Years whose leap month the published table had wrong.
    EXPECT_EQ(cli.Run({"lunar", "1984-11-23"}).out, "1984-11-23\t1984-10-01\t윤\n");
    EXPECT_EQ(cli.Run({"lunar", "2014-10-24"}).out, "2014-10-24\t2014-09-01\t윤\n");
    EXPECT_EQ(cli.Run({"lunar", "2051-02-10", "--to", "2051-02-11"}).out,
              "2051-02-10\t2050-12-29\n2051-02-11\t-\n");
}

TEST(CliLunar, SolarConvertsBackAndRefusesMissingDates)
{
    CliRunner cli;
    EXPECT_EQ(cli.Run({"solar", "2023-02-01", "--leap"}).out, "2023-03-22\n");
    EXPECT_EQ(cli.Run({"solar", "2023-02-01"}).out, "2023-02-20\n");

    CliResult r = cli.Run({"solar", "2024-02-01", "--leap"});  // 2024 has no leap month
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("잘못된 음력 날짜를 입력하였습니다."));
    EXPECT_EQ(cli.Run({"solar", "2051-01-01"}).exitCode, 1);
}

TEST(CliUsage, BadDatesAndOptionsAreUsageErrors)
{
    CliRunner cli;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"lunar", "2009-02-30"},
             {"lunar", "2009-13-01"},
             {"lunar", "09-1-1"},
             {"lunar", "2009-03-01", "--to", "2009-02-01"},
             {"lunar", "2009-03-01", "--to"},
             {"lunar", "2009-03-01", "--from", "x"},
             {"anniv", "on", "2009-01-01", "--days", "many"},
             {"anniv", "frobnicate"},
             {"reg", "set", "X"},
             {"no-such-command"},
         }) {
        CliResult r = cli.Run(args);
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << args[1];
        EXPECT_FALSE(r.err.empty());
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(CliAnniversaries, AddEditRemoveKeepTheFileAndRaiseTheTodayFlag)
{
    CliRunner cli;
    size_t holidays = Lines(cli.Run({"anniv", "list"}).out).size();
    ASSERT_GT(holidays, 10u);

    CliResult added = cli.Run({"anniv", "add", "--name", "결혼 기념일", "--date", "2001-12-09", "--color", "#ff0000"});
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out, std::to_string(holidays) + "\n");
    EXPECT_EQ(cli.Run({"reg", "get", "TodayEventChanged"}).out, "TodayEventChanged\tREG_DWORD\t1\n");

    std::vector<std::string> list = Lines(cli.Run({"anniv", "list"}).out);
    ASSERT_EQ(list.size(), holidays + 1);
    EXPECT_EQ(list[0], std::to_string(holidays) + "\t2026-12-09\t내일\t결혼 기념일(25주년)\t");

    // A by-weekday record in December survives the save.
    ASSERT_EQ(cli.Run({"anniv", "edit", std::to_string(holidays), "--month", "12", "--ordinal", "2",
                       "--weekday", "3"}).exitCode, 0);
    EXPECT_EQ(Lines(cli.Run({"anniv", "list"}).out)[0],
              std::to_string(holidays) + "\t2026-12-08\t오늘\t결혼 기념일(25주년)\t");

    ASSERT_EQ(cli.Run({"anniv", "rm", std::to_string(holidays)}).exitCode, 0);
    EXPECT_EQ(Lines(cli.Run({"anniv", "list"}).out).size(), holidays);
    EXPECT_EQ(cli.Run({"anniv", "rm", "999"}).exitCode, 1);
}

TEST(CliAnniversaries, InvalidRecordsAreRefusedWithTheEditorsMessage)
{
    CliRunner cli;
    CliResult r = cli.Run({"anniv", "add", "--name", "x", "--date", "2024-01-30", "--lunar"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("잘못된 음력 날짜를 입력하였습니다."));
    EXPECT_EQ(cli.Run({"anniv", "add", "--name", "x", "--date", "2023-02-29"}).exitCode, 1);
    EXPECT_EQ(cli.Run({"anniv", "add", "--name", "x", "--month", "5", "--weekday", "2", "--lunar"}).exitCode, 2);
}

TEST(CliAnniversaries, OnShowsNeighbourDayMarks)
{
    CliRunner cli;
    // Chuseok 2026 is 25 September, marked on the days before and after.
    CliResult r = cli.Run({"anniv", "on", "2026-09-24", "--days", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2026-09-24\t추석이전\n2026-09-25\t추석\n2026-09-26\t추석다음\n");
}

TEST(CliWeek, ShowsTheWeekFromItsFirstColumn)
{
    CliRunner cli;
    cli.SetNow("2026-12-24T10:00:00");  // a Thursday
    std::vector<std::string> week = Lines(cli.Run({"week"}).out);
    ASSERT_EQ(week.size(), 7u);
    EXPECT_THAT(week[0], StartsWith("2026-12-21 (월)"));
    EXPECT_THAT(week[4], HasSubstr("성탄절"));

    ASSERT_EQ(cli.Run({"reg", "set", "SundayAsStart", "1"}).exitCode, 0);
    EXPECT_THAT(Lines(cli.Run({"week"}).out)[0], StartsWith("2026-12-20 (일)"));
}

TEST(CliRegistry, SetGetListDelete)
{
    CliRunner cli;
    ASSERT_EQ(cli.Run({"reg", "set", "WeatherLocation", "busan"}).exitCode, 0);
    EXPECT_EQ(cli.Run({"reg", "get", "weatherlocation"}).out, "WeatherLocation\tREG_SZ\tbusan\n");
    // An existing text value stays text even when the new value looks like a number.
    ASSERT_EQ(cli.Run({"reg", "set", "WeatherLocation", "12345"}).exitCode, 0);
    EXPECT_EQ(cli.Run({"reg", "get", "WeatherLocation"}).out, "WeatherLocation\tREG_SZ\t12345\n");
    ASSERT_EQ(cli.Run({"reg", "set", "24hour", "1"}).exitCode, 0);
    EXPECT_THAT(cli.Run({"reg", "list"}).out, HasSubstr("24hour\tREG_DWORD\t1\n"));

    EXPECT_EQ(cli.Run({"reg", "del", "24hour"}).exitCode, 0);
    EXPECT_EQ(cli.Run({"reg", "get", "24hour"}).exitCode, 1);
    EXPECT_EQ(cli.Run({"reg", "del", "24hour"}).exitCode, 1);
    EXPECT_EQ(cli.Run({"reg", "set", "X", "1", "--type", "qword"}).exitCode, 2);
}

} // namespace

TEST(CliWeather, RefreshesFromTheConfiguredServerAndPrintsTheCache)
{
    CliRunner cli;
    WeatherServer server;
    ASSERT_FALSE(server.Url().empty());
    EXPECT_EQ(cli.Run({"weather"}).out, "");  // nothing cached yet
    for (const char* key : {"WeatherYahooHost", "OpenMeteoHost", "OpenMeteoGeocodingHost"})
        ASSERT_EQ(cli.Run({"reg", "set", key, server.Url(), "--type", "sz"}).exitCode, 0);
    CliResult r = cli.Run({"weather", "--refresh"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> days = Lines(r.out);
    ASSERT_EQ(days.size(), 6u);
    EXPECT_EQ(days[0], "2009-11-07\t-3\t5\t0\t");

    cli.Run({"reg", "set", "WeatherVendor", "1", "--type", "dword"});
    EXPECT_EQ(Lines(cli.Run({"weather", "--refresh"}).out)[2], "2009-11-19\t3\t9\t9\t");

    server.SetMode("cut");
    r = cli.Run({"weather", "--refresh"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("날씨정보를 가져오지 못했습니다"), std::string::npos);
    EXPECT_EQ(Lines(cli.Run({"weather"}).out).size(), 3u);  // the last good forecast
}
