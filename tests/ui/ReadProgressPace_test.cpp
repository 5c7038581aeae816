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
