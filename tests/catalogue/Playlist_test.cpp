#include "catalogue/FileList.h"
#include "catalogue/Playlist.h"
#include "platform/Paths.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using fixtures::CreateSizedFile;
using fixtures::JoinPath;
using fixtures::MakeFolder;
using fixtures::TempFolder;

// The paths a playlist of the given bytes offers, read from a real file.
std::vector<std::string> Offered(const std::string& bytes, const std::string& base,
                                 PlaylistText kind = PlaylistText::kMixed)
{
    TempFolder temp;
    const std::string path = temp.Join("list.m3u");
    EXPECT_TRUE(fixtures::WriteBytes(path, bytes));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_NE(nullptr, file);
    std::vector<std::string> offered;
    if (file) {
        ReadPlaylistPaths(file, base, kind, [&](const std::string& entry) {
            offered.push_back(entry);
            return PathOffer::kNamedAFile;
        });
        std::fclose(file);
    }
    return offered;
}

using Paths = std::vector<std::string>;

TEST(ReadPlaylistPaths, RelativeLinesJoinTheBaseAndAbsoluteOnesStand)
{
    const std::string lines =
        "a.mp3\n/music/b.mp3\nC:\\x\\c.mp3\n\\\\server\\share\\d.mp3\nsub/e.mp3\nx:\n#EXTM3U\n";
#ifdef _WIN32
    EXPECT_EQ((Paths{"D:\\lists\\a.mp3", "\\music\\b.mp3", "C:\\x\\c.mp3",
                     "\\\\server\\share\\d.mp3", "D:\\lists\\sub\\e.mp3", "x:", "D:\\lists\\#EXTM3U"}),
              Offered(lines, "D:\\lists\\"));
#else
    // "/" alone separates and begins an absolute path; a "\" is part of a name.
    EXPECT_EQ((Paths{"/lists/a.mp3", "/music/b.mp3", "/lists/C:\\x\\c.mp3",
                     "/lists/\\\\server\\share\\d.mp3", "/lists/sub/e.mp3", "/lists/x:",
                     "/lists/#EXTM3U"}),
              Offered(lines, "/lists/"));
#endif
    EXPECT_EQ((Paths{"a.mp3"}), Offered("a.mp3\n", ""));
}

