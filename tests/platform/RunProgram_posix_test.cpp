#include "platform/RunProgram.h"
#include "platform/RunningPrograms.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>

namespace {

TEST(RunProgram, TellsHowTheProgramEndedAndWhatItWrote)
{
    const std::atomic<bool> go{false}, stop{true};
    const struct {
        const char* script;
        const std::atomic<bool>* stop;
        bool started, succeeded, stopped;
        const char* output;
    } rows[] = {
        {"echo out; echo err >&2; read line || echo no input", &go, true, true, false,
         "out\nerr\nno input\n"},
        {"echo failing; exit 3", nullptr, true, false, false, "failing\n"},
        {"kill -KILL $$", nullptr, true, false, true, ""},
        {"echo never", &stop, false, false, true, ""},
    };
    for (const auto& row : rows) {
        const platform::ProgramRun run = platform::RunProgram("/bin/sh", {"-c", row.script}, row.stop);
        EXPECT_EQ(row.started, run.started) << row.script;
        EXPECT_EQ(row.succeeded, run.succeeded) << row.script;
        EXPECT_EQ(row.stopped, run.stopped) << row.script;
        EXPECT_EQ(row.output, run.output) << row.script;
    }
    // Each run gives its slot back: more runs than slots all run.
    for (std::size_t count = 0; count <= platform::kRunningProgramSlots; ++count)
        ASSERT_TRUE(platform::RunProgram("/bin/sh", {"-c", ":"}).succeeded) << count;
    // A start that fails closes both ends of its pipe.
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    };
    const auto before = openFiles();
    EXPECT_FALSE(platform::RunProgram("/nowhere/ffmpeg", {}).started);
    EXPECT_EQ(before, openFiles());
}

// A folder in the middle of PATH counts as much as the first and the last.
TEST(RunProgram, FindsAProgramInAnyFolderOfThePath)
{
    fixtures::TempFolder temp;
    const std::string program = temp.Join("tarrowby-stand-in");
    ASSERT_TRUE(fixtures::WriteBytes(program, "#!/bin/sh\n") && chmod(program.c_str(), 0700) == 0);
    const std::string path = std::getenv("PATH");
    setenv("PATH", ("/nowhere:" + temp.Path() + ":/nowhere/else").c_str(), 1);
    const std::string found = platform::FindProgram("tarrowby-stand-in");
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(program, found);
}

}  // namespace
