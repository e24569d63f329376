#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <SQLiteCpp/Database.h>

#include <fstream>
#include <iterator>

#include "tests/tools/CliRunner.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

class StoreCli : public ::testing::Test {
protected:
    void SetUp() override { cli.SetNow("2024-01-10T12:00:00"); }

    std::string Ok(const std::vector<std::string>& args)
    {
        const CliResult r = cli.Run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.out;
    }

    CliRunner cli;
};

} // namespace

TEST_F(StoreCli, AddsListsAndChangesItems)
{
    EXPECT_EQ(Ok({"add", "appt", "--subject", "회의", "--start", "2024-01-10 09:00", "--end", "2024-01-10 10:30",
                  "--location", "본사", "--reminder", "15", "--color", "#ff8000"}),
              "1\n");
    EXPECT_EQ(Ok({"add", "appt", "--subject", "수업", "--start", "2024-01-08 14:00", "--end", "2024-01-08 15:00",
                  "--type", "1", "--dow-mask", "10", "--occurrences", "4"}),
              "2\n");
    EXPECT_EQ(Ok({"add", "task", "--subject", "분리수거", "--due", "2024-01-09", "--importance", "2", "--type", "1"}),
              "3\n");
    Ok({"delete", "2", "--occurrence", "2024-01-10"});
    EXPECT_EQ(Ok({"list", "--from", "2024-01-08", "--to", "2024-01-14"}),
              "2\t2024-01-08 14:00\t2024-01-08 15:00\t0\t수업\t\n"
              "1\t2024-01-10 09:00\t2024-01-10 10:30\t0\t회의\t본사\n");
    EXPECT_THAT(Ok({"show", "1"}), HasSubstr("색\t#ff8000\n"));

    Ok({"complete", "3"});  // a recurring task: a finished copy, the series moves on
    EXPECT_EQ(Ok({"tasks", "--from", "2024-01-08", "--to", "2024-01-14"}),
              "3\t2\t-\t2024-01-16\t-\t분리수거\n4\t2\t-\t2024-01-09\t2024-01-10\t분리수거\n");
    EXPECT_EQ(Ok({"skip", "3"}), "다음 기한: 2024-01-23\n");
}