TEST(ReadPlaylistPaths, LinesTextKindsAndUrls)
{
    const PlaylistText kUtf8 = PlaylistText::kUtf8, kMixed = PlaylistText::kMixed;
    const std::string a258(258, 'a'), nichi = "\xE6\x97\xA5", hon = "\xE6\x9C\xAC";
    const std::string note = "\xF0\x9F\x8E\xB5", hoer = "h\xC3\xB6r.mp3";
    std::string escaped;
    for (int i = 0; i < 100; ++i)
        escaped += "%E6%97%A5";
    std::string nichi100;
    for (int i = 0; i < 100; ++i)
        nichi100 += nichi;
    const std::string longBase = std::string(245, 'd') + platform::kPathSeparator;
    const std::string absolute = platform::kPathSeparator + std::string("absolute.mp3");
    struct Case {
        const char* what;
        PlaylistText kind;
        std::string bytes;
        Paths offered;
        std::string base = "B\\";
    } const cases[] = {
        {"only spaces and line feeds trimmed", kMixed,
         "   lead.mp3   \n\ttab.mp3\t\nc\rr.mp3\r\r\nin side.mp3",
         {"B\\lead.mp3", "B\\\ttab.mp3\t", "B\\c\rr.mp3\r", "B\\in side.mp3"}},
        {"blank lines skipped, CR LF one line feed", kMixed,
         "one.mp3\r\n\r\n    \r\n\ntwo.mp3\r\n   three.mp3   \r\n",
         {"B\\one.mp3", "B\\two.mp3", "B\\three.mp3"}},
        {"spaces without a line break stop the reading", kMixed, "one.mp3\n     ", {"B\\one.mp3"}},
        // The first 259 characters are all spaces: nothing is left of that read.
        {"259 spaces", kMixed, std::string(300, ' ') + "\nlater.mp3\n", {}},
        // A NUL byte ends the line's text like the end of a string.
        {"a NUL", kMixed, std::string("one.mp3\n\0two.mp3\nthree.mp3\n", 27), {"B\\one.mp3"}},
        // Long lines are read in pieces of 259 characters; a CR LF right after a
        // full piece is a line of its own, and blank.
        {"long line", kMixed, std::string(259, 'a') + std::string(41, 'b') + "\nnext.mp3\n",
         {std::string(259, 'a'), std::string(41, 'b'), "next.mp3"}, ""},
        {"CR LF after a full piece", kMixed, std::string(259, 'c') + "\r\nnext.mp3\r\n",
         {std::string(259, 'c'), "next.mp3"}, ""},
        {"path longer than the limit", kMixed, "short.mp3\nmuch-too-long.mp3\n" + absolute + "\n",
         {longBase + "short.mp3", absolute}, longBase},
        {"byte order mark", kUtf8, "\xEF\xBB\xBFone.mp3\ntwo.mp3\n", {"B\\one.mp3", "B\\two.mp3"}},
        {"byte order mark in .m3u", kMixed, "\xEF\xBB\xBF" + hoer + "\n", {"B\\" + hoer}},
        {"UTF-8 and legacy lines", kMixed, hoer + "\nh\xF6r.mp3\n" + nichi + ".mp3\n",
         {"B\\" + hoer, "B\\" + hoer, "B\\" + nichi + ".mp3"}},
        {".m3u8 is UTF-8 only", kUtf8, "h\xF6r.mp3\n", {"B\\h\xF6r.mp3"}},
        {"lower-case escapes", kUtf8, "file://localhost/%c3%a9%2a.mp3\n",
         {platform::SystemSeparators("/\xC3\xA9*.mp3")}},
#ifdef _WIN32
        {"file URIs", kMixed,
         "file:///C:/Music/a%20b.mp3\nFILE://server/share/x.mp3\nfile://localhost/D:/y.mp3\n"
         "file:///C|/%C3%A9.mp3\nfile:///C:/%E9.mp3\n",
         {"C:\\Music\\a b.mp3", "\\\\server\\share\\x.mp3", "D:\\y.mp3", "C:\\\xC3\xA9.mp3",
          "C:\\\xC3\xA9.mp3"}},
        {"other URLs and a NUL", kMixed, "http://host/a.mp3\nHTTPS://h/b.mp3\nfile:///C:/a%00b.mp3\nc:d\n",
         {"c:d"}},
        {"a long URI is one line", kMixed, "file:///C:/" + escaped + ".mp3\n", {"C:\\" + nichi100 + ".mp3"}},
#else
        // A name is bytes here, which a URI's escapes spell exactly.
        {"file URIs", kMixed,
         "file:///music/a%20b.mp3\nFILE://localhost/srv/y.mp3\nfile:///%C3%A9.mp3\nfile:///%E9.mp3\n",
         {"/music/a b.mp3", "/srv/y.mp3", "/\xC3\xA9.mp3", "/\xE9.mp3"}},
        // "c:" names no drive here.
        {"other URLs and a NUL", kMixed, "http://host/a.mp3\nHTTPS://h/b.mp3\nfile:///a%00b.mp3\nc:d\n",
         {"B\\c:d"}},
        {"a long URI is one line", kMixed, "file:///" + escaped + ".mp3\n", {"/" + nichi100 + ".mp3"}},
#endif
        // However long, a URI line is one line: its path is taken or left out whole.
        {"a URI too long for a path", kMixed, "file:" + std::string(2400, 'a') + "\nnext.mp3\n",
         {"B\\next.mp3"}},
        {"a URI line of 65,536 bytes", kMixed, "file:x.mp3" + std::string(65526, ' ') + "\nnext.mp3\n",
         {"B\\x.mp3", "B\\next.mp3"}},
        {"a URI line past 65,536 bytes", kMixed, "file:x.mp3" + std::string(65527, ' ') + "\nnext.mp3\n",
         {"B\\next.mp3"}},
        {"a URI with long trailing blanks", kMixed,
         "\xEF\xBB\xBF" "file:x.mp3" + std::string(3000, ' ') + "\nnext.mp3\n", {"B\\x.mp3", "B\\next.mp3"}},
        {"cut between characters", kUtf8, a258 + nichi + hon + "\n" + a258 + note + "x\n",
         {"B\\" + hon, "B\\" + note + "x"}},  // the first pieces, with the base, are too long
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.offered, Offered(c.bytes, c.base, c.kind)) << c.what;
    EXPECT_EQ(kUtf8, PlaylistTextOf("D:\\lists\\mix.M3U8"));
    EXPECT_EQ(kMixed, PlaylistTextOf("D:\\lists.m3u8\\mix.m3u"));
}

