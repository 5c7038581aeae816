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
