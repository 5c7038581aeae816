// The Windows console build, run from a test under Wine: shortcuts followed
// while reading, copies and shortcuts written.
#include "RunProgram.h"
#include "shell/Shortcuts.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

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
                                   "--links-to", dest, "--quiet"});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("2001\t" + JoinPath(music, "a.mp3") + "\r\n3001\t" + JoinPath(elsewhere, "far.mp3") +
                  "\r\n",
              run.out);
    EXPECT_EQ("2 files, 5002 KB for internal mem\r\n", run.err);
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

}  // namespace
