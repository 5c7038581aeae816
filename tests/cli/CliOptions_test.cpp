// The command line as the option parser reads it.
#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
    ParseOutcome outcome;
    CliOptions options;
    std::string error;
};

Parsed Parse(std::vector<std::string> args)
{
    args.insert(args.begin(), "tarrowby-cli");
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    Parsed parsed;
    parsed.outcome =
        ParseCommandLine(static_cast<int>(argv.size()), argv.data(), parsed.options, parsed.error);
    return parsed;
}

TEST(ParseCommandLine, NothingAfterEqualsIsAnEmptyValueNeverTheNextArgument)
{
    for (const std::string option :
         {"--settings", "--max-kb", "--capacity", "--ext", "--min-file-kb", "--max-file-kb",
          "--accessed-days", "--modified-days", "--avoid", "--seed", "--copy-to", "--links-to",
          "--m3u", "--fresh", "--history"}) {
        const Parsed glued = Parse({option + "=", "keep.mp3"});
        const Parsed apart = Parse({option, "", "keep.mp3"});
        EXPECT_EQ(apart.outcome, glued.outcome) << option;
        EXPECT_EQ(apart.error, glued.error) << option;
        if (glued.outcome == ParseOutcome::kRun) {
            EXPECT_EQ(std::vector<std::string>{"keep.mp3"}, glued.options.sources) << option;
        }
    }
    const Parsed m3u = Parse({"--m3u=", "keep.mp3", "--min-file-kb=0", "--copy-to="});
    ASSERT_EQ(ParseOutcome::kRun, m3u.outcome);
    EXPECT_EQ("", m3u.options.m3u.value_or("none"));
    EXPECT_EQ("", m3u.options.copyTo.value_or("none"));
    EXPECT_EQ(0u, m3u.options.minFileKB.value_or(1));
}

TEST(ParseCommandLine, AShortFlagFollowedByADashIsNoOption)
{
    const Parsed dash = Parse({"-0-", "--quiet"});
    EXPECT_EQ(ParseOutcome::kBadUsage, dash.outcome);
    EXPECT_EQ("The following argument was not expected: -0-", dash.error);
    // After "--" every argument is a source, "-0-" and "--m3u=" too.
    const Parsed ended = Parse({"-0", "--", "-0-", "--m3u="});
    ASSERT_EQ(ParseOutcome::kRun, ended.outcome);
    EXPECT_TRUE(ended.options.nullEnds);
    EXPECT_EQ((std::vector<std::string>{"-0-", "--m3u="}), ended.options.sources);
}

}  // namespace
