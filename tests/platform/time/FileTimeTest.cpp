#include <gtest/gtest.h>

#include "tests/platform/time/TimeTestUtil.h"

TEST(FileTime, ExactCalendarAndLimits)
{
    const auto ticks = [](const SYSTEMTIME& st) {
        FILETIME ft;
        return SystemTimeToFileTime(st, ft) ? (uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime : UINT64_MAX;
    };
    EXPECT_EQ(ticks(Record(1601, 1, 1)), 0u);
    EXPECT_EQ(ticks(Record(1970, 1, 1)), 116444736000000000u);
    EXPECT_EQ(ticks(Record(2000, 2, 29, 12, 34, 56, 789)), 125963012967890000u);
    for (const SYSTEMTIME& bad : {Record(2009, 2, 29), Record(1900, 2, 29), Record(2009, 13, 1), Record(2009, 1, 0),
                                  Record(1600, 12, 31), Record(2009, 1, 1, 24), Record(2009, 1, 1, 0, 0, 0, 1000)})
        EXPECT_EQ(ticks(bad), UINT64_MAX) << Text(bad);

    SYSTEMTIME st;
    ASSERT_TRUE(FileTimeToSystemTime(FILETIME{}, st));
    EXPECT_EQ(Text(st), "1601-01-01 00:00:00 w1");
    ASSERT_TRUE(FileTimeToSystemTime(FILETIME{0xFFFFFFFFu, 0x7FFFFFFFu}, st));
    EXPECT_EQ(Text(st), "30828-09-14 02:48:05 w4");
    EXPECT_FALSE(FileTimeToSystemTime(FILETIME{0, 0x80000000u}, st));

    for (int year : {1601, 1899, 1900, 2000, 2100, 2400, 9999}) {
        for (int month = 1; month <= 12; ++month) {
            const SYSTEMTIME in = Record(year, month, 28, month + 10, month * 4, 59 - month, 999);
            FILETIME ft;
            ASSERT_TRUE(SystemTimeToFileTime(in, ft) && FileTimeToSystemTime(ft, st));
            EXPECT_EQ(Text(st).substr(0, 19) + std::to_string(st.wMilliseconds), Text(in).substr(0, 19) + "999");
        }
    }
}