TEST(AddPlaylist, AdmitsTheFilesItNames)
{
    TempFolder temp;
    const std::string lists = temp.Join("lists");
    const std::string music = temp.Join("music");
    ASSERT_TRUE(MakeFolder(lists));
    ASSERT_TRUE(MakeFolder(music));
    ASSERT_TRUE(CreateSizedFile(JoinPath(lists, "near.mp3"), 2000000));
    ASSERT_TRUE(CreateSizedFile(JoinPath(music, "far.mp3"), 3000000));
    ASSERT_TRUE(CreateSizedFile(JoinPath(music, "small.mp3"), 1000));
    std::string absolute = JoinPath(music, "far.mp3");
    std::replace(absolute.begin(), absolute.end(), '\\', '/');
    const std::string playlist = JoinPath(lists, "mix.m3u");
    ASSERT_TRUE(fixtures::WriteBytes(
        playlist, "#EXTM3U\r\n#EXTINF:1,x\r\nnear.mp3\r\n" + absolute +
                      "\r\n../music/small.mp3\r\nmissing.mp3\r\n\r\n../music/far.mp3"));

    CFileList list(50, 50);
    list.AddPlaylist(playlist);
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ("near.mp3", list.GetName(0));
    EXPECT_EQ(lists, list.GetFolder(0));
    EXPECT_EQ("far.mp3", list.GetName(1));
    EXPECT_EQ(JoinPath(JoinPath(lists, ".."), "music"), list.GetFolder(2));
    EXPECT_EQ(2001u + 3001u + 3001u, list.GetTotalKB());

    list.AddPlaylist(JoinPath(lists, "missing.m3u"));
    list.AddPlaylist(lists);
    EXPECT_EQ(3, list.GetCount());
}

}  // namespace

namespace {

// A "file:" URI as players write it: forward slashes, bytes outside ASCII escaped.
std::string FileUri(const std::string& path)
{
    std::string uri = path[0] == '\\' ? "file://" : "file:///";
    for (const char c : path) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || byte == ' ' || byte == '%') {
            const char digits[] = "0123456789ABCDEF";
            uri += {'%', digits[byte >> 4], digits[byte & 15]};
        } else {
            uri += c == '\\' ? '/' : c;
        }
    }
    return uri;
}

}  // namespace

TEST(AddPlaylist, AdmitsNamesOfAnyScriptFromEveryKindOfLine)
{
    TempFolder temp;
    const std::string nichi = "\xE6\x97\xA5\xE6\x9C\xAC.mp3", cafe = "Caf\xC3\xA9.mp3",
                      primer = "\xD0\x9F\xD1\x80\xD0\xB8 \xD0\xBC\xD0\xB5\xD1\x80.mp3";
    for (const std::string& name : {nichi, cafe, primer})
        ASSERT_TRUE(CreateSizedFile(temp.Join(name), 2000000));
    const std::string playlist = temp.Join("mix.m3u");
    ASSERT_TRUE(fixtures::WriteBytes(playlist, "\xEF\xBB\xBF" + nichi + "\r\nCaf\xE9.mp3\r\n" +
                                                   FileUri(temp.Join(primer)) +
                                                   "\r\nhttp://example.com/x.mp3\r\n"));
    CFileList list(50, 50);
    list.AddPlaylist(playlist);
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(nichi, list.GetName(0));
    EXPECT_EQ(cafe, list.GetName(1));
    EXPECT_EQ(primer, list.GetName(2));
}
