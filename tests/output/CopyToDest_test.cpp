#include "output/CopyToDest.h"

#include "output/PartFile.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

#include <set>
#include <string>

namespace {

using fixtures::JoinPath;
using fixtures::TempFolder;
using Names = std::set<std::string>;

using fixtures::ReadBytes;

Names Contents(const std::string& folder)
{
    Names names;
    platform::ListFolder(folder, [&](const platform::FolderItem& item) {
        if (item.name != "." && item.name != "..")
            names.insert(item.name);
        return true;
    });
    return names;
}

// Copies during which another program rewrites the source: shorter, or in place.
bool CopyThenTruncateSource(const std::string& source, const std::string& dest)
{
    const bool copied = platform::CopyFileTo(source, dest);
    fixtures::WriteBytes(source, "cut");
    return copied;
}

bool CopyThenRetimeSource(const std::string& source, const std::string& dest)
{
    const bool copied = platform::CopyFileTo(source, dest);
    fixtures::SetFileAge(source, 3600);
    return copied;
}

// Copies after which the source's size and time cannot be read, and a copier
// that needs no source.
bool CopyThenRemoveSource(const std::string& source, const std::string& dest)
{
    const bool copied = platform::CopyFileTo(source, dest);
    platform::RemoveFile(source);
    return copied;
}

bool WriteWithoutSource(const std::string&, const std::string& dest)
{
    return fixtures::WriteBytes(dest, "made up");
}

// A card with room for one copy of the file: none while the older one is there.
std::string g_olderCopy;
bool CopyWithRoomForOne(const std::string& source, const std::string& dest)
{
    if (!platform::PathExists(g_olderCopy))
        return platform::CopyFileTo(source, dest);
#ifdef _WIN32
    SetLastError(ERROR_DISK_FULL);
#else
    errno = ENOSPC;
#endif
    return false;
}

class CopyToDestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixtures::WriteBytes(source, "new bytes"));
        ASSERT_TRUE(fixtures::WriteBytes(dest, "saved before"));
    }

    TempFolder folder;
    const std::string source = folder.Join("song.mp3");
    const std::string dest = folder.Join("copy.mp3");
};

TEST_F(CopyToDestTest, ASourceChangedOrUnreadableWhileCopiedIsNotSavedAndTheOlderCopyStays)
{
    const struct {
        std::string source;
        FileCopier copier;
        bool changed;
    } cases[] = {{source, CopyThenTruncateSource, true},
                 {source, CopyThenRetimeSource, true},
                 {folder.Join("missing.mp3"), WriteWithoutSource, false},
                 {source, CopyThenRemoveSource, false}};
    for (const auto& c : cases) {
        const platform::WriteResult result = CopyToDest(c.source, dest, c.copier);
        EXPECT_FALSE(result);
        EXPECT_EQ(c.changed, kChangedWhileCopying == result.Reason()) << result.Reason();
        EXPECT_NE("", result.Reason());
        EXPECT_EQ("saved before", ReadBytes(dest));
        EXPECT_EQ(0u, Contents(folder.Path()).count(".copy.mp3.tarrowby-part"));
    }
}

TEST_F(CopyToDestTest, ACopyAlreadyThereLeavesRoomForItsReplacement)
{
    g_olderCopy = dest;
    EXPECT_TRUE(CopyToDest(source, dest, CopyWithRoomForOne));
    EXPECT_EQ("new bytes", ReadBytes(dest));
    EXPECT_EQ((Names{"copy.mp3", "song.mp3"}), Contents(folder.Path()));
}

TEST_F(CopyToDestTest, WhatAnInterruptedSaveLeftIsReusedOrRemoved)
{
    // Part files of this program, of its earlier versions, and lookalikes.
    for (const char* name : {".copy.mp3.tarrowby-part", ".gone.mp3.tarrowby-part",
                             ".old.mp3.part4711-0", "keep.tarrowby-part", ".keep.part",
                             ".part4711-0"})
        ASSERT_TRUE(fixtures::WriteBytes(folder.Join(name), "half"));
    ASSERT_TRUE(fixtures::MakeFolder(folder.Join(".kept.tarrowby-part")));
    EXPECT_TRUE(CopyToDest(source, dest));
    EXPECT_EQ("new bytes", ReadBytes(dest));
    EXPECT_EQ(0u, Contents(folder.Path()).count(".copy.mp3.tarrowby-part"));

    RemoveLeftoverPartFiles(folder.Path() + platform::kPathSeparator);
    EXPECT_EQ((Names{"copy.mp3", "song.mp3", "keep.tarrowby-part", ".keep.part", ".part4711-0",
                     ".kept.tarrowby-part"}),
              Contents(folder.Path()));
}

TEST(PartFile, IsNamedForItsFileWithinTheLimits)
{
    const std::string d = std::string("d") + platform::kPathSeparator;
    const std::string f250 = std::string(250, 'f') + platform::kPathSeparator;
    std::string nichi;  // 100 characters of three bytes each
    for (int i = 0; i < 100; ++i)
        nichi += "\xE6\x97\xA5";
    const struct {
        std::string dest, part;
    } cases[] = {
        {d + "song.mp3", d + ".song.mp3.tarrowby-part"},
        {"song.mp3", ".song.mp3.tarrowby-part"},
        // A folder entry holds 255 bytes; the path may pass the limit.
        {d + std::string(250, 'n'), d + "." + std::string(240, 'n') + ".tarrowby-part"},
        {d + nichi, d + "." + nichi.substr(0, 240) + ".tarrowby-part"},
        {f250 + "song.mp3", f250 + ".song.mp3.tarrowby-part"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.part, PartFilePath(c.dest)) << c.dest;
}

}  // namespace
