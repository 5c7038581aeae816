#include "output/CopyToDest.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

using fixtures::ReadBytes;

// Copies that fail the way a full or removed medium makes them fail: after
// writing part of the destination.
bool FailAfterWritingPart(const std::string&, const std::string& dest)
{
    fixtures::WriteBytes(dest, "par");
    SetLastError(ERROR_WRITE_FAULT);
    return false;
}

bool FailAfterWritingReadOnlyPart(const std::string& source, const std::string& dest)
{
    FailAfterWritingPart(source, dest);
    SetFileAttributesA(dest.c_str(), FILE_ATTRIBUTE_READONLY);
    SetLastError(ERROR_WRITE_FAULT);
    return false;
}

bool FailWithoutWriting(const std::string&, const std::string&)
{
    SetLastError(ERROR_NOT_READY);
    return false;
}

}  // namespace

TEST(CopyToDest, CopyFailingBeforeWritingKeepsTheDestination)
{
    fixtures::TempFolder folder;
    const std::string source = folder.Join("song.mp3");
    const std::string dest = folder.Join("copy.mp3");

    EXPECT_FALSE(CopyToDest(source, dest));
    EXPECT_FALSE(Exists(dest));

    ASSERT_TRUE(fixtures::WriteBytes(dest, "saved before"));
    EXPECT_FALSE(CopyToDest(source, dest));
    EXPECT_EQ("saved before", ReadBytes(dest));

    // A source held open by a program that lets nobody else read it.
    ASSERT_TRUE(fixtures::WriteBytes(source, "new bytes"));
    HANDLE held = CreateFileA(source.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(CopyToDest(source, dest));
    CloseHandle(held);
    EXPECT_EQ("saved before", ReadBytes(dest));

    // Once the source can be read, the copy is made.
    EXPECT_TRUE(CopyToDest(source, folder.Join("fresh.mp3")));
    EXPECT_EQ("new bytes", ReadBytes(folder.Join("fresh.mp3")));
}

TEST(CopyToDest, FileCopiedOntoItselfUnderAnotherSpellingSurvives)
{
    fixtures::TempFolder folder;
    const std::string source = folder.Join("song.mp3");
    ASSERT_TRUE(fixtures::WriteBytes(source, "the only copy"));
    EXPECT_FALSE(CopyToDest(source, folder.Path() + "\\.\\song.mp3"));
    EXPECT_EQ("the only copy", ReadBytes(source));
}

TEST(CopyToDest, ReadOnlyDestinationIsReplacedOrKeptNeverLost)
{
    fixtures::TempFolder folder;
    const std::string source = folder.Join("song.mp3");
    const std::string dest = folder.Join("copy.mp3");
    ASSERT_TRUE(fixtures::WriteBytes(source, "new bytes"));
    ASSERT_TRUE(fixtures::WriteBytes(dest, "saved before"));
    ASSERT_TRUE(SetFileAttributesA(dest.c_str(), FILE_ATTRIBUTE_READONLY));
    // Windows refuses to replace a read-only file; Wine run by a superuser does not.
    if (CopyToDest(source, dest))
        EXPECT_EQ("new bytes", ReadBytes(dest));
    else
        EXPECT_EQ("saved before", ReadBytes(dest));
}

TEST(CopyToDest, CopyFailingHalfwayLeavesNoPartialFile)
{
    fixtures::TempFolder folder;
    const std::string source = folder.Join("song.mp3");
    const std::string dest = folder.Join("copy.mp3");
    ASSERT_TRUE(fixtures::WriteBytes(source, "new bytes"));

    for (const FileCopier copier : {FailAfterWritingPart, FailAfterWritingReadOnlyPart}) {
        EXPECT_FALSE(CopyToDest(source, dest, copier));
        EXPECT_FALSE(Exists(dest));
    }

    // The older file is left as it was, and the part file goes.
    ASSERT_TRUE(fixtures::WriteBytes(dest, "saved before"));
    for (const FileCopier copier :
         {FailAfterWritingPart, FailAfterWritingReadOnlyPart, FailWithoutWriting}) {
        EXPECT_FALSE(CopyToDest(source, dest, copier));
        EXPECT_EQ("saved before", ReadBytes(dest));
        EXPECT_FALSE(Exists(folder.Join(".copy.mp3.tarrowby-part")));
    }
}
