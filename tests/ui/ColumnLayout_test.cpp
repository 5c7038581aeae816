#include "ui/ColumnLayout.h"

#include <gtest/gtest.h>

TEST(ColumnLayout, NameTakesItsSinglePrecisionShareAndKbTheRest)
{
    const std::vector<float> fractions{0.83f};
    EXPECT_EQ((std::vector<int>{82, 18}), ColumnWidths(100, fractions, 2));
    EXPECT_EQ((std::vector<int>{312, 64}), ColumnWidths(376, fractions, 2));
    EXPECT_EQ((std::vector<int>{829, 171}), ColumnWidths(1000, fractions, 2));
}

TEST(ColumnLayout, NoWidthIsNegative)
{
    EXPECT_EQ((std::vector<int>{0, 0}), ColumnWidths(-3, {0.83f}, 2));
    EXPECT_EQ((std::vector<int>{60, 60, 0}), ColumnWidths(100, {0.6f, 0.6f}, 3));
    EXPECT_EQ((std::vector<int>{100}), ColumnWidths(100, {}, 1));
}
