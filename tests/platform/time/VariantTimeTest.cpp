#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/platform/time/TimeTestUtil.h"

namespace {

double ToDate(const SYSTEMTIME& st)
{
    double date = 0;
    return SystemTimeToVariantTime(&st, &date) ? date : std::nan("");
}

std::string FromDate(double date)
{
    SYSTEMTIME st = Record(0, 0, 0, 0, 0, 0, 1);
    return VariantTimeToSystemTime(date, &st) && st.wMilliseconds == 0 ? Text(st) : "fail";
}

constexpr double kSecond = 1.0 / 86400;

}  // namespace

TEST(VariantTime, DaysCountBackButTimeRunsForwardBefore1900)
{
    EXPECT_EQ(ToDate(Record(1899, 12, 29, 6)), -1.25);
    EXPECT_EQ(ToDate(Record(1899, 12, 29)), -1.0);
    EXPECT_EQ(ToDate(Record(4501, 1, 1)), 949998.0);  // the store's "no date"
    EXPECT_EQ(FromDate(-1.25), "1899-12-29 06:00:00 w5");
    EXPECT_EQ(FromDate(-0.25), "1899-12-30 06:00:00 w6");  // (-1, 0) is still day 0
    EXPECT_EQ(FromDate(-693.75), "1898-02-05 18:00:00 w6");
    EXPECT_EQ(FromDate(2.5), "1900-01-01 12:00:00 w1");
}

TEST(VariantTime, RangeAndRecordRulesOfTheAutomationLibrary)
{
    EXPECT_EQ(ToDate(Record(100, 1, 1)), -657434.0);
    EXPECT_EQ(ToDate(Record(9999, 12, 31)), 2958465.0);
    for (const SYSTEMTIME& bad : {Record(100, 1, 0), Record(10000, 1, 1), Record(1980, 13, 1), Record(1980, 1, 32)})
        EXPECT_TRUE(std::isnan(ToDate(bad))) << Text(bad);
    for (double outside : {-657435.0, 2958466.0, 2958465.0 + 86399.6 * kSecond, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(FromDate(outside), "fail") << outside;
    EXPECT_FALSE(SystemTimeToVariantTime(nullptr, nullptr));

    EXPECT_EQ(ToDate(Record(29, 1, 1)), ToDate(Record(2029, 1, 1)));  // two-digit years
    EXPECT_EQ(ToDate(Record(30, 1, 1)), ToDate(Record(1930, 1, 1)));
    EXPECT_EQ(ToDate(Record(1980, 0, 1)), ToDate(Record(1979, 12, 1)));  // fields roll over
    EXPECT_EQ(ToDate(Record(2009, 2, 30)), ToDate(Record(2009, 3, 2)));
    EXPECT_EQ(ToDate(Record(2009, 12, 31, 24)), ToDate(Record(2010, 1, 1)));
    EXPECT_EQ(ToDate(Record(2009, 1, 1, 10, 0, 0, 999)), ToDate(Record(2009, 1, 1, 10)));
}

TEST(VariantTime, RoundsToWholeSecondsHalfUp)
{
    EXPECT_EQ(FromDate(40000.0 + 10.49 * kSecond), "2009-07-06 00:00:10 w1");
    EXPECT_EQ(FromDate(40000.0 + 10.5 * kSecond), "2009-07-06 00:00:11 w1");
    EXPECT_EQ(FromDate(40000.0 + 86399.5 * kSecond), "2009-07-07 00:00:00 w2");
    EXPECT_EQ(FromDate(-1.0 - 86399.7 * kSecond), "1899-12-30 00:00:00 w6");  // forward, into the next day
    EXPECT_EQ(FromDate(-1.0 - 0.6 * kSecond), "1899-12-29 00:00:01 w5");

    for (int year : {100, 1601, 1899, 2009, 9999}) {
        for (int second = 0; second < 86400; second += 7) {
            const SYSTEMTIME in = Record(year, 7, 1, second / 3600, second / 60 % 60, second % 60);
            ASSERT_EQ(FromDate(ToDate(in)).substr(0, 19), Text(in).substr(0, 19));
        }
    }
}
