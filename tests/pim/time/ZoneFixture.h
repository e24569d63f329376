// Runs each test in a zone of its choice and restores the process afterwards.
#pragma once

#include <gtest/gtest.h>

#include <ctime>

#include "pim/time/TimeValue.h"
#include "platform/time/PosixTzRule.h"
#include "tests/platform/time/TimeTestUtil.h"

class ZoneTest : public ::testing::Test {
protected:
    void UseZone(const char* rule)
    {
        ASSERT_TRUE(ZoneFromPosixRule(rule, tzi_)) << rule;
        SetZoneForTesting(&tzi_);
    }

    void TearDown() override
    {
        SetZoneForTesting(nullptr);
        g_bUseDST = 1;
    }

    // Seconds since 1970 of a universal time, from the C library.
    static TimeValue Utc(int year, int month, int day, int hour, int minute = 0, int second = 0)
    {
        std::tm parts{second, minute, hour, day, month - 1, year - 1900, 0, 0, 0, 0, nullptr};
        return static_cast<TimeValue>(timegm(&parts));
    }

    TIME_ZONE_INFORMATION tzi_;
};
