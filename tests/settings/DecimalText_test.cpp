#include "settings/DecimalText.h"

#include <gtest/gtest.h>

TEST(DecimalText, TypedNumbersAreReadLikeAtoiWithoutOverflow)
{
    EXPECT_EQ(32600, NumberFromText("32600"));
    EXPECT_EQ(123, NumberFromText("  123abc"));
    EXPECT_EQ(0, NumberFromText("abc"));
    EXPECT_EQ(0, NumberFromText(""));
    EXPECT_EQ(-5, NumberFromText("-5"));
    EXPECT_EQ(2147483647, NumberFromText("99999999999999"));
    EXPECT_EQ(-2147483647 - 1, NumberFromText("-99999999999999"));
    // Only the first 98 characters are read.
    EXPECT_EQ(0, NumberFromText(std::string(98, ' ') + "7"));
}

TEST(DecimalText, DigitsMakingMoreThanTheMostAreRefused)
{
    std::size_t at = 0, from = 0;
    uint64_t value = 0;
    int digits = 0;
    EXPECT_TRUE(ReadDigits("9999", at, 9999, value, digits));
    EXPECT_FALSE(ReadDigits("10000", from, 9999, value, digits));
    EXPECT_LT(9999u, value);
}
