// The command line's readers and writers of text: capacities, JSON strings,
// samples, playlists of saved files, and lines fitted to a terminal.
#include "cli/Capacity.h"
#include "cli/SampleText.h"
#include "cli/TerminalText.h"
#include "platform/Paths.h"
#include "platform/TerminalColumns.h"

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
        EXPECT_FALSE(capacity.isFreeSpace) << size.text;
    }
    Capacity free;
    std::string problem;
    EXPECT_TRUE(ParseCapacity("Free", free, problem));
    EXPECT_TRUE(free.isFreeSpace);
    EXPECT_EQ(4294967295u, CapacityKB(4294967295999));
    EXPECT_EQ(4294967295u, CapacityKB(UINT64_MAX));
    // A thousandth, and at least sixteen allocation units, stay free.
    EXPECT_EQ(7992000000u, FillableBytes(8000000000, 4096));
    EXPECT_EQ(1000000u - 16 * 4096, FillableBytes(1000000, 4096));
    EXPECT_EQ(0u, FillableBytes(65536, 4096));
}

TEST(ParseCapacity, AnythingElseIsRefusedWithTheReason)
{
    const std::string noSize = "\" is no size: give a number with K, M, G, T, KiB, MiB, GiB or "
                               "TiB (for example 4G or 3.7GiB), or free";
    const std::string outside = "\" is outside the 1 to 4294967295 KB a sample can count";
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
        {"99999999999999999999", "\"99999999999999999999" + noSize},
        {"3.1234567G", "\"3.1234567G\": at most six decimals"},
        {"4294967295.999999999K", "\"4294967295.999999999K\": at most six decimals"},
        {"4295G", "\"4295G" + outside},
        {"4294967296k", "\"4294967296k" + outside},
        {"4294967.296M", "\"4294967.296M" + outside},
        {"99999999999999999999999k", "\"99999999999999999999999k" + outside},
        {"0.999k", "\"0.999k" + outside},
        {"0K", "\"0K" + outside},
    };
    for (const auto& c : cases) {
        Capacity capacity;
        std::string problem;
        EXPECT_FALSE(ParseCapacity(c.text, capacity, problem)) << c.text;
        EXPECT_EQ(c.problem, problem);
    }
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

TEST(SampleText, LinesAndOneJsonObjectWithEachFileAndTheSampleCounts)
{
    CFileList sample(4, 4);
    sample.SetMinKB(0);
    sample.SetMaxKB(UINT32_MAX);
    EXPECT_EQ("{\"files\": [],\n \"count\": 0,\n \"total_kb\": 0,\n \"max_kb\": 5,\n"
              " \"view\": \"external\",\n \"seed\": 0}\n",
              SampleJson(sample, NameOrder(sample), 5, true, 0));
    sample.AddEntry("/m", "b.mp3", 20);
    sample.AddEntry("/m/s", "A.mp3", 3);
    EXPECT_EQ("{\"files\": [\n  {\"name\": \"A.mp3\", \"folder\": \"/m/s\", \"path\": " +
                  JsonString(platform::JoinPath("/m/s", "A.mp3")) +
                  ", \"kb\": 3},\n  {\"name\": \"b.mp3\", \"folder\": \"/m\", \"path\": " +
                  JsonString(platform::JoinPath("/m", "b.mp3")) +
                  ", \"kb\": 20}\n],\n \"count\": 2,\n \"total_kb\": 23,\n \"max_kb\": 99,\n"
                  " \"view\": \"internal\",\n \"seed\": 7}\n",
              SampleJson(sample, NameOrder(sample), 99, false, 7));
    // KB, a tab and the full path, by name whatever the case.
    EXPECT_EQ("3\t" + platform::JoinPath("/m/s", "A.mp3") + "\n20\t" +
                  platform::JoinPath("/m", "b.mp3") + "\n",
              SampleLines(sample, NameOrder(sample), '\n'));
}

// Lines fitted to a terminal, measured as it counts columns.
const std::string kWide = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";  // three, two columns each
const std::string kRocket = "\xF0\x9F\x9A\x80";  // U+1F680, an emoji two columns wide

std::string Repeated(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

TEST(FitLine, ALongPathLosesItsStartBetweenCharacters)
{
    const struct {
        std::string head, path, tail;
        std::size_t width;
        std::string line;
    } cases[] = {
        {"Reading ", "/a/b", " 3", 14, "Reading /a/b 3"},
        {"Reading ", "/a/bc", " 3", 14, "Reading ...c 3"},
        {"R ", "/abcdefghij", "", 8, "R ...hij"},
        {"", kWide, "", 6, kWide},
        {"", kWide, "", 5, "...\xE8\xAA\x9E"},
        {"", kWide, "", 4, "..."},
        {"", "a\nb\x1B" "c\xFF", "", 10, "a?b?c?"},
        {"", "a\xC2\x85" "b", "", 10, "a?b"},
        {"", "a\xC2\xA0" "b", "", 10, "a\xC2\xA0" "b"},  // a no-break space is printable
        {"Reading ", "/x/y", "", 5, "Readi"},
        // 3 columns of "..." and eight rockets make 19; a ninth would make 21.
        {"", Repeated(kRocket, 30), "", 20, "..." + Repeated(kRocket, 8)},
        {"Reading \xFF ", Repeated(kRocket, 30), "  12 files", 79,
         "Reading \xFF ..." + Repeated(kRocket, 28) + "  12 files"},
    };
    for (const auto& c : cases) {
        const std::string line = FitLine(c.head, c.path, c.tail, c.width);
        EXPECT_EQ(c.line, line) << c.width;
        EXPECT_GE(c.width, LineColumns(line)) << line;
    }
    if (platform::TerminalColumns(0x301) == 0) {
        // A joining accent stays with its letter when the start is cut off.
        EXPECT_EQ("...e\xCC\x81", FitLine("", Repeated("e\xCC\x81", 9), "", 4));
    }
}

TEST(LineColumns, ColumnsAsTheTerminalCountsThem)
{
    const struct {
        std::string text;
        std::size_t columns;
    } rows[] = {
        {"abc", 3},
        {"ab" + kWide + "\xC3\xA9", 9},
        {"\xE2\x9A\xA1\xE2\x9C\x85", 4},  // U+26A1 and U+2705, emoji among symbols
        {kRocket, 2},
        // Bytes that begin no character take a column each, and are stepped over.
        {"\xFF\xFE", 2},
        {"a\xE6\x97", 3},
        {"\x80" + kRocket, 3},
        {"Reading \xFF ..." + Repeated(kRocket, 28) + "  12 files", 79},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.columns, LineColumns(row.text)) << row.text;
    for (const char32_t wide : {0x1100, 0x115F, 0x26A1, 0x2705, 0x3000, 0xFF01, 0x1F680, 0x1F9FF,
                                0x20000, 0x3134A}) {
        EXPECT_TRUE(platform::IsWideCharacter(wide)) << std::hex << wide;
        EXPECT_EQ(2, platform::TerminalColumns(wide)) << std::hex << wide;
    }
    for (const char32_t narrow : {0x41, 0xE9, 0x10FF, 0x303F, 0x26A0, 0x2704, 0x1F6C6, 0x3134B,
                                  0x10FFFF}) {
        EXPECT_FALSE(platform::IsWideCharacter(narrow)) << std::hex << narrow;
        EXPECT_EQ(1, platform::TerminalColumns(narrow)) << std::hex << narrow;
    }
}

}  // namespace
