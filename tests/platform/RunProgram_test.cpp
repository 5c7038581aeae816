#include "platform/RunProgram.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(RunProgram, AProgramThatCannotStartSaysWhichAndWhy)
{
    fixtures::TempFolder temp;
    const std::string missing = temp.Join("ffmpeg");
    const platform::ProgramRun run = platform::RunProgram(missing, {"-version"});
    EXPECT_FALSE(run.started);
    EXPECT_FALSE(run.succeeded);
    EXPECT_EQ(0u, run.output.find(missing + ": ")) << run.output;
    EXPECT_GT(run.output.size(), missing.size() + 2);
    EXPECT_EQ("", platform::FindProgram("tarrowby-no-such-program"));
}

}  // namespace
