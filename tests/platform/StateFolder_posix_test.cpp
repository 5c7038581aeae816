#include "platform/AppendFile.h"
#include "platform/StateFolder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <optional>

namespace {

// Sets an environment variable for the life of the object (unset for nullopt).
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : m_pszName(name)
    {
        if (const char* old = std::getenv(name))
            m_strOld = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_strOld)
            setenv(m_pszName, m_strOld->c_str(), 1);
        else
            unsetenv(m_pszName);
    }

private:
    const char* m_pszName;
    std::optional<std::string> m_strOld;
};

TEST(StateFolderPosix, TheBaseDirectoryRulesPickTheFolder)
{
    struct Row {
        std::optional<std::string> state, home;
        std::string folder;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"/var/st", "/home/ann", "/var/st/tarrowby"},
             {std::nullopt, "/home/ann", "/home/ann/.local/state/tarrowby"},
             {"relative", "/home/ann", "/home/ann/.local/state/tarrowby"},
             {"", "/home/ann", "/home/ann/.local/state/tarrowby"},
             {std::nullopt, std::nullopt, ""},
             {std::nullopt, "", ""}}) {
        ScopedEnv state("XDG_STATE_HOME", row.state);
        ScopedEnv home("HOME", row.home);
        EXPECT_EQ(row.folder, platform::ProgramStateFolder()) << row.folder;
    }
    // The cache follows the same rules with its own variable and folder.
    ScopedEnv home("HOME", std::string("/home/ann"));
    ScopedEnv state("XDG_STATE_HOME", std::string("/var/st"));
    ScopedEnv cache("XDG_CACHE_HOME", std::nullopt);
    EXPECT_EQ("/home/ann/.cache/tarrowby", platform::ProgramCacheFolder());
    setenv("XDG_CACHE_HOME", "/var/cache", 1);
    EXPECT_EQ("/var/cache/tarrowby", platform::ProgramCacheFolder());
}

// Every program that shares the history takes turns through its lock file,
// whoever made it: one it could not open would leave it writing unguarded.
TEST(AppendFilePosix, TheLockFileOpensForEveryUserAndAPipeIsRefusedAtOnce)
{
    fixtures::TempFolder temp;
    const mode_t before = umask(0);
    const bool appended = static_cast<bool>(platform::AppendLines(temp.Join("h"), {"x\n"}));
    umask(before);
    ASSERT_TRUE(appended);
    struct stat status;
    ASSERT_EQ(0, stat(temp.Join("h.lock").c_str(), &status));
    EXPECT_EQ(0666u, status.st_mode & 07777);

    // A pipe in the file's place is refused at once.
    ASSERT_EQ(0, mkfifo(temp.Join("pipe").c_str(), 0600));
    EXPECT_FALSE(platform::AppendLines(temp.Join("pipe"), {"x\n"}));
}

}  // namespace
