// Converting for real with the ffmpeg on PATH, on short generated sounds, and
// the caches that keep what was learnt.
#include "catalogue/FileList.h"
#include "convert/AudioFacts.h"
#include "convert/ConvertCache.h"
#include "convert/Conversion.h"
#include "convert/FactsCache.h"
#include "platform/FileSystem.h"
#include "platform/RunProgram.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using fixtures::TempFolder;

bool RunFfmpeg(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"-nostdin", "-v", "error", "-y"});
    return platform::RunProgram(platform::FindProgram("ffmpeg"), arguments).succeeded;
}

// `seconds` of noise in FLAC, as hard to pack as music, with tags; with
// `cover`, that picture as its cover art.
bool MakeSound(const std::string& path, int seconds, const std::string& cover = "")
{
    std::vector<std::string> arguments{
        "-f", "lavfi", "-i", "anoisesrc=c=white:r=44100:d=" + std::to_string(seconds)};
    if (!cover.empty())
        arguments.insert(arguments.end(), {"-i", cover, "-map", "0", "-map", "1", "-c:v", "copy",
                                           "-disposition:v", "attached_pic"});
    arguments.insert(arguments.end(), {"-ac", "2", "-metadata", "title=Harbour Lights",
                                       "-metadata", "artist=Calla Vey", "-metadata", "track=4", path});
    return RunFfmpeg(arguments);
}

std::string ProbeText(const std::string& path)
{
    return platform::RunProgram(platform::FindProgram("ffprobe"), ProbeArguments(path)).output;
}

uint32_t OwnKB(const std::string& path)
{
    return KBOfBytes(fs::file_size(path));
}

int PartFilesIn(const std::string& folder)
{
    int parts = 0;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error))
        parts += entry.path().extension() == ".part" ? 1 : 0;
    return parts;
}

class CountingProgress : public CConvertProgress {
public:
    bool keepGoing = true, keepProbing = true;
    bool Probing(std::size_t, std::size_t count) override
    {
        probed = count;
        return keepProbing;
    }
    bool Converting(std::size_t done, std::size_t, std::size_t cached) override
    {
        converted = done;
        fromCache = cached;
        return keepGoing;
    }
    std::size_t probed = 0, converted = 0, fromCache = 0;
};

class Conversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        setup.converter = platform::FindProgram("ffmpeg");
        setup.prober = platform::FindProgram("ffprobe");
        if (setup.converter.empty() || setup.prober.empty())
            GTEST_SKIP() << "no ffmpeg on PATH";
        setup.target = ConvertTarget{AudioFormat::kMp3, 128};
        setup.cacheFolder = temp.Join("cache");
        source.SetMinKB(0);
        source.SetExtensions("");
    }
    void Add(const std::string& name) { source.AddEntry(temp.Path(), name, OwnKB(temp.Join(name))); }

    TempFolder temp;
    ConvertSetup setup;
    CFileList source{10, 10};
    CFileList planned{10, 10};
};

TEST_F(Conversion, PlansConvertsWithTagsAndCoverAndReusesTheCache)
{
    ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "testsrc=s=96x96:d=1", "-frames:v", "1",
                           temp.Join("cover.png")}));
    ASSERT_TRUE(MakeSound(temp.Join("a.flac"), 9, temp.Join("cover.png")));
    ASSERT_TRUE(MakeSound(temp.Join("short.flac"), 2));
    Add("a.flac");
    Add("short.flac");
    CountingProgress progress;
    uint32_t plannedKB = 0;
    {
        CConversion conversion(setup);
        conversion.Plan(source, planned, &progress);
        // A sample takes no file under 1000 KB of its own, whatever it becomes.
        ASSERT_EQ(1, planned.GetCount());
        EXPECT_EQ(1u, progress.probed);
        plannedKB = planned.GetSizeKB(0);
        const std::vector<ConvertedFile> files = conversion.Convert(planned, &progress, nullptr);
        ASSERT_EQ(ConvertedFile::kConverted, files.at(0).outcome) << files[0].reason;
        EXPECT_EQ("a.mp3", fs::path(files[0].path).filename().string());
        EXPECT_EQ(1u, progress.converted);
        // The plan was close, and never short by more than the encoder's rounding.
        const uint32_t realKB = OwnKB(files[0].path);
        EXPECT_EQ(realKB, conversion.PlannedKB(temp.Join("a.flac"), 0));
        EXPECT_GE(plannedKB + 2, realKB);
        EXPECT_LE(plannedKB, realKB + realKB / 50);

        AudioFacts facts;
        const std::string probed = ProbeText(files[0].path);
        ASSERT_TRUE(ReadProbeOutput(probed, facts));
        EXPECT_EQ("mp3", facts.codec);
        EXPECT_EQ(128000u, facts.bitRate);
        EXPECT_NEAR(9000, facts.milliseconds, 100);
        EXPECT_GE(facts.pictureStream, 0);
        for (const char* tag : {"title=Harbour Lights", "artist=Calla Vey", "track=4"})
            EXPECT_NE(std::string::npos, probed.find(tag)) << probed;
        EXPECT_EQ(0, PartFilesIn(setup.cacheFolder));
        conversion.Finish();
    }

    // The next run probes nothing, plans as the first did, and converts nothing.
    CConversion again(setup);
    CountingProgress second;
    again.Plan(source, planned, &second);
    EXPECT_EQ(0u, second.probed);
    EXPECT_EQ(plannedKB, planned.GetSizeKB(0));
    EXPECT_EQ(ConvertedFile::kFromCache, again.Convert(planned, &second, nullptr).at(0).outcome);
    EXPECT_EQ(1u, second.fromCache);
    EXPECT_EQ(0u, again.ConvertedCount());
}