TEST_F(StoreCli, WrongUsageAndMissingItemsGetCodesAndMessages)
{
    CliResult r = cli.Run({"add", "appt", "--subject", "", "--start", "2024-01-10 09:00", "--end", "2024-01-10 10:00"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_THAT(r.err, HasSubstr("일정의 제목을 입력해 주세요."));
    EXPECT_EQ(cli.Run({"add", "task", "--subject", "x", "--importance", "3"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"list", "--from", "2024-01-08"}).exitCode, 2);
    EXPECT_EQ(cli.Run({"watch", "--db", "contacts"}).exitCode, 2);
    r = cli.Run({"show", "42"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("42"));
}

TEST_F(StoreCli, ExportsAndImportsIcalendarFiles)
{
    Ok({"add", "appt", "--subject", "연휴", "--start", "2024-02-09", "--end", "2024-02-11", "--all-day"});
    Ok({"add", "task", "--subject", "세금", "--due", "2024-01-31", "--importance", "0"});
    const std::string file = (cli.Device().parent_path() / "out.ics").string();
    EXPECT_EQ(Ok({"export", file}), "일정 1개, 작업 1개를 내보냈습니다.\n");
    // The items carry their UIDs: reading our own file back changes them in place.
    EXPECT_EQ(Ok({"import", file}), "일정 1개, 작업 1개를 가져왔습니다.\n그 가운데 2개는 같은 UID의 항목을 새로 고쳤습니다.\n");
    EXPECT_EQ(Ok({"list", "--from", "2024-02-09", "--to", "2024-02-09"}),
              "1\t2024-02-09 00:00\t2024-02-12 00:00\t1\t연휴\t\n");

    // A broken event costs only itself, named with its line.
    std::ofstream(file, std::ios::trunc) << "BEGIN:VCALENDAR\r\n"
                                            "BEGIN:VEVENT\r\nSUMMARY:좋음\r\nDTSTART:20240301T090000\r\nEND:VEVENT\r\n"
                                            "BEGIN:VEVENT\r\nSUMMARY:깨짐\r\nEND:VCALENDAR\r\n";
    const CliResult r = cli.Run({"import", file});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "일정 1개, 작업 0개를 가져왔습니다.\n항목 1개는 가져오지 못했습니다.\n");
    EXPECT_THAT(r.err, HasSubstr("'깨짐' (6번째 줄)"));
    EXPECT_THAT(Ok({"list", "--from", "2024-03-01", "--to", "2024-03-01"}), HasSubstr("좋음"));
}

TEST_F(StoreCli, WeekEntriesAreTheWeekViewsLinesAsText)
{
    cli.SetNow("2026-12-22T10:00:00");
    Ok({"add", "appt", "--subject", "팀 회의", "--start", "2026-12-21 09:30", "--end", "2026-12-21 10:30",
        "--location", "본사", "--reminder", "15", "--color", "#ff8000"});
    Ok({"add", "task", "--subject", "연말 보고서", "--due", "2026-12-24", "--importance", "2"});
    Ok({"add", "appt", "--subject", "출장", "--start", "2026-12-23 22:00", "--end", "2026-12-25 08:00"});
    Ok({"add", "task", "--subject", "a\tb\\c\r\nd", "--due", "2026-12-18"});
    const std::string week = "# week 2026-12-21 .. 2026-12-27 today 2026-12-22\n"
                             "0\t1\t1\t9:30a\t9:30a-10:30a\t팀 회의 (본사)\t0x0080FF\t0\t2\n"
                             "1\t2\t2\t(T2)\t\t연말 보고서(2d)\t0x000000\t0\t8\n"
                             "1\t2\t4\t(T1)\t\ta\\tb\\\\c\\r\\nd(+4d)\t0x9600FF\t0\t0\n"
                             "2\t1\t3\t10:00p\t10:00p-8:00a\t출장\t0x000000\t0\t0\n"
                             "3\t1\t3\t<<\t\t출장\t0x000000\t0\t0\n"
                             "3\t2\t2\t(T2)\t\t연말 보고서\t0x000000\t0\t8\n"
                             "4\t3\t16\t(E)\t\t성탄절\t0x0000D8\t0\t0\n"
                             "4\t1\t3\t<<\t\t출장 (~8:00a)\t0x000000\t0\t0\n"
                             "5\t0\t-1\t(NULL)\t\t\t0x000000\t0\t0\n"
                             "6\t0\t-1\t(NULL)\t\t\t0x000000\t0\t0\n";
    EXPECT_EQ(Ok({"week", "2026-12-27", "--entries"}), week);

    // The settings the view reads change the lines the same way.
    Ok({"reg", "set", "24hour", "1"});
    Ok({"reg", "set", "BoldImportantTask", "1"});
    Ok({"reg", "set", "SundayAsStart", "1"});
    const std::string sundayFirst = Ok({"week", "2026-12-21", "--entries"});
    EXPECT_THAT(sundayFirst, HasSubstr("# week 2026-12-20 .. 2026-12-26 today 2026-12-22\n"));
    EXPECT_THAT(sundayFirst, HasSubstr("\n1\t1\t1\t9:30\t9:30-10:30\t팀 회의 (본사)\t0x0080FF\t0\t2\n"));
    EXPECT_THAT(sundayFirst, HasSubstr("\n4\t2\t2\t(T2)\t\t연말 보고서\t0x000000\t1\t8\n"));

    const CliResult refused = cli.Run({"week", "2026-12-21", "--entries", "--frobnicate"});
    EXPECT_EQ(refused.exitCode, 2);
}

TEST_F(StoreCli, DatesOutsideTheRangeAreRefusedAndNeverExported)
{
    CliResult r = cli.Run({"add", "appt", "--subject", "천년", "--start", "3001-01-01 09:00", "--end", "3001-01-01 10:00"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("1970-01-02부터 2105-12-31까지"));
    EXPECT_EQ(cli.Run({"add", "task", "--subject", "t", "--due", "2106-01-01"}).exitCode, 1);

    const std::string file = (cli.Device().parent_path() / "in.ics").string();
    std::ofstream(file, std::ios::trunc) << "\xEF\xBB\xBF" "BEGIN:VCALENDAR\r\n"  // with a byte-order mark
                                            "BEGIN:VEVENT\r\nSUMMARY:좋음\r\nDTSTART:20240301T090000\r\nEND:VEVENT\r\n"
                                            "BEGIN:VEVENT\r\nSUMMARY:천년\r\nDTSTART:22000301T090000\r\nEND:VEVENT\r\n"
                                            "END:VCALENDAR\r\n";
    r = cli.Run({"import", file});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "일정 1개, 작업 0개를 가져왔습니다.\n항목 1개는 가져오지 못했습니다.\n");
    EXPECT_THAT(r.err, HasSubstr("'천년'"));
    EXPECT_THAT(r.err, HasSubstr("1970-01-02부터 2105-12-31까지"));

    {
        // Left in the file by another program.
        SQLite::Database db((cli.Device() / "pim.vol").string(), SQLite::OPEN_READWRITE);
        db.exec("INSERT INTO items(kind, subject, start_time, end_time) VALUES (1, '밖', 402134.375, 402134.4)");
    }
    r = cli.Run({"export", "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("SUMMARY:좋음"));
    EXPECT_THAT(r.out, Not(HasSubstr("SUMMARY:밖")));
    EXPECT_THAT(r.out, Not(HasSubstr("00000000")));
    EXPECT_THAT(r.err, HasSubstr("'밖'"));
}

TEST_F(StoreCli, RangesBeforeTheFirstInstantStartThere)
{
    Ok({"add", "appt", "--subject", "첫날", "--start", "1970-01-02 09:00", "--end", "1970-01-02 10:00"});
    EXPECT_THAT(Ok({"list", "--from", "1970-01-01", "--to", "1970-01-02"}), HasSubstr("첫날"));
    Ok({"tasks", "--from", "1970-01-01", "--to", "1970-01-02"});
}

TEST_F(StoreCli, ImportRefusesWhatIsNotAFile)
{
    const std::string fifo = (cli.Device().parent_path() / "pipe.ics").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const CliResult r = cli.Run({"import", fifo});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("일반 파일이 아니어서"));
    EXPECT_EQ(cli.Run({"import", cli.Device().parent_path().string()}).exitCode, 1);
}

TEST_F(StoreCli, CheckFindsDamageAndWritesStopThen)
{
    Ok({"add", "appt", "--subject", "하나", "--start", "2024-01-10 09:00", "--end", "2024-01-10 10:00"});
    EXPECT_EQ(Ok({"check"}), "저장소에 이상이 없습니다.\n");

    const auto store = cli.Device() / "pim.vol";
    {
        std::fstream f(store, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(2 * 4096 + 10);  // inside a table page
        f << std::string(200, '\xA5');
    }
    CliResult r = cli.Run({"check"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("손상"));
    // The next day's first write checks before writing.
    cli.SetNow("2024-01-11T12:00:00");
    std::ifstream in(store, std::ios::binary);
    const std::string before((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    r = cli.Run({"add", "appt", "--subject", "둘", "--start", "2024-01-11 09:00", "--end", "2024-01-11 10:00"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("손상"));
    std::ifstream after(store, std::ios::binary);
    EXPECT_TRUE(before == std::string((std::istreambuf_iterator<char>(after)), std::istreambuf_iterator<char>()));
}

TEST_F(StoreCli, AWeekdayMaskNeverAddsDaysToADailyPattern)
{
    // "Every weekday" given as a daily pattern is kept as the weekly one it is.
    EXPECT_EQ(Ok({"add", "appt", "--subject", "출근", "--start", "2024-01-12 09:00", "--end", "2024-01-12 10:00",
                  "--type", "0", "--dow-mask", "62"}),
              "1\n");
    EXPECT_THAT(Ok({"show", "1"}), HasSubstr("종류 1, 간격 1, 요일 62"));
    EXPECT_EQ(Ok({"list", "--from", "2024-01-12", "--to", "2024-01-15"}),
              "1\t2024-01-12 09:00\t2024-01-12 10:00\t0\t출근\t\n1\t2024-01-15 09:00\t2024-01-15 10:00\t0\t출근\t\n");
    EXPECT_EQ(cli.Run({"add", "appt", "--subject", "x", "--start", "2024-01-12 09:00", "--end", "2024-01-12 10:00",
                       "--type", "0", "--interval", "2", "--dow-mask", "62"})
                  .exitCode,
              2);

    {
        // A mask left from an earlier weekly pattern: every day, and show names no days.
        SQLite::Database db((cli.Device() / "pim.vol").string(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE items SET rec_type = 0 WHERE oid = 1");
    }
    EXPECT_THAT(Ok({"show", "1"}), HasSubstr("종류 0, 간격 1, 요일 0"));
    EXPECT_EQ(Ok({"list", "--from", "2024-01-13", "--to", "2024-01-14"}),
              "1\t2024-01-13 09:00\t2024-01-13 10:00\t0\t출근\t\n1\t2024-01-14 09:00\t2024-01-14 10:00\t0\t출근\t\n");
}
