// The row "Convert to" and the sizes the window shows while converting: the
// bitrates each format offers, and the samples resized to the planned sizes and
// back.
#include "catalogue/FileList.h"
#include "convert/FactsCache.h"
#include "convert/FilePlan.h"
#include "platform/FileCopy.h"
#include "support/TestFiles.h"
#include "ui/ConvertChoices.h"
#include "ui/PlannedSizes.h"

#include <gtest/gtest.h>

namespace {

TEST(ConvertRow, OffersTheUsualBitratesAndKeepsOneWrittenByHand)
{
    using Rates = std::vector<uint32_t>;
    const Rates usual{96, 128, 160, 192, 256, 320};
    EXPECT_EQ(usual, BitrateChoices(AudioFormat::kMp3, 192));
    EXPECT_EQ((Rates{96, 112, 128, 160, 192, 256, 320}), BitrateChoices(AudioFormat::kMp3, 112));
    EXPECT_EQ((Rates{64, 96, 128, 160, 192, 256, 320}), BitrateChoices(AudioFormat::kOpus, 64));
    EXPECT_EQ((Rates{96, 128, 160, 192, 256, 320, 500}), BitrateChoices(AudioFormat::kOpus, 500));
    // A rate the format does not take is not offered.
    EXPECT_EQ(usual, BitrateChoices(AudioFormat::kMp3, 100));
    EXPECT_EQ(usual, BitrateChoices(AudioFormat::kAac, 500));
    EXPECT_EQ("192 kbit/s", BitrateText(192));
    EXPECT_EQ("Needs a folder for converted files: LOCALAPPDATA is not set",
              ConvertNeedsText({"ffmpeg.exe", "ffprobe.exe", ""}));
}

class NoProgress : public CConvertProgress {
public:
    bool Probing(std::size_t, std::size_t) override { return true; }
    bool Converting(std::size_t, std::size_t, std::size_t) override { return true; }
};

// Files whose length is known already, so planning runs no prober.
TEST(ConvertRow, ASampleTakesThePlannedSizesAndItsOwnWithoutConverting)
{
    fixtures::TempFolder temp;
    ASSERT_TRUE(fixtures::MakeFolder(temp.Join("cache")));
    AudioFacts facts;
    facts.codec = facts.container = "flac";
    facts.milliseconds = 60000;
    CFactsCache known(fixtures::JoinPath(temp.Join("cache"), kFactsFileName));
    CFileList sample(10, 10);
    for (const char* name : {"a.flac", "b.flac"}) {
        platform::FileStamp stamp;
        ASSERT_TRUE(fixtures::CreateSizedFile(temp.Join(name), 3000000));
        ASSERT_TRUE(platform::ReadFileStamp(temp.Join(name), stamp));
        known.Keep(temp.Join(name), stamp, facts);
        sample.AddEntry(temp.Path(), name, 1200);
    }
    ASSERT_TRUE(known.Save());

    const ConvertTarget target{AudioFormat::kAac, 128};
    CConvertFill fill(ConvertSetup{target, "no-ffmpeg", "no-ffprobe", temp.Join("cache")});
    NoProgress progress;
    ResizeForConverting(sample, &fill, progress);
    const uint32_t planned = PlanFile(facts, "a.flac", 3001, target).sizeKB;
    EXPECT_LT(planned, 3001u / 2);
    EXPECT_EQ(2 * planned, sample.GetTotalKB());
    EXPECT_EQ(planned, sample.GetSizeKB(1));
    ResizeForConverting(sample, nullptr, progress);
    EXPECT_EQ(3001u * 2, sample.GetTotalKB());
}

}  // namespace
