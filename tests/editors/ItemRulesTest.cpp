#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "editors/item/EditRules.h"
#include "editors/item/TimeText.h"

namespace {

struct TimeCase {
    const char* text;
    bool hour24;
    int hour;
    int minute;
};

TEST(TimeTextTest, ReadsButtonTextsAndAnyOtherText)
{
    const TimeCase cases[] = {
        {"0:15 AM", false, 0, 15},   {"12:05 PM", false, 12, 5},  {"1:30 PM", false, 13, 30},
        {" 11:59 pm ", false, 23, 59}, {"12:00 AM", false, 12, 0}, {"23:45", true, 23, 45},
        {"9:7", true, 9, 7},         {"99:99", true, 9, 9},       {"7", true, 7, 0},
        {"10 PM", false, 22, 0},     {"12 PM", false, 12, 0},     {"x", true, 12, 0},
        {"", false, 12, 0},          {":", true, 0, 33},          {"5:xx", true, 5, 33},
        {"1:30 PM", true, 1, 30},
    };
    for (const TimeCase& c : cases) {
        const ClockTime time = ParseTimeText(c.text, c.hour24, 33);
        EXPECT_EQ(time.hour, c.hour) << c.text;
        EXPECT_EQ(time.minute, c.minute) << c.text;
    }
    // What the button shows reads back as the same time.
    for (int hour = 0; hour < 24; ++hour) {
        for (bool hour24 : {false, true}) {
            const ClockTime read = ParseTimeText(TimeButtonText({hour, 5}, hour24), hour24, 0);
            EXPECT_EQ(read.hour, hour);
            EXPECT_EQ(read.minute, 5);
        }
    }
}

TEST(TimeTextTest, AnyBytesGiveAValidTimeOfDay)
{
    std::string text;
    for (unsigned seed = 1; seed < 3000; ++seed) {
        text.assign(seed % 9, '\0');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char>("0123456789: APMpm\xff"[(seed * 7 + i * 13) % 18]);
        const ClockTime time = ParseTimeText(text, seed % 2 == 0, 59);
        EXPECT_TRUE(time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59) << text;
    }
}

class ZoneTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (const char* zone = getenv("TZ"))
            m_saved = zone;
        setenv("TZ", GetParam(), 1);
    }
    void TearDown() override
    {
        if (m_saved.empty())
            unsetenv("TZ");
        else
            setenv("TZ", m_saved.c_str(), 1);
    }

private:
    std::string m_saved;
};

// Both zones change to summer time in March and back in autumn 2024.
TEST_P(ZoneTest, AllDaySpansAndTheLimitCountCalendarDays)
{
    const TimeValue start = TimeFromFields(2024, 3, 30, 15, 0, 0);
    const TimeValue end = TimeFromFields(2024, 4, 1, 9, 0, 0);
    const TimeSpan stored = StoredApptSpan({start, end}, true);
    EXPECT_EQ(stored.start, TimeFromFields(2024, 3, 30, 0, 0, 0));
    EXPECT_EQ(stored.end, TimeFromFields(2024, 4, 2, 0, 0, 0));
    EXPECT_EQ(ShownAllDayEnd(stored.end), TimeFromFields(2024, 4, 1, 0, 0, 0));

    // 31 days in autumn last an hour longer than 31 x 86 400 seconds.
    const TimeValue october = TimeFromFields(2024, 10, 20, 0, 0, 0);
    EXPECT_TRUE(IsSavableApptSpan({october, TimeFromFields(2024, 11, 20, 0, 0, 0)}));
    EXPECT_FALSE(IsSavableApptSpan({october, TimeFromFields(2024, 11, 20, 0, 0, 1)}));
    EXPECT_FALSE(IsSavableApptSpan({october, october - 1}));
}

TEST_P(ZoneTest, EndMovedBeforeStartAndTaskSpansKeepTheirDays)
{
    const TimeSpan moved = AfterEndDateMoved({TimeFromFields(2024, 3, 31, 10, 30, 0), TimeFromFields(2024, 3, 2, 9, 0, 0)});
    EXPECT_EQ(moved.start, TimeFromFields(2024, 3, 2, 10, 30, 0));
    EXPECT_EQ(moved.end, TimeFromFields(2024, 3, 2, 11, 30, 0));

    const TimeValue start = TimeFromFields(2024, 3, 2, 0, 0, 0);
    const int span = TaskSpanDays(start, TimeFromFields(2024, 3, 5, 0, 0, 0));
    EXPECT_EQ(span, 3);
    EXPECT_EQ(TaskDueAfterStartMoved(TimeFromFields(2024, 3, 10, 0, 0, 0), span), TimeFromFields(2024, 3, 13, 0, 0, 0));
    EXPECT_EQ(TaskSpanDays(TimeFromFields(2024, 3, 9, 0, 0, 0), TimeFromFields(2024, 3, 12, 0, 0, 0)), 3);
    EXPECT_EQ(TaskDueAfterStartMoved(TimeFromFields(2024, 10, 30, 0, 0, 0), 7), TimeFromFields(2024, 11, 6, 0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(AcrossDaylightSaving, ZoneTest, ::testing::Values("Europe/London", "America/New_York"));

}  // namespace
