// The Windows console build, run from a test under Wine: shortcuts followed
// while reading, copies and shortcuts written.
#include "RunProgram.h"
#include "shell/Shortcuts.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {

using fixtures::CreateSizedFile;
using fixtures::JoinPath;
using fixtures::MakeFolder;

uint64_t SizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

TEST(CliOnWindows, CopiesAndShortcutsWithAShortcutFollowedWhileReading)
{
    InitShortcuts(true);
    fixtures::TempFolder temp;
    const std::string music = temp.Join("music"), elsewhere = temp.Join("elsewhere");
    const std::string dest = temp.Join("dest");
    for (const std::string& folder : {music, elsewhere, dest})
        ASSERT_TRUE(MakeFolder(folder));
    ASSERT_TRUE(CreateSizedFile(JoinPath(music, "a.mp3"), 2000000));
    ASSERT_TRUE(CreateSizedFile(JoinPath(elsewhere, "far.mp3"), 3000000));
    ASSERT_TRUE(CreateShortcut(JoinPath(music, "far.lnk"), "far.mp3", JoinPath(elsewhere, "far.mp3")));

    const ProgramRun run = RunCli({music, "--resample", "--max-kb", "999999", "--copy-to", dest,
                                   "--links-to", dest, "--quiet", "--seed", "5"});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("2001\t" + JoinPath(music, "a.mp3") + "\r\n3001\t" + JoinPath(elsewhere, "far.mp3") +
                  "\r\n",
              run.out);
    EXPECT_EQ("2 files, 5002 KB for internal mem, seed 5\r\n", run.err);
    EXPECT_EQ(2000000u, SizeOf(JoinPath(dest, "a.mp3")));
    EXPECT_EQ(3000000u, SizeOf(JoinPath(dest, "far.mp3")));
    std::string target;
    ASSERT_TRUE(ResolveShortcut(JoinPath(dest, "far.lnk"), target));
    EXPECT_TRUE(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, target.c_str(), -1,
                               JoinPath(elsewhere, "far.mp3").c_str(), -1) == CSTR_EQUAL)
        << target;
    ASSERT_TRUE(ResolveShortcut(JoinPath(dest, "a.lnk"), target));
    InitShortcuts(false);
}

TEST(CliOnWindows, StandardInputAndSingleFilesGiveAUtf8PlaylistWithTheSystemsLineEnds)
{
    fixtures::TempFolder temp;
    const std::string music = temp.Join("music"), cafe = JoinPath(music, "caf\xC3\xA9.mp3");
    ASSERT_TRUE(MakeFolder(music));
    ASSERT_TRUE(CreateSizedFile(JoinPath(music, "a.mp3"), 2000000));
    ASSERT_TRUE(CreateSizedFile(cafe, 3000000));
    const std::string m3u = temp.Join("out.m3u");
    // Relative lines of standard input start from the current folder.
    const ProgramRun run = RunCli({"-", cafe, "--m3u", m3u, "--resample", "--max-kb", "999999",
                                   "--seed", "1"},
                                  "music\\a.mp3\r\nmissing.mp3\r\n", temp.Path());
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("standard input: 1 line names no file\r\n2 files, 5002 KB for internal mem, seed 1\r\n",
              run.err);
    std::ifstream written(m3u, std::ios::binary);
    const std::string playlist((std::istreambuf_iterator<char>(written)),
                               std::istreambuf_iterator<char>());
    EXPECT_EQ(JoinPath(music, "a.mp3") + "\r\n" + cafe + "\r\n", playlist);
    // A device is no file to write a playlist to.
    const ProgramRun device = RunCli({music, "--m3u", "NUL"});
    EXPECT_EQ(2, device.status);
    EXPECT_NE(std::string::npos, device.err.find(": is not a regular file")) << device.err;
}

}  // namespace
