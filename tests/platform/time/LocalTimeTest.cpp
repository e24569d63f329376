#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "platform/time/PosixTzRule.h"
#include "tests/platform/time/TimeTestUtil.h"

TEST(LocalTime, FollowsTheDaylightRule)
{
    const auto local = [](const char* rule, const SYSTEMTIME& universal) {
        TIME_ZONE_INFORMATION tzi;
        SYSTEMTIME st;
        const bool ok = ZoneFromPosixRule(rule, tzi) && SystemTimeToTzSpecificLocalTime(&tzi, universal, st);
        return ok ? Text(st).substr(0, 19) : "fail";
    };
    const char* newYork = "EST5EDT,M3.2.0,M11.1.0";
    EXPECT_EQ(local(newYork, Record(2009, 3, 8, 6, 59, 59)), "2009-03-08 01:59:59");
    EXPECT_EQ(local(newYork, Record(2009, 3, 8, 7, 0, 0)), "2009-03-08 03:00:00");
    EXPECT_EQ(local(newYork, Record(2009, 11, 1, 5, 59, 59)), "2009-11-01 01:59:59");
    EXPECT_EQ(local(newYork, Record(2009, 11, 1, 6, 0, 0)), "2009-11-01 01:00:00");
    const char* sydney = "AEST-10AEDT,M10.1.0,M4.1.0/3";
    EXPECT_EQ(local(sydney, Record(2010, 1, 15, 0, 0, 0)), "2010-01-15 11:00:00");
    EXPECT_EQ(local(sydney, Record(2010, 7, 15, 0, 0, 0)), "2010-07-15 10:00:00");
    EXPECT_EQ(local("XST3XDT,J60,300", Record(2009, 7, 1, 12, 0, 0)), "2009-07-01 09:00:00");
    EXPECT_EQ(local("KST-9", Record(2009, 2, 29, 0, 0, 0)), "fail");
}

TEST(LocalTime, ClockOverride)
{
    SYSTEMTIME st;
    {
        ScopedEnv now("DAYVANE_NOW", "2009-03-17T08:30:05");
        GetLocalTime(st);
        EXPECT_EQ(Text(st) + std::to_string(st.wMilliseconds), "2009-03-17 08:30:05 w20");
    }
    {
        // A running clock: midnight passes within the test.
        ScopedEnv now("DAYVANE_NOW", "2026-12-23T23:59:59~");
        GetLocalTime(st);
        EXPECT_TRUE(st.wDay == 23 || (st.wDay == 24 && st.wHour == 0)) << Text(st);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (st.wDay == 23 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::yield();
            GetLocalTime(st);
        }
        EXPECT_EQ(Text(st).substr(0, 16), "2026-12-24 00:00") << Text(st);
        EXPECT_EQ(st.wDayOfWeek, 4);
    }
    ScopedEnv tz("TZ", "UTC0");
    const std::time_t now = std::time(nullptr);
    for (const char* malformed : {"2009-02-30T08:30:05", "2009-03-17 08:30:05", "2009-03-17T24:00:00",
                                  "2009-3-17T08:30:05", "2009-03-17T08:30:05Z", "2009-03-17T08:30:05~~", "~", ""}) {
        ScopedEnv override("DAYVANE_NOW", malformed);
        GetLocalTime(st);
        EXPECT_NEAR(st.wYear, 1970 + now / 31556952, 1) << malformed;  // the real clock
    }
}
