// The conversion's rules, over tables: targets as typed, the prober's answers,
// which files are copied as they are, the planned sizes, leaving out, and when
// converting is on at all.
#include "catalogue/FileList.h"
#include "convert/AudioFacts.h"
#include "convert/ConvertArguments.h"
#include "convert/ConvertTarget.h"
#include "convert/ConvertTools.h"
#include "convert/FilePlan.h"
#include "convert/LeaveOut.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ConvertTarget, ReadsFormatAndBitrateAsTypedAndRefusesTheRest)
{
    const struct {
        const char* text;
        const char* read;  // as ConvertTargetText gives it back; null: refused
    } rows[] = {
        {"mp3", "mp3:192"},     {"mp3:128k", "mp3:128"}, {"MP3:128K", "mp3:128"},
        {"mp3:32", "mp3:32"},   {"mp3:320", "mp3:320"},  {"mp3:112", "mp3:112"},
        {"aac", "aac:160"},     {"aac:96k", "aac:96"},   {"aac:32", "aac:32"},
        {"opus", "opus:128"},   {"Opus:6", "opus:6"},    {"opus:510k", "opus:510"},
        {"flac", nullptr},      {"", nullptr},           {":128", nullptr},
        {"mp3:", nullptr},      {"mp3:k", nullptr},      {"mp3:12x", nullptr},
        {"mp3:100", nullptr},   {"mp3:352", nullptr},    {"mp3:-128", nullptr},
        {"aac:31", nullptr},    {"aac:321", nullptr},    {"opus:5", nullptr},
        {"opus:511", nullptr},  {"mp3:128:1", nullptr},  {"mp3:99999", nullptr},
        {"mp3:4294967424", nullptr},  // wraps round to 128 in 32 bits
    };
    for (const auto& row : rows) {
        ConvertTarget target;
        std::string problem;
        const bool read = ParseConvertTarget(row.text, target, problem);
        EXPECT_EQ(row.read != nullptr, read) << row.text;
        if (row.read != nullptr && read)
            EXPECT_EQ(row.read, ConvertTargetText(target)) << row.text;
        else
            EXPECT_NE(std::string::npos, problem.find(row.text)) << problem;
    }
}

const char kFlacWithCover[] =
    "packet|stream_index=1|size=766\n"
    "stream|index=0|codec_name=flac|codec_type=audio|bit_rate=N/A|disposition:attached_pic=0\n"
    "stream|index=1|codec_name=mjpeg|codec_type=video|bit_rate=N/A|disposition:attached_pic=1|"
    "tag:comment=Other\n"
    "format|format_name=flac|duration=6.000100|bit_rate=965338|tag:TITLE=T\\|x|tag:artist=Art|"
    "tag:ALBUM=Al|tag:TRACKNUMBER=4|tag:track=4|tag:Date=2001|tag:genre=Rock|"
    "tag:encoder=Lavf59.27.100\n";
const char kOggOpus[] =
    "packet|stream_index=0|size=482|side_data|\r\n\r\n"
    "stream|index=0|codec_name=opus|codec_type=audio|bit_rate=N/A|disposition:attached_pic=0|"
    "tag:title=Song\r\n"
    "format|format_name=ogg|duration=6.006500|bit_rate=88518\r\n";

TEST(AudioFacts, ReadsTheProbersAnswer)
{
    AudioFacts facts;
    ASSERT_TRUE(ReadProbeOutput(kFlacWithCover, facts));
    EXPECT_EQ("flac", facts.codec);
    EXPECT_EQ("flac", facts.container);
    EXPECT_EQ(6001u, facts.milliseconds);  // rounded up
    EXPECT_EQ(1, facts.pictureStream);
    EXPECT_EQ(766u, facts.pictureBytes);
    // Title and artist are carried, the encoder and the picture's comment not.
    EXPECT_EQ(std::string("tag:TITLE" "T|x" "tag:artist" "Art" "tag:ALBUM" "Al" "tag:TRACKNUMBER"
                          "4" "tag:track" "4" "tag:Date" "2001" "tag:genre" "Rock")
                  .size(),
              facts.tagBytes);

    ASSERT_TRUE(ReadProbeOutput(kOggOpus, facts));
    EXPECT_EQ("opus", facts.codec);
    EXPECT_EQ(88518u, facts.bitRate);  // the stream tells none: the file's
    EXPECT_EQ(-1, facts.pictureStream);
    EXPECT_EQ(0u, facts.pictureBytes);

    // What the prober says of a file it cannot read: no stream, no length.
    EXPECT_FALSE(ReadProbeOutput("format|format_name=flac|duration=N/A\n", facts));
    EXPECT_FALSE(ReadProbeOutput("stream|index=0|codec_name=mjpeg|codec_type=video\n"
                                 "format|format_name=image2|duration=1.0\n",
                                 facts));
    EXPECT_FALSE(ReadProbeOutput("", facts));
    // A length past what the plan counts is no length.
    EXPECT_FALSE(ReadProbeOutput("stream|index=0|codec_name=flac|codec_type=audio\n"
                                 "format|format_name=flac|duration=5000000.5\n",
                                 facts));
}

