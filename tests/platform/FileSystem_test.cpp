#include "platform/DeviceNames.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using fixtures::CreateSizedFile;
using fixtures::TempFolder;

TEST(FileSystem, ListFolderGivesEveryEntryAndWhetherItIsAFolder)
{
    TempFolder temp;
    ASSERT_TRUE(fixtures::MakeFolder(temp.Join("sub")));
    ASSERT_TRUE(CreateSizedFile(temp.Join("a.mp3"), 5));
    std::map<std::string, bool> seen;
    ASSERT_TRUE(platform::ListFolder(temp.Path(), [&](const platform::FolderItem& item) {
        seen[item.name] = item.isFolder;
        return true;
    }));
    EXPECT_EQ((std::map<std::string, bool>{{".", true}, {"..", true}, {"a.mp3", false}, {"sub", true}}),
              seen);

    int calls = 0;
    auto count = [&](const platform::FolderItem&) { return ++calls > 0; };
    EXPECT_FALSE(platform::ListFolder(temp.Join("missing"), count));
    EXPECT_FALSE(platform::ListFolder(temp.Join("a.mp3"), count));
    EXPECT_EQ(0, calls);
}

TEST(FileSystem, FolderIdentityDoesNotDependOnTheSpelling)
{
    TempFolder temp;
    ASSERT_TRUE(fixtures::MakeFolder(temp.Join("sub")));
    ASSERT_TRUE(CreateSizedFile(temp.Join("a.mp3"), 5));
    std::string plain, roundabout, sub, unused;
    ASSERT_TRUE(platform::FolderIdentity(temp.Path(), plain));
    ASSERT_TRUE(platform::FolderIdentity(fixtures::JoinPath(temp.Join("sub"), ".."), roundabout));
    ASSERT_TRUE(platform::FolderIdentity(temp.Join("sub"), sub));
    EXPECT_EQ(plain, roundabout);
    EXPECT_NE(plain, sub);
    EXPECT_FALSE(platform::FolderIdentity(temp.Join("a.mp3"), unused));
    EXPECT_FALSE(platform::FolderIdentity(temp.Join("missing"), unused));
}

TEST(FileSystem, AFileNumberOfZeroIdentifiesNoFolder)
{
    std::string high, low, none;
    ASSERT_TRUE(platform::IdentityFromFileNumber(7, uint64_t(1) << 32, high));
    ASSERT_TRUE(platform::IdentityFromFileNumber(7, 1, low));
    EXPECT_NE(high, low);
    EXPECT_FALSE(platform::IdentityFromFileNumber(7, 0, none));
}

TEST(FileSystem, DeviceNamesAreToldFromFileNames)
{
    for (const char* device : {"CON", "nul", "C:\\Music\\Aux.mp3", "d:/x/prn .txt", "C:LPT1",
                               "COM9:", "conout$", "\\\\.\\COM1", "//./pipe/x", "\\\\?\\GLOBALROOT\\x",
                               "\\\\.\\C:"})
        EXPECT_TRUE(platform::NamesWindowsDevice(device)) << device;
    for (const char* file : {"", "CONSOLE.mp3", "C:\\NUL\\a.mp3", "COM0", "LPT10", "my con.mp3",
                             "\\\\.\\C:\\a.mp3", "\\\\?\\UNC\\server\\share\\a.mp3", "\\\\server\\share\\a"})
        EXPECT_FALSE(platform::NamesWindowsDevice(file)) << file;
}

}  // namespace
