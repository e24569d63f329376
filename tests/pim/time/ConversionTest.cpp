#include <thread>

#include "pim/time/Daylight.h"
#include "tests/pim/time/ZoneFixture.h"

namespace {

// Text() of the local time plus " dN" (day of year) and " dst" in daylight time.
std::string LocalText(TimeValue t)
{
    SYSTEMTIME st;
    const TimeParts parts = *PartsFromTime(t);
    EXPECT_TRUE(CalendarFromTime(t, st));
    return Text(st) + " d" + std::to_string(parts.tm_yday) + (parts.tm_isdst > 0 ? " dst" : "");
}

bool IsDaylight(int year, int month, int day, int hour, int minute, int second)
{
    TimeParts parts{second, minute, hour, day, month - 1, year - 1900, 0, 0, -1};
    TimeFromParts(parts);  // fills in the day of year
    return IsDaylightTime(parts);
}

}  // namespace

using Conversion = ZoneTest;

TEST_F(Conversion, ZoneWithoutDaylightTime)
{
    UseZone("KST-9");
    int32_t offset = 0;
    int32_t delta = 1;
    ZoneOffsets(offset, delta);
    EXPECT_EQ(offset, -32400);
    EXPECT_EQ(delta, 0);
    EXPECT_EQ(TimeFromFields(2009, 1, 1, 0, 0, 0), 1230735600u);
    EXPECT_EQ(LocalText(1230735600u), "2009-01-01 00:00:00 w4 d0");
    EXPECT_EQ(LocalText(Utc(2009, 12, 31, 15) - 1), "2009-12-31 23:59:59 w4 d364");
    EXPECT_EQ(MidnightOf(TimeFromFields(2009, 3, 17, 8, 30, 5)), TimeFromFields(2009, 3, 17, 0, 0, 0));
    ScopedEnv now("DAYVANE_NOW", "2009-03-17T08:30:05");
    EXPECT_EQ(Now(), Utc(2009, 3, 16, 23, 30, 5));
}

TEST_F(Conversion, NorthernDaylightRule)
{
    UseZone("EST5EDT,M3.2.0,M11.1.0");
    const TransitionMoment start = TransitionDay(TransitionKind::Start, 109, tzi_.DaylightDate, -3600);
    const TransitionMoment end = TransitionDay(TransitionKind::End, 109, tzi_.StandardDate, -3600);
    EXPECT_EQ(start.dayOfYear, 66);  // 8 March 2009
    EXPECT_EQ(start.milliseconds, 7'200'000);
    EXPECT_EQ(end.dayOfYear, 304);  // 1 November, a month that begins on the rule's Sunday
    EXPECT_EQ(end.milliseconds, 3'600'000);

    EXPECT_FALSE(IsDaylight(2009, 3, 8, 1, 59, 59));
    EXPECT_TRUE(IsDaylight(2009, 3, 8, 2, 0, 0));
    EXPECT_TRUE(IsDaylight(2009, 11, 1, 0, 59, 59));  // the end, read on a standard-time clock
    EXPECT_FALSE(IsDaylight(2009, 11, 1, 1, 0, 0));
    EXPECT_EQ(TimeFromFields(2009, 7, 1, 12, 0, 0), Utc(2009, 7, 1, 16));
    EXPECT_EQ(LocalText(Utc(2009, 3, 8, 7)), "2009-03-08 03:00:00 w0 d66 dst");
    EXPECT_EQ(LocalText(Utc(2009, 11, 1, 6)), "2009-11-01 01:00:00 w0 d304");

    g_bUseDST = 0;
    EXPECT_FALSE(IsDaylight(2009, 7, 1, 12, 0, 0));
    EXPECT_EQ(TimeFromFields(2009, 7, 1, 12, 0, 0), Utc(2009, 7, 1, 17));
    EXPECT_EQ(LocalText(Utc(2009, 7, 1, 17)), "2009-07-01 12:00:00 w3 d181");
}

