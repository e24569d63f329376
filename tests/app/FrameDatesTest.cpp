#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "app/AppOptions.h"
#include "app/FrameDates.h"
#include "platform/store/OleTime.h"

namespace {

TimeValue At(int year, int month, int day, int hour = 0, int minute = 0)
{
    return TimeFromFields(year, month, day, hour, minute, 0);
}

// A zone with daylight saving for the length of one test.
class DaylightZone {
public:
    DaylightZone()
    {
        setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
        TIME_ZONE_INFORMATION tzi;
        EXPECT_TRUE(GetTimeZoneInformation(tzi));
        SetZoneForTesting(&tzi);
    }
    ~DaylightZone()
    {
        setenv("TZ", "UTC", 1);
        SetZoneForTesting(nullptr);
    }
};

}  // namespace

TEST(FrameDatesTest, WeekEdges)
{
    // A Monday begins its own week only when weeks start on Monday; a week
    // may reach across the year's end.
    EXPECT_EQ(WeekAround(At(2026, 12, 7, 0, 0), false).start, At(2026, 12, 7));
    EXPECT_EQ(WeekAround(At(2026, 12, 7, 23, 59), true).start, At(2026, 12, 6));
    EXPECT_EQ(WeekAround(At(2027, 1, 1, 9), false).start, At(2026, 12, 28));
}

TEST(FrameDatesTest, WeekWithDaylightChangeKeepsCalendarDays)
{
    DaylightZone zone;
    // Daylight time starts on Sunday 8 March 2026: that day has 23 hours.
    const WeekRange week = WeekAround(TimeFromFields(2026, 3, 9, 0, 30, 0), true);
    EXPECT_EQ(week.start, TimeFromFields(2026, 3, 8, 0, 0, 0));
    EXPECT_EQ(week.end, TimeFromFields(2026, 3, 15, 0, 0, 0) - 1);
    EXPECT_EQ(week.end - week.start + 1, 7u * 86400u - 3600u);
    EXPECT_EQ(DayOffset(TimeFromFields(2026, 3, 9, 0, 30, 0), -1), TimeFromFields(2026, 3, 8, 0, 0, 0));
}

TEST(FrameDatesTest, NewAppointmentStartsOnTheNextHalfHourOfTheCurrentDay)
{
    const TimeValue day = At(2026, 12, 11, 8, 0);
    EXPECT_EQ(NewAppointmentStart(day, At(2026, 12, 9, 10, 10)), At(2026, 12, 11, 10, 30));
    EXPECT_EQ(NewAppointmentStart(day, At(2026, 12, 9, 10, 0)), At(2026, 12, 11, 10, 0));
    EXPECT_EQ(NewAppointmentStart(day, At(2026, 12, 9, 10, 1)), At(2026, 12, 11, 10, 30));
    EXPECT_EQ(NewAppointmentStart(day, At(2026, 12, 9, 10, 45)), At(2026, 12, 11, 11, 0));
}

TEST(FrameDatesTest, PastedTimesKeepTheirTimeOfDay)
{
    const double source = OleFromFields(2026, 12, 9, 14, 35, 20).value();
    EXPECT_DOUBLE_EQ(OnDayKeepingTime(source, At(2027, 2, 3, 22, 0)).value(),
                     OleFromFields(2027, 2, 3, 14, 35, 20).value());
    EXPECT_FALSE(OnDayKeepingTime(std::nan(""), At(2027, 2, 3)).has_value());
}

TEST(FrameDatesTest, DayWatchSeesEveryNewDay)
{
    DayWatch watch(At(2026, 12, 9, 10, 0));
    EXPECT_EQ(watch.LastDayOfMonth(), 9);
    EXPECT_FALSE(watch.Changed(At(2026, 12, 9, 23, 59)));
    EXPECT_TRUE(watch.Changed(At(2026, 12, 10, 0, 0)));
    EXPECT_FALSE(watch.Changed(At(2026, 12, 10, 0, 30)));
    // A clock set a whole month on lands on the same day number.
    EXPECT_TRUE(watch.Changed(At(2027, 1, 10, 0, 30)));
}

TEST(AppOptionsTest, ReadsEveryOption)
{
    const ParsedOptions parsed = ParseAppOptions({"--device", "/tmp/d", "--dpi", "131", "--size", "640x480",
                                                  "--screenshot", "a.png", "--view", "week", "--date", "2026-02-28"});
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options.deviceDir, "/tmp/d");
    EXPECT_EQ(parsed.options.dpi, 131);
    EXPECT_EQ(parsed.options.clientSize, QSize(640, 480));
    EXPECT_TRUE(parsed.options.IsScreenshot());
    EXPECT_EQ(parsed.options.viewKind, 1);
    ASSERT_TRUE(parsed.options.date.has_value());
    EXPECT_EQ(parsed.options.date->day, 28);

    const ParsedOptions defaults = ParseAppOptions({});
    EXPECT_EQ(defaults.options.dpi, 192);
    EXPECT_EQ(defaults.options.clientSize, QSize(480, 640));
    EXPECT_FALSE(defaults.options.IsScreenshot());
}

TEST(AppOptionsTest, RefusesBadInput)
{
    for (const QStringList& arguments :
         {QStringList{"--dpi", "20"}, QStringList{"--dpi", "x"}, QStringList{"--size", "10x10"},
          QStringList{"--size", "480*640"}, QStringList{"--date", "2026-02-30"}, QStringList{"--date", "1900-01-01"},
          QStringList{"--view", "day"}, QStringList{"--device"}, QStringList{"--frobnicate"}}) {
        EXPECT_FALSE(ParseAppOptions(arguments).error.isEmpty()) << arguments.join(' ').toStdString();
    }
}
