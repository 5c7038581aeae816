#include "output/ShellRequests_win32.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <iostream>

namespace {

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST(DeleteDestFiles, FilesLeaveTheFolderAndSubfoldersStay)
{
    fixtures::TempFolder folder;
    const std::string sub = folder.Join("sub");
    ASSERT_TRUE(fixtures::WriteBytes(folder.Join("one.mp3"), "1"));
    ASSERT_TRUE(fixtures::WriteBytes(folder.Join("two.txt"), "2"));
    ASSERT_TRUE(fixtures::WriteBytes(folder.Join("three"), "3"));
    ASSERT_TRUE(fixtures::MakeFolder(sub));
    ASSERT_TRUE(fixtures::WriteBytes(fixtures::JoinPath(sub, "four.mp3"), "4"));

    DeleteDestFiles(folder.Path() + "\\");

    EXPECT_FALSE(Exists(folder.Join("one.mp3")));
    EXPECT_FALSE(Exists(folder.Join("two.txt")));
    EXPECT_FALSE(Exists(folder.Join("three")));
    EXPECT_TRUE(Exists(sub));
    // Whether files inside subfolders go too is the shell's own choice.
    std::cout << "file in subfolder "
              << (Exists(fixtures::JoinPath(sub, "four.mp3")) ? "kept" : "deleted") << "\n";
}
