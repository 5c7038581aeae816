#include "platform/IniFile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

using fixtures::WriteBytes;

namespace {

using fixtures::ReadBytes;

// Permissions do not bind root: then the call is made in a child process that
// has become the user "nobody". Its answer as 1 or 0; -1 when that switch failed.
int CallWithoutPrivileges(const std::function<bool()>& call)
{
    if (geteuid() != 0)
        return call() ? 1 : 0;
    const pid_t child = fork();
    if (child == 0)
        _exit(setgid(65534) == 0 && setuid(65534) == 0 ? (call() ? 1 : 0) : 2);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) > 1)
        return -1;
    return WEXITSTATUS(status);
}

}  // namespace

TEST(IniFilePosix, WritingIsDecidedByTheSystemAndAClosedFolderIsWrittenInPlace)
{
    namespace fs = std::filesystem;
    fixtures::TempFolder folder;
    const std::string open = folder.Join("open");
    const std::string closed = folder.Join("closed");
    fs::create_directory(open);
    fs::create_directory(closed);
    const std::string foreign = open + "/foreign.ini";
    const std::string inClosed = closed + "/Tarrowby.ini";
    WriteBytes(foreign, "[General]\r\nStart=keep\r\n");
    WriteBytes(inClosed, "[General]\r\nStart=old\r\n");
    // Run as root, the writes below are made as another user: root's own file with
    // its owner's write bit set, in a folder open to all; else the user's own
    // file without write bits.
    fs::permissions(foreign, fs::perms(geteuid() == 0 ? 0644 : 0444));
    fs::permissions(inClosed, fs::perms(0666));
    fs::permissions(open, fs::perms(0777));
    fs::permissions(closed, fs::perms(0555));
    fs::permissions(folder.Path(), fs::perms(0755));

    EXPECT_EQ(0, CallWithoutPrivileges([&] {
        return platform::IniWriteString(foreign, "General", "Start", "changed");
    }));
    EXPECT_EQ("[General]\r\nStart=keep\r\n", ReadBytes(foreign));
    EXPECT_EQ(1, CallWithoutPrivileges([&] {
        return platform::IniWriteString(inClosed, "General", "Start", "new");
    }));
    EXPECT_EQ("[General]\r\nStart=new\r\n", ReadBytes(inClosed));
    fs::permissions(closed, fs::perms::owner_all);
}

TEST(IniFilePosix, AnUnreadableFileIsNotReplaced)
{
    fixtures::TempFolder folder;
    const std::string ini = folder.Join("Tarrowby.ini");
    WriteBytes(ini, "[General]\r\nStart=keep\r\n");
    std::filesystem::permissions(ini, std::filesystem::perms::owner_write);
    // Run as root, the file is "nobody"'s, in a folder it may write in.
    if (geteuid() == 0) {
        ASSERT_EQ(0, chown(ini.c_str(), 65534, 65534));
        std::filesystem::permissions(folder.Path(), std::filesystem::perms(0777));
    }

    EXPECT_EQ(0, CallWithoutPrivileges(
                     [&] { return platform::IniWriteString(ini, "General", "Ext", "wav"); }));
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ("[General]\r\nStart=keep\r\n", ReadBytes(ini));
}

TEST(IniFilePosix, ALinkedFileIsUpdatedWhereItLivesAndKeepsItsPermissions)
{
    fixtures::TempFolder folder;
    const std::string real = folder.Join("real.ini");
    const std::string link = folder.Join("Tarrowby.ini");
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