AudioFacts Facts(const char* codec, const char* container, uint32_t bitRate)
{
    AudioFacts facts;
    facts.codec = codec;
    facts.container = container;
    facts.bitRate = bitRate;
    facts.milliseconds = 180000;
    return facts;
}

TEST(FilePlan, CopiesOnlyFilesInTheTargetFormatAtNoMoreThanItsBitrate)
{
    const ConvertTarget mp3{AudioFormat::kMp3, 128}, aac{AudioFormat::kAac, 160},
        opus{AudioFormat::kOpus, 96};
    const char kMp4[] = "mov,mp4,m4a,3gp,3g2,mj2";
    const struct {
        AudioFacts facts;
        const char* name;
        ConvertTarget target;
        bool copied;
    } rows[] = {
        {Facts("mp3", "mp3", 128000), ".mp3", mp3, true},  // a name that is all extension
        {Facts("mp3", "mp3", 134400), "a.MP3", mp3, true},  // 5 % slack
        {Facts("mp3", "mp3", 134401), "a.mp3", mp3, false},
        {Facts("mp3", "mp3", 320000), "a.mp3", mp3, false},
        {Facts("mp3", "mp3", 0), "a.mp3", mp3, false},  // bitrate unknown
        {Facts("mp3", "mp3", 96000), "a.mp2", mp3, false},
        {Facts("flac", "flac", 900000), "a.flac", mp3, false},
        {Facts("aac", kMp4, 160000), "a.m4a", aac, true},
        {Facts("aac", kMp4, 128000), "a.mp3", aac, false},
        {Facts("aac", "aac", 128000), "a.m4a", aac, false},  // raw AAC, no container
        {Facts("mp3", "mp3", 128000), "a.mp3", aac, false},
        {Facts("opus", "ogg", 96000), "a.opus", opus, true},
        {Facts("vorbis", "ogg", 96000), "a.opus", opus, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.copied, CopiedAsItIs(row.facts, row.name, row.target))
            << row.facts.codec << " " << row.facts.bitRate << " " << row.name;
        const FilePlan plan = PlanFile(row.facts, row.name, 4321, row.target);
        EXPECT_EQ(!row.copied, plan.convert);
        if (row.copied) {
            EXPECT_EQ(4321u, plan.sizeKB);
        }
    }
}

TEST(FilePlan, EstimatesTheLengthAtTheBitratePlusWhatTheFileCarries)
{
    AudioFacts facts = Facts("flac", "flac", 0);
    const ConvertTarget mp3{AudioFormat::kMp3, 128};
    const uint64_t audio = 180 * 16000;
    const uint64_t bare = EstimatedBytes(facts, mp3);
    EXPECT_GE(bare, audio);
    EXPECT_LE(bare, audio + audio / 100);
    facts.pictureBytes = 50000;
    facts.tagBytes = 300;
    EXPECT_EQ(bare + 50300, EstimatedBytes(facts, mp3));
    // Opus carries no cover art; twice the bitrate is about twice the audio.
    EXPECT_EQ(EstimatedBytes(Facts("flac", "flac", 0), ConvertTarget{AudioFormat::kOpus, 128}) +
                  300,
              EstimatedBytes(facts, ConvertTarget{AudioFormat::kOpus, 128}));
    EXPECT_GE(EstimatedBytes(facts, ConvertTarget{AudioFormat::kAac, 256}), 2 * audio);
    EXPECT_EQ(KBOfBytes(EstimatedBytes(facts, mp3)), PlanFile(facts, "a.flac", 30000, mp3).sizeKB);
    EXPECT_EQ(1u, KBOfBytes(0));
    EXPECT_EQ(1001u, KBOfBytes(1000000));
}

