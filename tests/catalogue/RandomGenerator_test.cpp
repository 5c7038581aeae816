#include "catalogue/RandomGenerator.h"

#include <gtest/gtest.h>

TEST(RandomGenerator, SeedOneGivesTheKnownSequenceAndEveryNumberFitsFifteenBits)
{
    SeedRandom(1);
    EXPECT_EQ(41, NextRandom());
    EXPECT_EQ(18467, NextRandom());
    EXPECT_EQ(6334, NextRandom());
    SeedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        int r = NextRandom();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
}

TEST(RandomGenerator, SeedSwapsTheClockHalves)
{
    EXPECT_EQ(0x444C444Cu, SeedFromTime(0x12345678u));
}
