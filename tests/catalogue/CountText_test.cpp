#include "catalogue/CountText.h"

#include <gtest/gtest.h>

TEST(CountText, CountsAreShownInGroupsOfThousands)
{
    const struct {
        int count;
        const char* text;
    } cases[] = {{0, "0 files"},           {1, "1 file"},         {999, "999 files"},
                 {1000, "1,000 files"},    {12345, "12,345 files"}, {1234567, "1,234,567 files"},
                 {-3, "0 files"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.text, FileCountText(c.count)) << c.count;
}

TEST(CountText, TheSourceAndSampleLines)
{
    EXPECT_EQ("Source has 3000 files", SourceCountText(3000, std::nullopt));
    EXPECT_EQ("Source has 1 files", SourceCountText(1, std::nullopt));
    EXPECT_EQ("Source has 3,000 files (212 saved recently)", SourceCountText(3000, 212));
    EXPECT_EQ("Source has 12,345 files (1,234 saved recently)", SourceCountText(12345, 1234));
    EXPECT_EQ("Source has 1 file (0 saved recently)", SourceCountText(1, 0));
    EXPECT_EQ("Source has 2 files (all saved recently)", SourceCountText(2, 2));
    EXPECT_EQ("Source has 1 file (all saved recently)", SourceCountText(1, 1));
    EXPECT_EQ("Source has 0 files (0 saved recently)", SourceCountText(0, 0));
    // The command line writes its numbers plain, as in the rest of its lines.
    EXPECT_EQ("(1234 saved recently)", SavedRecentlyText(12345, 1234, Digits::kPlain));

    // The window groups the sample line's numbers as the list groups a file's
    // size; the command line does not.
    EXPECT_EQ("0 files, 0 KB for internal mem", SampleLineText(0, 0, false, Digits::kGrouped));
    EXPECT_EQ("7 files, 32,218 KB for internal mem",
              SampleLineText(7, 32218, false, Digits::kGrouped));
    EXPECT_EQ("1,204 files, 4,294,967,295 KB for external mem",
              SampleLineText(1204, 4294967295u, true, Digits::kGrouped));
    EXPECT_EQ("1204 files, 32218 KB for external mem",
              SampleLineText(1204, 32218, true, Digits::kPlain));
}
