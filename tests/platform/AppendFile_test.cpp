#include "platform/AppendFile.h"
#include "platform/FileLock.h"
#include "platform/StateFolder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using fixtures::TempFolder;

TEST(AppendFile, LinesGoAfterWhatIsThereAndAMissingFileIsMade)
{
    TempFolder temp;
    const std::string path = temp.Join("h");
    ASSERT_TRUE(platform::AppendLines(path, {"a\n", "b\n"}));
    ASSERT_TRUE(platform::AppendLines(path, {"c\n"}));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ("a\nb\nc\n", std::string((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>()));
    // A file cut short inside its first line gets the lines on a line of their own.
    ASSERT_TRUE(fixtures::WriteBytes(path, "b"));
    ASSERT_TRUE(platform::AppendLines(path, {"c\n", "d\n"}));
    std::ifstream again(path, std::ios::binary);
    EXPECT_EQ("b\nc\nd\n", std::string((std::istreambuf_iterator<char>(again)),
                                          std::istreambuf_iterator<char>()));
    // While another holds the lock, an append waits a moment, then fails: no hang.
    EXPECT_TRUE(platform::WithFileLock(path, [&] {
        const platform::WriteResult held = platform::AppendLines(path, {"e\n"});
        EXPECT_NE(std::string::npos, held.Reason().find("held by another program"));
        return held ? platform::WriteResult::Failed("appended") : platform::WriteResult::Done();
    }));
    ASSERT_TRUE(fixtures::MakeFolder(temp.Join("folder")));
    EXPECT_FALSE(platform::AppendLines(temp.Join("folder"), {"x\n"}));
    EXPECT_FALSE(platform::AppendLines(fixtures::JoinPath(temp.Join("missing"), "h"), {"x\n"}));
}

TEST(StateFolder, MakeFoldersMakesEveryMissingLevel)
{
    TempFolder temp;
    const std::string deep = fixtures::JoinPath(fixtures::JoinPath(temp.Path(), "a"), "b");
    EXPECT_TRUE(platform::MakeFolders(deep));
    EXPECT_TRUE(platform::MakeFolders(deep));
    ASSERT_TRUE(fixtures::WriteBytes(temp.Join("file"), "x"));
    EXPECT_FALSE(platform::MakeFolders(temp.Join("file")));
}

}  // namespace
