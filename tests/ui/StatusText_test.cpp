#include "ui/StatusText.h"

#include <gtest/gtest.h>

TEST(StatusText, ASaveTellsWhatItSavedWhereAndWhatIsLeft)
{
    const struct {
        SaveTally tally;
        bool links;
        const char* text;
    } rows[] = {
        {{191, 191, 0, false, {}}, false, "191 files copied to D:\\Card"},
        {{1, 1, 0, false, {}}, false, "1 file copied to D:\\Card"},
        {{1, 1, 0, false, {}}, true, "1 shortcut written to D:\\Card"},
        {{1200, 1200, 0, false, {}}, true, "1,200 shortcuts written to D:\\Card"},
        {{191, 83, 0, true, {}}, false, "Stopped with 108 of 191 files left: 83 files copied to D:\\Card"},
        {{191, 83, 2, true, {}}, false,
         "Stopped with 106 of 191 files left, 2 not saved: 83 files copied to D:\\Card"},
        {{191, 83, 1, true, {}}, false,
         "Stopped with 107 of 191 files left, 1 not saved: 83 files copied to D:\\Card"},
        {{191, 0, 0, true, {}}, true, "Stopped with 191 of 191 files left: 0 shortcuts written to D:\\Card"},
        {{191, 189, 2, false, {}}, false, "2 of 191 files not saved: 189 files copied to D:\\Card"},
        {{1, 0, 1, false, {}}, false, "1 of 1 file not saved: 0 files copied to D:\\Card"},
        // Stopped at the last file's step, nothing is left: the save ended whole.
        {{3, 3, 0, true, {}}, false, "3 files copied to D:\\Card"},
        {{3, 2, 1, true, {}}, false, "1 of 3 files not saved: 2 files copied to D:\\Card"},
        // Converted files: what the conversions did comes with the files copied.
        {{12, 12, 0, false, ConvertTally{5, 7, 0, false}}, false,
         "12 files (5 converted, 7 from the cache) copied to D:\\Card"},
        {{12, 11, 1, false, ConvertTally{1, 1000, 1, false}}, false,
         "1 of 12 files not saved: 11 files (1 converted, 1,000 from the cache) copied to D:\\Card"},
        {{0, 0, 0, false, ConvertTally{3, 0, 0, true}}, false,
         "Stopped while converting (3 converted, 0 from the cache): nothing copied"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.text, SaveOutcomeText(row.tally, row.links, "D:\\Card"));
}

TEST(StatusText, ADropStoppedWhileConvertingDropsNothing)
{
    EXPECT_EQ("Stopped while converting (3 converted, 1 from the cache): nothing dropped",
              DropOutcomeText(0, ConvertTally{3, 1, 0, true}));
}

TEST(StatusText, ASampleThatAddsNothingSaysWhy)
{
    EXPECT_EQ("The sample is full.", SampleFullText(0, true));
    EXPECT_EQ("The sample is full.", SampleFullText(0, false));
    EXPECT_EQ("The sample is full: no other file of the source fits the 1,234 KB left.",
              SampleFullText(1234, true));
    EXPECT_EQ("The sample is full: no other file of the source fits the 4,294,967,295 KB left.",
              SampleFullText(4294967295u, true));
    EXPECT_EQ("Nothing to draw: every file of the source was saved recently.",
              SampleFullText(5, false));
}
