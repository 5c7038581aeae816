// A converting fill with stand-ins for ffmpeg and ffprobe whose copies come
// out larger than planned.
#include "catalogue/RandomGenerator.h"
#include "convert/ConvertFill.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <numeric>

namespace {

using fixtures::JoinPath;

class QuietProgress : public CConvertProgress, public CSaveReport {
public:
    bool Probing(std::size_t, std::size_t) override { return true; }
    bool Converting(std::size_t, std::size_t, std::size_t) override { return true; }
    bool Saving(int, int, const std::string&) override { return true; }
    void NotSaved(const SaveFailure&) override {}
};

bool WriteProgram(const std::string& path, const std::string& script)
{
    return fixtures::WriteBytes(path, "#!/bin/sh\n" + script) && chmod(path.c_str(), 0700) == 0;
}

TEST(ConvertFill, CopiesLargerThanPlannedAreLeftOutAndTheRoomDrawnAgainUntilTheFillFits)
{
    fixtures::TempFolder temp;
    const std::string bin = temp.Join("bin"), lib = temp.Join("lib");
    ASSERT_TRUE(fixtures::MakeFolder(bin) && fixtures::MakeFolder(lib));
    // 50 seconds each, planned at about 800 KB; every copy takes 1501.
    ASSERT_TRUE(WriteProgram(JoinPath(bin, "ffprobe"),
                             "echo 'stream|index=0|codec_name=flac|codec_type=audio'\n"
                             "echo 'format|format_name=flac|duration=50.0'\n"));
    ASSERT_TRUE(WriteProgram(JoinPath(bin, "ffmpeg"),
                             "for last; do :; done\nhead -c 1500000 /dev/zero > \"$last\"\n"));
    CFileList source(20, 10);
    source.SetMinKB(0);
    for (int index = 10; index < 30; ++index) {
        const std::string name = std::to_string(index) + ".flac";
        ASSERT_TRUE(fixtures::CreateSizedFile(JoinPath(lib, name), 2000000));
        source.AddEntry(lib, name, 2001);
    }
    const ConvertSetup setup{ConvertTarget{AudioFormat::kMp3, 128}, JoinPath(bin, "ffmpeg"),
                             JoinPath(bin, "ffprobe"), temp.Join("cache")};
    const FillTarget target{10000, false, FillRules{true, 0}};
    CFileList sample(50, 50), other(1, 1), trial(50, 50), best(50, 50);
    QuietProgress progress;
    CConvertFill fill(setup);
    fill.Plan(source, sample, progress);
    SeedRandom(1);
    const SampleLists draw{source, sample, other, trial, best};
    ASSERT_TRUE(DrawSample(draw, static_cast<int>(target.maxKB), target.resample, target.rules));
    ASSERT_GT(sample.GetTotalKB(), 9000u);

    fill.Fit(source, draw, target, progress);
    std::vector<uint32_t> order(static_cast<std::size_t>(sample.GetCount()));
    std::iota(order.begin(), order.end(), 0u);
    int notConverted = 0;
    const CopySources copies = fill.ForCopy(sample, order, progress, notConverted);
    EXPECT_EQ(0, notConverted);
    uint64_t bytes = 0;
    for (uint32_t index = 0; index < static_cast<uint32_t>(copies.files.GetCount()); ++index)
        bytes += std::filesystem::file_size(JoinPath(copies.files.GetFolder(index),
                                                     copies.files.GetName(index)));
    // Six copies fit; a seventh, drawn at its planned size, would not.
    EXPECT_EQ(6 * 1500000u, bytes);
}

}  // namespace
