#include "platform/DeviceNames.h"
#include "platform/DiskSpace.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
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

TEST(FileSystem, ReadingAListedEntryTakesTheFactsTheListingGave)
{
    TempFolder temp;
    const std::string file = temp.Join("a.mp3");
    ASSERT_TRUE(CreateSizedFile(file, 5000));
    ASSERT_TRUE(fixtures::SetFileTimes(file, 3 * 86400, 9 * 86400));
    ASSERT_TRUE(fixtures::MakeFolder(temp.Join("sub")));
    std::map<std::string, platform::FolderItem> items;
    ASSERT_TRUE(platform::ListFolder(temp.Path(), [&](const platform::FolderItem& item) {
        items[item.name] = item;
        return true;
    }));

    platform::FileFacts byPath, listed;
    ASSERT_TRUE(platform::ReadFileFacts(file, true, byPath));
    ASSERT_TRUE(items["a.mp3"].isKnownFile);
    ASSERT_TRUE(platform::ReadListedFileFacts(file, items["a.mp3"], true, listed));
    EXPECT_EQ(5000u, listed.size);
    EXPECT_EQ(byPath.accessSeconds, listed.accessSeconds);
    EXPECT_EQ(byPath.writeSeconds, listed.writeSeconds);
    // What the item says counts, not what a second look would find.
    platform::FolderItem grown = items["a.mp3"];
    grown.size = 7000;
    ASSERT_TRUE(platform::ReadListedFileFacts(file, grown, false, listed));
    EXPECT_EQ(7000u, listed.size);

    EXPECT_FALSE(items["sub"].isKnownFile);
    EXPECT_FALSE(platform::ReadListedFileFacts(temp.Join("sub"), items["sub"], false, listed));
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
    // A file number of zero identifies no folder.
    std::string high, low;
    ASSERT_TRUE(platform::IdentityFromFileNumber(7, uint64_t(1) << 32, high));
    ASSERT_TRUE(platform::IdentityFromFileNumber(7, 1, low));
    EXPECT_NE(high, low);
    EXPECT_FALSE(platform::IdentityFromFileNumber(7, 0, unused));
}

TEST(FileSystem, DiskSpaceAndTheSpaceAFileGivesBack)
{
    TempFolder temp;
    platform::DiskSpace space;
    ASSERT_TRUE(platform::ReadDiskSpace(temp.Path(), space));
    EXPECT_GT(space.freeBytes, 0u);
    EXPECT_GE(space.allocationUnit, 512u);
    EXPECT_FALSE(platform::ReadDiskSpace(temp.Join("missing"), space));

    // Whole units; nothing for a file another name links to, or for what is no file.
    ASSERT_TRUE(fixtures::WriteBytes(temp.Join("a.mp3"), std::string(5000, 'x')));
    uint64_t freed = 0;
    ASSERT_TRUE(platform::ReadSpaceFreedByRemoving(temp.Join("a.mp3"), freed));
    EXPECT_GE(freed, 5000u);
    EXPECT_EQ(0u, freed % space.allocationUnit);
    std::filesystem::create_hard_link(temp.Join("a.mp3"), temp.Join("b.mp3"));
    ASSERT_TRUE(platform::ReadSpaceFreedByRemoving(temp.Join("b.mp3"), freed));
    EXPECT_EQ(0u, freed);
    ASSERT_TRUE(fixtures::MakeFolder(temp.Join("sub")));
    EXPECT_FALSE(platform::ReadSpaceFreedByRemoving(temp.Join("sub"), freed));
    EXPECT_FALSE(platform::ReadSpaceFreedByRemoving(temp.Join("missing"), freed));
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
