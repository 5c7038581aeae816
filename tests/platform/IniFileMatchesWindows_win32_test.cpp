// The engine must read what the Windows private profile functions read, and a
// write must leave a file that both read the same way.
#include "platform/IniFile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Query {
    const char* section;
    const char* key;
};

const std::vector<Query> kQueries = {
    {"General", "Start"}, {"general", "START"}, {"General", "Ext"},   {"Other", "Start"},
    {"General", "A"},     {"General", "B"},     {"General", "C"},     {"General", "D"},
    {"General", "E"},     {"General", "F"},     {"General", "G"},     {"General", "H"},
    {"General", "I"},     {"General", "J"},     {"General", "K"},     {"General", "L"},
    {"General", "M"},     {"Missing", "A"},     {"General", "Caption"}, {" General\t", "Start "},
    {"New", "Key"},
};

const std::vector<std::string> kFiles = {
    "  [ general ]  \r\n\t START \t=  C:\\My Music , D:\\x  \r\nEXT=mp3\r\n",
    "[General]\nA=\"two words\"\nB='single'\nC=\"mixed'\nD=\"\nE=\"\"\nF= \" padded \" \nG=\" 7\"\n",
    "Start=outside\r\n[Other]\r\nStart=other\r\n[General]\r\nStart=first\r\nstart=second\r\n"
    "[general]\r\nStart=third\r\nA=1\r\n",
    "[General]\rA=1\rB=2\rC=3",
    "[General]\nA=1\nB=2\nC=3",
    "[General]\r\nA=1\n\rB=2\r\rC=3\r\n",
    "\xEF\xBB\xBF[General]\r\nA=1\r\n",
    "[General]\r\n;Start=commented\r\nno equals sign\r\n[broken\r\nStart=real\r\n",
    "[General]\r\nA=-5\r\nB=12abc\r\nC=abc\r\nD=0x1A\r\nE=0X1A\r\nF=0o17\r\nG=0b101\r\nH=\r\n"
    "I=\" 7\"\r\nJ=4294967296\r\nK=+5\r\nL=999999999999999999999999999991\r\nM=-\r\n",
    "[General]\r\nA=" + std::string(5000, 'x') + "\r\n",
};

std::string WindowsString(const std::string& path, const Query& q)
{
    std::vector<char> buffer(4096, '\0');
    GetPrivateProfileStringA(q.section, q.key, "fallback", buffer.data(),
                             static_cast<DWORD>(buffer.size()), path.c_str());
    return buffer.data();
}

int WindowsInt(const std::string& path, const Query& q)
{
    return static_cast<int>(GetPrivateProfileIntA(q.section, q.key, 77, path.c_str()));
}

}  // namespace

TEST(IniFileMatchesWindows, ReadsTheSameValues)
{
    fixtures::TempFolder folder;
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        // A new name for each text: Windows caches the files it has read.
        const std::string ini = folder.Join("read" + std::to_string(i) + ".ini");
        fixtures::WriteBytes(ini, kFiles[i]);
        for (const Query& q : kQueries) {
            SCOPED_TRACE("file " + std::to_string(i) + ", [" + q.section + "] " + q.key);
            EXPECT_EQ(WindowsString(ini, q),
                      platform::IniReadString(ini, q.section, q.key, "fallback"));
            EXPECT_EQ(WindowsInt(ini, q), platform::IniReadInt(ini, q.section, q.key, 77));
        }
    }
}

TEST(IniFileMatchesWindows, WrittenFilesReadTheSame)
{
    fixtures::TempFolder folder;
    const std::vector<std::vector<Query>> writes = {
        {{"General", "Start"}, {"General", "A"}},
        {{"general", "ext"}, {"General", "M"}, {"Other", "Start"}},
        {{"Missing", "A"}, {"General", "Caption"}},
        {{"General ", " start"}, {" New ", "Key "}},
    };
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        for (std::size_t w = 0; w < writes.size(); ++w) {
            const std::string name = std::to_string(i) + "-" + std::to_string(w);
            const std::string byWindows = folder.Join("windows" + name + ".ini");
            const std::string byEngine = folder.Join("engine" + name + ".ini");
            fixtures::WriteBytes(byWindows, kFiles[i]);
            fixtures::WriteBytes(byEngine, kFiles[i]);
            for (const Query& q : writes[w]) {
                const std::string value = std::string("new ") + q.key;
                ASSERT_TRUE(WritePrivateProfileStringA(q.section, q.key, value.c_str(),
                                                       byWindows.c_str()));
                ASSERT_TRUE(platform::IniWriteString(byEngine, q.section, q.key, value));
            }
            WritePrivateProfileStringA(NULL, NULL, NULL, byWindows.c_str());
            for (const Query& q : kQueries) {
                SCOPED_TRACE("file " + name + ", [" + q.section + "] " + q.key);
                EXPECT_EQ(WindowsString(byWindows, q), WindowsString(byEngine, q));
                EXPECT_EQ(WindowsString(byWindows, q),
                          platform::IniReadString(byEngine, q.section, q.key, "fallback"));
            }
        }
    }
}

TEST(IniFileMatchesWindows, ARewrittenKeyKeepsItsSpellingFromTheFile)
{
    fixtures::TempFolder folder;
    const std::string text = "[General]\r\nstart=a\r\n";
    const std::string ini = folder.Join("spelling.ini");
    fixtures::WriteBytes(ini, text);
    ASSERT_TRUE(WritePrivateProfileStringA("General", "Start", "z", ini.c_str()));
    WritePrivateProfileStringA(NULL, NULL, NULL, ini.c_str());
    std::ifstream written(ini, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}),
              platform::WithIniValue(text, "General", "Start", "z"));
}
