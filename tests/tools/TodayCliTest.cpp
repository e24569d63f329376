// agenda and todo print what the Today items list: pinned, line by line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/tools/CliRunner.h"

namespace {

class TodayCli : public ::testing::Test {
protected:
    void SetUp() override { cli.SetNow("2026-12-23T09:00:00"); }

    std::string Ok(const std::vector<std::string>& args)
    {
        const CliResult r = cli.Run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.out;
    }

    CliRunner cli;
};

TEST_F(TodayCli, AgendaListsAnniversariesAndAppointmentsAsTheItemDoes)
{
    Ok({"anniv", "add", "--name", "결혼기념일", "--date", "2001-12-24", "--day-after"});
    Ok({"add", "appt", "--subject", "회의", "--start", "2026-12-24 09:00", "--end", "2026-12-24 10:30", "--location",
        "본사"});
    Ok({"add", "appt", "--subject", "조찬", "--start", "2026-12-23 07:00", "--end", "2026-12-23 08:00"});
    Ok({"add", "appt", "--subject", "연휴", "--start", "2026-12-24", "--end", "2026-12-27", "--all-day"});

    EXPECT_EQ(Ok({"agenda", "--count", "10"}),
              "내일(목):결혼기념일(25주년)\n"
              "내일(목):연휴\n"
              "내일(목):회의\t오전9:00-오전10:30, 본사\n"
              "2일후(금):결혼기념일다음(25주년)\n"
              "2일후(금):성탄절\n");
    // The settings' automatic count keeps the first day's entries.
    EXPECT_EQ(Ok({"agenda"}),
              "내일(목):결혼기념일(25주년)\n"
              "내일(목):연휴\n"
              "내일(목):회의\t오전9:00-오전10:30, 본사\n");
    Ok({"reg", "set", "TodayEventPeriod", "1", "--type", "dword"});
    EXPECT_EQ(Ok({"agenda"}), "");
    EXPECT_EQ(Ok({"agenda", "--days", "2", "--count", "1"}), "내일(목):결혼기념일(25주년)\n");
}

TEST_F(TodayCli, TodoListsOpenTasksRanked)
{
    Ok({"add", "task", "--subject", "보고서", "--due", "2026-12-21", "--importance", "0"});
    Ok({"add", "task", "--subject", "선물", "--due", "2026-12-24", "--importance", "2"});
    Ok({"add", "task", "--subject", "청소"});
    Ok({"add", "task", "--subject", "다음주", "--start", "2026-12-28"});
    Ok({"add", "task", "--subject", "끝남", "--complete"});
    EXPECT_EQ(Ok({"todo"}), "1일후(목):↑선물\n청소\n2일지연:↓보고서\n");
    EXPECT_EQ(Ok({"todo", "--count", "1"}), "1일후(목):↑선물\n");
    Ok({"reg", "set", "TodayHideUndatedTask", "1", "--type", "dword"});
    EXPECT_EQ(Ok({"todo"}), "1일후(목):↑선물\n2일지연:↓보고서\n");
}

TEST_F(TodayCli, WrongOptionsAreUsageErrors)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"agenda", "--days", "x"}, {"agenda", "--days", "-1"}, {"agenda", "extra"},
             {"todo", "--days", "3"}, {"todo", "--count"}})
        EXPECT_EQ(cli.Run(args).exitCode, 2) << args[0] << " " << args[1];
    EXPECT_THAT(cli.Run({"help"}).out, ::testing::HasSubstr("agenda [--days N] [--count N]"));
}

} // namespace
