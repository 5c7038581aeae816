// The command line's readers and writers of text: capacities, numbers, JSON
// strings, playlists of saved files, and lines fitted to a terminal.
#include "cli/Capacity.h"
#include "cli/CliOptions.h"
#include "cli/SampleText.h"
#include "cli/TerminalText.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseCapacity, SizesInTheUnitsPeopleHave)
{
    const uint64_t kKiB = 1024;
    const struct {
        const char* text;
        uint64_t bytes;
    } sizes[] = {
        {"4G", 4000000000},        {"1GiB", kKiB * kKiB * kKiB},
        {"3.7GiB", 3972844748},    {"700M", 700000000},
        {"700mb", 700000000},      {"1.5k", 1500},
        {"1gB", 1000000000},       {"2kb", 2000},
        {"2TB", 2000000000000},    {"0.5mib", kKiB * kKiB / 2},
        {"1.000001T", 1000001000000}, {"4294967295k", 4294967295000},
        {"4294967.295999M", 4294967295999}, {"1KiB", kKiB},
    };
    for (const auto& size : sizes) {
        Capacity capacity;
        std::string problem;
        EXPECT_TRUE(ParseCapacity(size.text, capacity, problem)) << size.text << ": " << problem;
        EXPECT_EQ(size.bytes, capacity.bytes) << size.text;
        EXPECT_FALSE(capacity.free) << size.text;
    }
    Capacity free;
    std::string problem;
    EXPECT_TRUE(ParseCapacity("Free", free, problem));
    EXPECT_TRUE(free.free);
    EXPECT_EQ(4294967295u, CapacityKB(4294967295999));
    EXPECT_EQ(4294967295u, CapacityKB(UINT64_MAX));
}

TEST(ParseCapacity, AnythingElseIsRefusedWithTheReason)
{
    const std::string noSize = "\" is no size: give a number with K, M, G, T, KiB, MiB, GiB or "
                               "TiB (for example 4G or 3.7GiB), or free";
    const std::string tooLarge = "\" is more than the 4294967295 KB a sample can count";
    const struct {
        const char* text;
        std::string problem;
    } cases[] = {
        {"4000", "\"4000" + noSize},
        {"-1G", "\"-1G" + noSize},
        {"4.G", "\"4.G" + noSize},
        {".5G", "\".5G" + noSize},
        {"4 G", "\"4 G" + noSize},
        {"4Gb2", "\"4Gb2" + noSize},
        {"", "\"" + noSize},
        {"3.1234567G", "\"3.1234567G\": at most six decimals"},
        {"4295G", "\"4295G" + tooLarge},
        {"4294967296k", "\"4294967296k" + tooLarge},
        {"4294967.296M", "\"4294967.296M" + tooLarge},
        {"99999999999999999999999k", "\"99999999999999999999999k" + tooLarge},
    };
    for (const auto& c : cases) {
        Capacity capacity;
        std::string problem;
        EXPECT_FALSE(ParseCapacity(c.text, capacity, problem)) << c.text;
        EXPECT_EQ(c.problem, problem);
    }
}

// Parses `args` as the program's command line; the error, or "" when it runs.
std::string ParseError(std::vector<std::string> args, CliOptions& options)
{
    args.insert(args.begin(), "tarrowby-cli");
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(&arg[0]);
    std::string error;
    const ParseOutcome outcome =
        ParseCommandLine(static_cast<int>(argv.size()), argv.data(), options, error);
    EXPECT_EQ(error.empty(), outcome == ParseOutcome::kRun) << error;
    return error;
}

TEST(ParseCommandLine, NumbersAreDecimalDigitsWithinTheirRange)
{
    const std::string kb = "--max-kb: takes a whole number from 1 to 4294967295, not ";
    const struct {
        std::vector<std::string> args;
        std::string error;  // contained in the message
    } refused[] = {
        {{"--max-kb", "12abc"}, kb + "\"12abc\""},
        {{"--max-kb", ""}, kb + "\"\""},
        {{"--max-kb", "+5"}, kb + "\"+5\""},
        {{"--max-kb", " 5"}, kb + "\" 5\""},
        {{"--max-kb", "0"}, kb + "\"0\""},
        {{"--max-kb", "4294967296"}, kb + "\"4294967296\""},
        {{"--max-kb", "000000020004000000"}, kb + "\"000000020004000000\""},
        {{"--seed", "-1"}, "--seed: takes a whole number from 0 to 4294967295, not \"-1\""},
        {{"--modified-days", "2147483648"},
         "--modified-days: takes a whole number from 0 to 2147483647"},
        {{"--fresh", "-1"}, "--fresh"},
        {{"--bogus"}, "--bogus"},
        {{"--json", "-0"}, "excludes"},
    };
    for (const auto& c : refused) {
        CliOptions options;
        EXPECT_NE(std::string::npos, ParseError(c.args, options).find(c.error)) << c.error;
    }

    CliOptions options;
    ASSERT_EQ("", ParseError({"--max-kb", "4294967295", "--min-file-kb", "02500", "--seed", "0",
                              "--accessed-days", "2147483647", "--max-file-kb", "0"},
                             options));
    EXPECT_EQ(4294967295u, options.maxKB.value_or(0));
    EXPECT_EQ(2500u, options.minFileKB.value_or(0));
    EXPECT_EQ(0u, options.seed.value_or(1));
    EXPECT_EQ(2147483647, options.accessedDays.value_or(0));
    EXPECT_EQ(0u, options.maxFileKB.value_or(1));
}

