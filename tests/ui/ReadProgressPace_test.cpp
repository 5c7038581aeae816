#include "ui/CountText.h"
#include "ui/ReadProgressPace.h"

#include <gtest/gtest.h>

namespace {

// Records each refresh and answers with `keepReading`.
class RecordingProgress : public CPacedReadProgress {
public:
    explicit RecordingProgress(bool keepReading) : m_bKeepReading(keepReading) {}
    std::vector<int> refreshed;
    bool shown = false;

protected:
    bool Refresh(const std::string&, int admitted, bool show) override
    {
        refreshed.push_back(admitted);
        shown = shown || show;
        return m_bKeepReading;
    }

private:
    bool m_bKeepReading;
};

}  // namespace

TEST(ReadProgressPace, TheFirstRefreshComesEarlyAndAStopHoldsForTheRestOfTheRead)
{
    // A read's first refresh serves the user at once but shows no window yet;
    // the next ones wait for the clock, not for every entry.
    RecordingProgress going(true);
    for (int entry = 1; entry <= 64; ++entry)
        EXPECT_TRUE(going.KeepReading("d:\\music", entry));
    EXPECT_EQ(std::vector<int>{16}, going.refreshed);
    EXPECT_FALSE(going.shown);

    RecordingProgress stopping(false);
    for (int entry = 1; entry < 16; ++entry)
        EXPECT_TRUE(stopping.KeepReading("d:\\music", entry));
    EXPECT_FALSE(stopping.Stopped());
    EXPECT_FALSE(stopping.KeepReading("d:\\music", 16));
    EXPECT_TRUE(stopping.Stopped());
    EXPECT_FALSE(stopping.KeepReading("d:\\talk", 0));  // the next folder of the same read
    EXPECT_EQ(std::vector<int>{16}, stopping.refreshed);
}

TEST(ReadProgressPace, CountsAreShownInGroupsOfThousands)
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

TEST(ReadProgressPace, TheSourceLineCountsFilesSavedRecentlyOnlyForAFreshDraw)
{
    EXPECT_EQ("Source has 3000 files", SourceCountText(3000, std::nullopt));
    EXPECT_EQ("Source has 1 files", SourceCountText(1, std::nullopt));
    EXPECT_EQ("Source has 3,000 files (212 saved recently)", SourceCountText(3000, 212));
    EXPECT_EQ("Source has 12,345 files (1,234 saved recently)", SourceCountText(12345, 1234));
    EXPECT_EQ("Source has 1 file (0 saved recently)", SourceCountText(1, 0));
    EXPECT_EQ("Source has 2 files (all saved recently)", SourceCountText(2, 2));
    EXPECT_EQ("Source has 0 files (0 saved recently)", SourceCountText(0, 0));
}

// The sample line groups its numbers as the list groups a file's size.
TEST(ReadProgressPace, TheSampleLineGroupsItsNumbers)
{
    EXPECT_EQ("0 files, 0 KB for internal mem", SampleLineText(0, 0, false));
    EXPECT_EQ("7 files, 32,218 KB for internal mem", SampleLineText(7, 32218, false));
    EXPECT_EQ("1,204 files, 4,294,967,295 KB for external mem",
              SampleLineText(1204, 4294967295u, true));
}
