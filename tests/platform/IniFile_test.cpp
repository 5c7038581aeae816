#include "platform/IniFile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using platform::FindIniValue;
using platform::IniIntFromText;
using platform::IniReadInt;
using platform::IniReadString;
using platform::IniWriteString;
using platform::WithIniValue;
using fixtures::WriteBytes;

namespace {

using fixtures::ReadBytes;

std::string Find(const std::string& text, const std::string& section, const std::string& key)
{
    std::string value;
    return FindIniValue(text, section, key, value) ? value : "<missing>";
}

}  // namespace

TEST(IniText, ValuesAreFoundAsTheWindowsProfileReadFindsThem)
{
    const std::string blanks = "  [ general ]  \r\n\t START \t=  C:\\My Music , D:\\x  \r\nEXT=mp3\r\n";
    const std::string quotes =
        "[General]\nA=\"two words\"\nB='single'\nC=\"mixed'\nD=\"\nE=\"\"\nF= \" padded \" \n";
    const std::string twice =
        "Start=outside\r\n[Other]\r\nStart=other\r\n[General]\r\nStart=first\r\nstart=second\r\n"
        "[general]\r\nStart=third\r\nExt=wav\r\n";
    const struct {
        std::string text, section, key, value;
    } rows[] = {
        // Names in any case, blanks around names and values.
        {blanks, "General", "Start", "C:\\My Music , D:\\x"},
        {blanks, "GENERAL", "ext", "mp3"},
        {blanks, "Other", "Ext", "<missing>"},
        {blanks, "General", "Caption", "<missing>"},
        // Outer matching quotes are dropped.
        {quotes, "General", "A", "two words"},
        {quotes, "General", "B", "single"},
        {quotes, "General", "C", "\"mixed'"},
        {quotes, "General", "D", "\""},
        {quotes, "General", "E", ""},
        {quotes, "General", "F", " padded "},
        // The first duplicate wins, and only the first section of a name counts.
        {twice, "General", "Start", "first"},
        {twice, "Other", "Start", "other"},
        {twice, "General", "Ext", "<missing>"},
        // Every kind of line end.
        {"[General]\rA=1\rB=2\rC=3", "General", "B", "2"},
        {"[General]\nA=1\nB=2\nC=3", "General", "B", "2"},
        {"[General]\r\nA=1\n\rB=2\r\rC=3", "General", "C", "3"},
        {"\xEF\xBB\xBF[General]\r\nA=1\r\n", "General", "A", "1"},
        // Comments and odd lines are not keys.
        {"[General]\r\n;Start=commented\r\nno equals sign\r\n[broken\r\nStart=real\r\n", "General",
         "Start", "real"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.value, Find(row.text, row.section, row.key)) << row.text << "|" << row.key;
}

TEST(IniText, AKeyIsRewrittenInPlaceOrAddedToItsSectionAndOtherLinesKeptByteForByte)
{
    const struct {
        std::string text, section, key, value, written;
    } rows[] = {
        {"; kept\n[General]\n  start = old value \nCaption = My Player\rChild=0\n\n[Next]\nX=1",
         "general", "Start", "new",
         "; kept\n[General]\nstart=new\r\nCaption = My Player\rChild=0\n\n[Next]\nX=1"},
        // Only the first of duplicates is the key.
        {"[General]\r\nA=1\r\nA=2\r\n", "General", "A", "9", "[General]\r\nA=9\r\nA=2\r\n"},
        // The caller's names are trimmed as the file's are.
        {"[General]\r\nStart=old\r\n", "General ", " Start", "new", "[General]\r\nStart=new\r\n"},
        {"[General]\r\nStart=old\r\n", "General", "Ext ", "mp3",
         "[General]\r\nStart=old\r\nExt=mp3\r\n"},
        {"", " Other ", "\tX", "1", "[Other]\r\nX=1\r\n"},
        // A new key goes after the last line of its section, not of a later
        // section of the same name.
        {"[General]\r\nA=1\r\n\r\n[Next]\r\nX=1\r\n", "General", "B", "2",
         "[General]\r\nA=1\r\nB=2\r\n\r\n[Next]\r\nX=1\r\n"},
        {"[General]", "General", "B", "2", "[General]\r\nB=2\r\n"},
        {"[General]\nA=1", "General", "B", "", "[General]\nA=1\r\nB=\r\n"},
        {"[General]\r\n[Next]\r\n[General]\r\nA=1\r\n", "General", "A", "2",
         "[General]\r\nA=2\r\n[Next]\r\n[General]\r\nA=1\r\n"},
        // A new section goes at the end.
        {"", "General", "Start", "", "[General]\r\nStart=\r\n"},
        {"[Other]\nX=1", "General", "A", "1", "[Other]\nX=1\r\n[General]\r\nA=1\r\n"},
        {"[Other]\rX=1\r", "General", "A", "1", "[Other]\rX=1\r[General]\r\nA=1\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.written, WithIniValue(row.text, row.section, row.key, row.value)) << row.text;
    EXPECT_EQ("old", Find("[General]\r\nStart=old\r\n", " General\t", "Start "));
}

TEST(IniText, EntriesThatWouldChangeTheFileStructureAreRefused)
{
    EXPECT_TRUE(platform::IsStorableIniEntry("General", "Start", "C:\\a, D:\\b+"));
    EXPECT_TRUE(platform::IsStorableIniEntry("General", "Start", ""));
    EXPECT_FALSE(platform::IsStorableIniEntry("General", "Start", "a\r\n[Other]"));
    EXPECT_FALSE(platform::IsStorableIniEntry("General", "Start", std::string("a\0b", 3)));
    EXPECT_FALSE(platform::IsStorableIniEntry("General", "A=B", "1"));
    EXPECT_FALSE(platform::IsStorableIniEntry("General", ";A", "1"));
    EXPECT_FALSE(platform::IsStorableIniEntry("Gen]eral", "A", "1"));
    EXPECT_FALSE(platform::IsStorableIniEntry("General", " ", "1"));
    EXPECT_FALSE(platform::IsStorableIniEntry("", "A", "1"));
}

TEST(IniInt, ReadsLikeTheWindowsIntegerRead)
{
    const std::pair<const char*, int> rows[] = {
        {"", 7},      {"42", 42},      {"-5", -5},    {"+5", 5},         {"12abc", 12},
        {"abc", 0},   {"-", 0},        {" \t3", 3},   {"0x1A", 26},      {"-0x1a", -26},
        {"0o17", 15}, {"0b101", 5},    {"0X1A", 0},   {"4294967295", -1}, {"4294967296", 0}};
    for (const auto& row : rows)
        EXPECT_EQ(row.second, IniIntFromText(row.first, 7)) << row.first;
}

class IniFileTest : public ::testing::Test {
protected:
    fixtures::TempFolder folder;
    std::string ini = folder.Join("Tarrowby.ini");
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheFallback)
{
    EXPECT_EQ("mp3", IniReadString(ini, "General", "Ext", "mp3"));
    EXPECT_EQ(2, IniReadInt(ini, "General", "Child", 2));
    WriteBytes(ini, "[General]\r\nBestFit=\r\nChild=\"0\"\r\n");
    EXPECT_EQ("Media", IniReadString(ini, "General", "Caption", "Media  "));
    EXPECT_EQ("", IniReadString(ini, "General", "BestFit", "1"));
    EXPECT_EQ(1, IniReadInt(ini, "General", "BestFit", 1));
    EXPECT_EQ(0, IniReadInt(ini, "General", "Child", 2));
    EXPECT_EQ(9, IniReadInt(ini, "Other", "Child", 9));
}

TEST_F(IniFileTest, StringReadsAreCutAt4095Characters)
{
    const std::string longValue(5000, 'x');
    WriteBytes(ini, "[General]\r\nStart=" + longValue + "\r\n");
    EXPECT_EQ(std::string(4095, 'x'), IniReadString(ini, "General", "Start", ""));
    EXPECT_EQ(std::string(4095, 'y'), IniReadString(ini, "General", "None", std::string(4100, 'y')));
}

TEST_F(IniFileTest, WritesCreateTheFileAndReadBack)
{
    EXPECT_TRUE(IniWriteString(ini, "General", "Start", "C:\\Music+"));
    EXPECT_TRUE(IniWriteString(ini, "General", "MaxView1", "-12"));
    EXPECT_TRUE(IniWriteString(ini, "General", "Start", "D:\\Other"));
    EXPECT_EQ("[General]\r\nStart=D:\\Other\r\nMaxView1=-12\r\n", ReadBytes(ini));
    EXPECT_EQ("D:\\Other", IniReadString(ini, "General", "Start", ""));
    EXPECT_EQ(-12, IniReadInt(ini, "general", "maxview1", 0));
    EXPECT_FALSE(std::filesystem::exists(ini + ".new"));
}

TEST_F(IniFileTest, FailedWritesLeaveTheFileAsItWas)
{
    const std::string original = "[General]\nCaption = Mine\nStart=keep\n";
    WriteBytes(ini, original);
    EXPECT_FALSE(IniWriteString(ini, "General", "Start", "a\r\n[Injected]"));

    // A read-only settings file is not replaced, unless this user may write it anyway.
    std::filesystem::permissions(ini, std::filesystem::perms::owner_write |
                                          std::filesystem::perms::group_write |
                                          std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    if (!std::fstream(ini, std::ios::in | std::ios::out).is_open()) {
        EXPECT_FALSE(IniWriteString(ini, "General", "Start", "changed"));
    }
    std::filesystem::permissions(ini, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);

    EXPECT_EQ(original, ReadBytes(ini));
}

TEST_F(IniFileTest, WithoutRoomForATemporaryFileTheFileIsWrittenInPlace)
{
    WriteBytes(ini, "[General]\nStart=keep\n");
    std::filesystem::create_directory(ini + ".new");
    EXPECT_TRUE(IniWriteString(ini, "General", "Start", "changed"));
    EXPECT_EQ("[General]\nStart=changed\r\n", ReadBytes(ini));
    EXPECT_TRUE(std::filesystem::is_directory(ini + ".new"));
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileIsNeitherReadNorReplaced)
{
    std::filesystem::create_directory(ini);
    EXPECT_EQ("d", IniReadString(ini, "General", "Start", "d"));
    EXPECT_FALSE(IniWriteString(ini, "General", "Start", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(ini));
}
