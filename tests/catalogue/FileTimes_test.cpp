#include "platform/LocalTime.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using platform::LocalCalendarToSeconds;

TEST(FileTimes, OldOrUnconvertibleTimesGetFixedValues)
{
    EXPECT_EQ(0, LocalCalendarToSeconds(1601, 1, 1, 0, 0, 0));
    EXPECT_EQ(0, LocalCalendarToSeconds(1899, 12, 31, 23, 59, 59));
    EXPECT_EQ(-1, LocalCalendarToSeconds(1900, 1, 1, 0, 0, 0));
    EXPECT_EQ(-1, LocalCalendarToSeconds(1969, 12, 31, 23, 59, 59));
    // Past what 32-bit seconds can hold.
    EXPECT_EQ(0, LocalCalendarToSeconds(2040, 6, 1, 12, 0, 0));
}

TEST(FileTimes, LocalCalendarFieldsGiveTheSecondsBack)
{
    for (std::time_t seconds : {std::time_t(86400 * 3), std::time_t(1000000000),
                                std::time_t(1700000000), std::time_t(2147483647)}) {
        const std::tm fields = *std::localtime(&seconds);
        EXPECT_EQ(static_cast<int32_t>(seconds),
                  LocalCalendarToSeconds(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
                                         fields.tm_hour, fields.tm_min, fields.tm_sec));
    }
}

}  // namespace