TEST_F(Conversion, TransitionDayEdges)
{
    SYSTEMTIME rule = Record(0, 2, 5);  // last Sunday of February, 00:00
    EXPECT_EQ(TransitionDay(TransitionKind::Start, 109, rule, 0).dayOfYear, 52);  // the fourth in 2009
    EXPECT_EQ(TransitionDay(TransitionKind::Start, 104, rule, 0).dayOfYear, 59);  // the fifth in 2004
    // An end moved out of its day by the daylight delta wraps within the day.
    EXPECT_EQ(TransitionDay(TransitionKind::End, 109, rule, -3600).milliseconds, 82'799'999);
    rule.wHour = 23;
    rule.wMinute = 30;
    EXPECT_EQ(TransitionDay(TransitionKind::End, 109, rule, 3600).milliseconds, 1'800'001);
}

// Every half hour of two years, both hemispheres: the same local time as the
// platform's own zone arithmetic, and back to the same moment (the repeated
// autumn hour to its later occurrence).
TEST_F(Conversion, AgreesWithThePlatformAllYearRound)
{
    for (const char* rule : {"EST5EDT,M3.2.0,M11.1.0", "AEST-10AEDT,M10.1.0,M4.1.0/3", "CET-1CEST,M3.5.0,M10.5.0/3",
                             "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45"}) {
        UseZone(rule);
        for (TimeValue t = Utc(2008, 12, 25, 0); t < Utc(2011, 1, 5, 0); t += 1800) {
            const std::time_t seconds = t;
            std::tm utc{};
            gmtime_r(&seconds, &utc);
            SYSTEMTIME expected;
            const SYSTEMTIME universal = Record(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min);
            ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(&tzi_, universal, expected));
            ASSERT_EQ(LocalText(t).substr(0, 22), Text(expected)) << rule;

            TimeParts parts = *PartsFromTime(t);
            const TimeValue back = TimeFromParts(parts);
            ASSERT_TRUE(back == t || (back == t + 3600 && parts.tm_isdst == 1)) << rule << " " << LocalText(t);
        }
    }
}

TEST_F(Conversion, UnreadableZoneIsUniversalTimeUntilReadable)
{
    ScopedEnv unreadable("TZ", ":/nonexistent/zone");
    SetZoneForTesting(nullptr);
    int32_t offset = 1;
    int32_t delta = 1;
    ZoneOffsets(offset, delta);
    EXPECT_EQ(offset + delta, 0);
    EXPECT_EQ(TimeFromFields(2009, 1, 1, 0, 0, 0), 1230768000u);
    {
        ScopedEnv readable("TZ", "KST-9");
        EXPECT_EQ(TimeFromFields(2009, 1, 1, 0, 0, 0), 1230735600u);
    }
    EXPECT_EQ(TimeFromFields(2009, 1, 1, 0, 0, 0), 1230735600u);  // kept once read
}

TEST_F(Conversion, InvalidDatesGiveZeroAndBuffersArePerThread)
{
    UseZone("KST-9");
    EXPECT_EQ(TimeFromFields(2009, 2, 29, 0, 0, 0), 0u);
    EXPECT_EQ(TimeFromFields(2009, 1, 1, 24, 0, 0), 0u);
    EXPECT_EQ(TimeFromFields(67436, 1, 1, 0, 0, 0), 0u);  // would wrap to 1900 in 16 bits
    EXPECT_EQ(TimeFromCalendar(Record(1899, 12, 31)), 0u);
    EXPECT_EQ(TimeFromCalendar(Record(2009, 12, 31)), Utc(2009, 12, 30, 15));

    TimeParts* mine = PartsFromTime(TimeFromFields(2009, 1, 1, 0, 0, 0));
    TimeParts* theirs = nullptr;
    std::thread([&] { theirs = PartsFromTime(TimeFromFields(2010, 6, 15, 12, 0, 0)); }).join();
    EXPECT_NE(mine, theirs);
    EXPECT_EQ(mine->tm_year, 109);
}