TEST_F(Conversion, WhenTheProgressSaysStopTheShortestFilesAreTheOnesNotBegun)
{
    ASSERT_TRUE(MakeSound(temp.Join("0.flac"), 8));
    ASSERT_TRUE(MakeSound(temp.Join("1.flac"), 10));
    // One more file than run at once, so at least one is never begun.
    const int count = static_cast<int>(platform::ProgramsAtOnce()) + 1;
    for (int index = 2; index < count; ++index)
        fs::copy_file(temp.Join("1.flac"), temp.Join(std::to_string(index) + ".flac"));
    for (int index = 0; index < count; ++index)
        Add(std::to_string(index) + ".flac");
    CConversion conversion(setup);
    // A probe that a stop skipped is made at the next plan.
    CountingProgress stopping;
    stopping.keepProbing = false;
    conversion.Plan(source, planned, &stopping);
    conversion.Plan(source, planned, nullptr);
    for (uint32_t index = 0; index < static_cast<uint32_t>(count); ++index)
        ASSERT_LT(planned.GetSizeKB(index), source.GetSizeKB(index) / 2) << index;
    stopping.keepGoing = false;
    const std::vector<ConvertedFile> files = conversion.Convert(planned, &stopping, nullptr);
    for (const ConvertedFile& file : files)
        EXPECT_NE(ConvertedFile::kAsItIs, file.outcome);
    // The longest go first: the first file by name is the one left.
    EXPECT_EQ(ConvertedFile::kStopped, files[0].outcome);
    EXPECT_EQ(0, PartFilesIn(setup.cacheFolder));
}

TEST(ConvertCache, KeepsTheCopiesUsedLastWithinItsLimitAndRemovesOldPartFiles)
{
    TempFolder temp;
    const CConvertCache cache(temp.Path(), 2500);
    const platform::FileStamp stamp{1000, 1, 2};
    const ConvertTarget mp3{AudioFormat::kMp3, 128};
    std::vector<std::string> copies;
    for (const char* name : {"old.flac", "mid.flac", "new.flac"}) {
        copies.push_back(cache.CopyPath(temp.Join(name), name, stamp, mp3));
        ASSERT_TRUE(fixtures::WriteBytes(CConvertCache::PartPath(copies.back()), std::string(1000, 'x')));
        ASSERT_TRUE(cache.Place(copies.back()));
    }
    EXPECT_NE(copies[0], cache.CopyPath(temp.Join("old.flac"), "old.flac", stamp,
                                        ConvertTarget{AudioFormat::kMp3, 192}));
    EXPECT_NE(copies[0], cache.CopyPath(temp.Join("old.flac"), "old.flac",
                                        platform::FileStamp{1000, 1, 3}, mp3));
    EXPECT_EQ("mid.mp3", fs::path(copies[1]).filename().string());
    for (std::size_t index = 0; index < copies.size(); ++index)
        ASSERT_TRUE(fixtures::SetFileAge(copies[index], 300 - 100 * static_cast<int>(index)));
    EXPECT_TRUE(cache.Holds(copies[0]));  // used now: the newest
    const std::string stalePart = temp.Join("0123456789abcdef.part");
    const std::string freshPart = temp.Join("fedcba9876543210.part");
    ASSERT_TRUE(fixtures::WriteBytes(stalePart, "x") && fixtures::WriteBytes(freshPart, "x"));
    ASSERT_TRUE(fixtures::SetFileAge(stalePart, 7200));

    cache.Prune();
    const std::string folder = fs::path(copies[1]).parent_path().string();
    const std::pair<std::string, bool> kept[] = {{copies[0], true},  {copies[1], false},
                                                 {folder, false},    {copies[2], true},
                                                 {stalePart, false}, {freshPart, true}};
    for (const auto& [path, exists] : kept)
        EXPECT_EQ(exists, fs::exists(path)) << path;
    EXPECT_FALSE(cache.Holds(copies[1]));
}

TEST(FactsCache, KeepsTheFactsOfAFileForAsLongAsItStaysTheSame)
{
    TempFolder temp;
    AudioFacts facts;
    facts.codec = "flac";
    facts.milliseconds = 181234;
    facts.pictureStream = 1;
    facts.pictureBytes = 4567;
    const platform::FileStamp stamp{1234567, 1700000000, 123456789};
    {
        CFactsCache cache(temp.Join("durations"));
        cache.Keep("/music/a\tb.flac", stamp, facts);
        cache.Keep("/music/line\nbreak.flac", stamp, facts);
        ASSERT_TRUE(cache.Save());
    }
    CFactsCache cache(temp.Join("durations"));
    AudioFacts found;
    ASSERT_TRUE(cache.Find("/music/a\tb.flac", stamp, found));
    EXPECT_EQ("flac 181234 1 4567", found.codec + " " + std::to_string(found.milliseconds) + " " +
                                         std::to_string(found.pictureStream) + " " +
                                         std::to_string(found.pictureBytes));
    EXPECT_FALSE(cache.Find("/music/a\tb.flac", platform::FileStamp{1234567, 1700000000, 1}, found));
    EXPECT_FALSE(cache.Find("/music/line\nbreak.flac", stamp, found));
}

}  // namespace