TEST(ParseCommandLine, TheLastOfARepeatedOptionOrOfAPairCounts)
{
    CliOptions options;
    ASSERT_EQ("", ParseError({"a", "--ext", "wav", "--ext", "mp3", "--resample", "--no-resample",
                              "--no-top-up", "--top-up", "--avoid", "x.m3u", "b", "--avoid",
                              "y", "--copy-to", "--links-to", "L"},
                             options));
    EXPECT_EQ("mp3", options.extensions.value_or(""));
    EXPECT_EQ(false, options.resample.value_or(true));
    EXPECT_EQ(true, options.topUp.value_or(false));
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), options.sources);
    EXPECT_EQ((std::vector<std::string>{"x.m3u", "y"}), options.avoid);
    EXPECT_EQ("", options.copyTo.value_or("unset"));
    EXPECT_EQ("L", options.linksTo.value_or(""));

    CliOptions other;
    ASSERT_EQ("", ParseError({"a", "--no-resample", "--resample", "--top-up", "--no-top-up"}, other));
    EXPECT_EQ(true, other.resample.value_or(false));
    EXPECT_EQ(false, other.topUp.value_or(true));
    EXPECT_FALSE(other.copyTo.has_value());
}

TEST(JsonString, EveryNameGivesAJsonStringThatNamesItExactly)
{
    const struct {
        std::string text, json;
    } cases[] = {
        {"a.mp3", "\"a.mp3\""},
        {"q\"uo\\te", "\"q\\\"uo\\\\te\""},
        {"tab\tnew\nline", "\"tab\\u0009new\\u000aline\""},
        {"del\x7F", "\"del\\u007f\""},
        {"caf\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x8E\xB5", "\"caf\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x8E\xB5\""},
        {"caf\xE9", "\"caf\\udce9\""},
        {"\xFF\xC3", "\"\\udcff\\udcc3\""},
        {"\xC3\xA9\xA9", "\"\xC3\xA9\\udca9\""},
        {"", "\"\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.json, JsonString(c.text)) << c.text;
}

TEST(SavedFilesPlaylist, ListsFilesBelowItsFolderRelativelyAndTheRestWhole)
{
    const std::string end = platform::kTextLineEnd;
    const struct {
        std::vector<std::string> paths;
        std::string folder, text;
    } cases[] = {
        {{}, "/card/", "#EXTM3U" + end},
        {{"/card/a.mp3", "/card/sub/b.mp3", "/else/c.mp3", "/cards/d.mp3"}, "/card/",
         "#EXTM3U" + end + "a.mp3" + end + "sub/b.mp3" + end + "/else/c.mp3" + end +
             "/cards/d.mp3" + end},
        {{"/card/a.mp3"}, "", "#EXTM3U" + end + "/card/a.mp3" + end},
        {{"/card/"}, "/card/", "#EXTM3U" + end + "/card/" + end},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, SavedFilesPlaylist(c.paths, c.folder)) << c.folder;

    // A line that would read back otherwise is a "file:" URI of the whole path.
    for (const std::string name : {"#tag.mp3", " lead.mp3", "end.mp3 ", "new\nline.mp3",
                                   "caf\xE9.mp3"}) {
        const std::string line = SavedFileLine("/card/" + name, "/card/");
        EXPECT_EQ(0u, line.find("file:")) << line;
        EXPECT_EQ(line.size() - end.size(), line.find_first_of("\r\n")) << line;
    }
}

TEST(FitLine, ALongPathLosesItsStartBetweenCharacters)
{
    const std::string wide = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";  // three, two columns each
    const struct {
        std::string head, path, tail;
        std::size_t width;
        std::string line;
    } cases[] = {
        {"Reading ", "/a/b", " 3", 14, "Reading /a/b 3"},
        {"Reading ", "/a/bc", " 3", 14, "Reading ...c 3"},
        {"R ", "/abcdefghij", "", 8, "R ...hij"},
        {"", wide, "", 6, wide},
        {"", wide, "", 5, "...\xE8\xAA\x9E"},
        {"", wide, "", 4, "..."},
        {"", "a\nb\x1B" "c\xFF", "", 10, "a?b?c?"},
        {"", "a\xC2\x85" "b", "", 10, "a?b"},
        {"Reading ", "/x/y", "", 5, "Readi"},
    };
    for (const auto& c : cases) {
        const std::string line = FitLine(c.head, c.path, c.tail, c.width);
        EXPECT_EQ(c.line, line) << c.width;
        EXPECT_GE(c.width, LineColumns(line)) << line;
    }
    EXPECT_EQ(9u, LineColumns("ab" + wide + "\xC3\xA9"));
}

}  // namespace