TEST(ConvertArguments, CarryTagsAndCoverArtWhereTheFormatHoldsIt)
{
    const struct {
        ConvertTarget target;
        int pictureStream;
        std::vector<std::string> with, without;
    } rows[] = {
        {{AudioFormat::kMp3, 128}, 2, {"0:2", "128k", "libmp3lame", "0:s:a:0"}, {}},
        {{AudioFormat::kOpus, 96}, 2, {"96k", "libopus"}, {"0:2"}},
        {{AudioFormat::kAac, 160}, -1, {"160k", "aac"}, {"attached_pic"}},
    };
    for (const auto& row : rows) {
        AudioFacts facts;
        facts.pictureStream = row.pictureStream;
        const std::vector<std::string> arguments =
            ConvertArguments("in.flac", facts, row.target, "out.part");
        EXPECT_EQ("out.part", arguments.back());
        for (const std::string& word : row.with)
            EXPECT_NE(arguments.end(), std::find(arguments.begin(), arguments.end(), word)) << word;
        for (const std::string& word : row.without)
            EXPECT_EQ(arguments.end(), std::find(arguments.begin(), arguments.end(), word)) << word;
    }
    EXPECT_EQ("Error marking filters as finished",
              LastLine("in.flac: first\nError marking filters as finished\r\n\n"));
    EXPECT_EQ("only", LastLine("only"));
    EXPECT_EQ("", LastLine(" \n"));
}

TEST(LeaveOut, TakesTheSmallestFileThatIsEnoughElseTheLargest)
{
    const struct {
        std::vector<uint32_t> sizes;
        uint32_t capacity;
        uint32_t unit;
        std::vector<uint32_t> kept;
    } rows[] = {
        {{3000, 2000, 1500, 1200}, 10000, 0, {3000, 2000, 1500, 1200}},
        {{3000, 2000, 1500, 1200}, 7500, 0, {3000, 2000, 1500}},  // 200 over: 1200 is enough
        {{1200, 1500, 2000, 3000}, 7500, 0, {1500, 2000, 3000}},  // whatever the order
        {{3000, 2000, 1500, 1200}, 4000, 0, {2000, 1500}},        // 3000 first, then 1200
        {{3000, 2000}, 100, 0, {}},
        // Each takes two units of 4096 bytes, and 16 KB holds one file.
        {{5, 5, 5, 5}, 16, 4096, {5}},
    };
    for (const auto& row : rows) {
        CFileList sample(10, 10);
        sample.SetMinKB(0);
        for (uint32_t size : row.sizes)
            sample.AddEntry("f", "n" + std::to_string(sample.GetCount()), size);
        const int leftOut = LeaveOutUntilFits(sample, row.capacity, row.unit);
        std::vector<uint32_t> kept;
        for (int index = 0; index < sample.GetCount(); ++index)
            kept.push_back(sample.GetSizeKB(static_cast<uint32_t>(index)));
        EXPECT_EQ(row.kept, kept) << row.capacity;
        EXPECT_EQ(row.sizes.size() - row.kept.size(), static_cast<std::size_t>(leftOut));
    }
}

TEST(ConvertTools, ConvertOnlyWithATargetBothProgramsAndACache)
{
    const std::optional<ConvertSetup> on =
        ConvertSetupFor("aac:160", {"/bin/ffmpeg", "/bin/ffprobe", "/cache"});
    ASSERT_TRUE(on);
    EXPECT_EQ("aac:160 /bin/ffmpeg /bin/ffprobe /cache", ConvertTargetText(on->target) + " " +
                                                             on->converter + " " + on->prober +
                                                             " " + on->cacheFolder);
    for (const ConvertTools& lacking : {ConvertTools{"", "/bin/ffprobe", "/cache"},
                                        ConvertTools{"/bin/ffmpeg", "", "/cache"},
                                        ConvertTools{"/bin/ffmpeg", "/bin/ffprobe", ""}})
        EXPECT_FALSE(ConvertSetupFor("mp3", lacking));
    for (const char* off : {"", "wav", "mp3:100"})
        EXPECT_FALSE(ConvertSetupFor(off, {"/bin/ffmpeg", "/bin/ffprobe", "/cache"})) << off;
}

}  // namespace
