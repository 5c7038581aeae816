#include "platform/IniFile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using fixtures::WriteBytes;

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(fixtures::NativePath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(IniFilePosix, ReadOnlyFolderKeepsTheOldFile)
{
    fixtures::TempFolder folder;
    const std::string ini = fixtures::NativePath(folder.Join("Tarrowby.ini"));
    const std::string original = "[General]\r\nStart=keep\r\nChild=0\r\n";
    WriteBytes(ini, original);
    std::filesystem::permissions(fixtures::NativePath(folder.Path()), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    if (access(fixtures::NativePath(folder.Path()).c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write into read-only folders";

    EXPECT_FALSE(platform::IniWriteString(ini, "General", "Start", "changed"));
    EXPECT_EQ(original, ReadBytes(ini));
    EXPECT_EQ("keep", platform::IniReadString(ini, "General", "Start", ""));
}

TEST(IniFilePosix, AnUnreadableFileIsNotReplaced)
{
    fixtures::TempFolder folder;
    const std::string ini = fixtures::NativePath(folder.Join("Tarrowby.ini"));
    WriteBytes(ini, "[General]\r\nStart=keep\r\n");
    std::filesystem::permissions(ini, std::filesystem::perms::owner_write);
    if (access(ini.c_str(), R_OK) == 0)
        GTEST_SKIP() << "this user may read unreadable files";

    EXPECT_FALSE(platform::IniWriteString(ini, "General", "Ext", "wav"));
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ("[General]\r\nStart=keep\r\n", ReadBytes(ini));
}

TEST(IniFilePosix, ALinkedFileIsUpdatedWhereItLivesAndKeepsItsPermissions)
{
    fixtures::TempFolder folder;
    const std::string real = fixtures::NativePath(folder.Join("real.ini"));
    const std::string link = fixtures::NativePath(folder.Join("Tarrowby.ini"));
    WriteBytes(real, "[General]\r\nStart=old\r\n");
    std::filesystem::permissions(real, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    std::filesystem::create_symlink("real.ini", link);

    EXPECT_TRUE(platform::IniWriteString(link, "General", "Start", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ("[General]\r\nStart=new\r\n", ReadBytes(real));
    EXPECT_EQ(std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
              std::filesystem::status(real).permissions());
}
