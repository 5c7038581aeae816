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
    // A flag takes no value: "=" after it adds no empty argument either.
    const Parsed flag = Parse({"--quiet=", "keep.mp3"});
    ASSERT_EQ(ParseOutcome::kRun, flag.outcome) << flag.error;
    EXPECT_EQ(std::vector<std::string>{"keep.mp3"}, flag.options.sources);
}

TEST(ParseCommandLine, NumbersAreDecimalDigitsWithinTheirRangeAndFlagsStandAlone)
{
    const std::string kb = "--max-kb: takes a whole number from 1 to 4294967295, not ";
    const struct {
        std::vector<std::string> args;
        std::string error;  // contained in the message
    } refused[] = {
        {{"--max-kb", "12abc"}, kb + "\"12abc\""},
        {{"--max-kb", ""}, kb + "\"\""},
        {{"--max-kb", "+5"}, kb + "\"+5\""},
        {{"--max-kb", " 5"}, kb + "\" 5\""},
        {{"--max-kb", "0"}, kb + "\"0\""},
        {{"--max-kb", "4294967296"}, kb + "\"4294967296\""},
        {{"--max-kb", "000000020004000000"}, kb + "\"000000020004000000\""},
        {{"--seed", "-1"}, "--seed: takes a whole number from 0 to 4294967295, not \"-1\""},
        {{"--modified-days", "2147483648"},
         "--modified-days: takes a whole number from 0 to 2147483647"},
        {{"--fresh", "-1"}, "--fresh"},
        {{"--bogus"}, "--bogus"},
        {{"--json", "-0"}, "excludes"},
        {{"-0-", "--quiet"}, "The following argument was not expected: -0-"},
    };
    for (const auto& c : refused) {
        const Parsed parsed = Parse(c.args);
        EXPECT_EQ(ParseOutcome::kBadUsage, parsed.outcome) << c.error;
        EXPECT_NE(std::string::npos, parsed.error.find(c.error)) << parsed.error;
    }

    const Parsed parsed = Parse({"--max-kb", "4294967295", "--min-file-kb", "02500", "--seed",
                                 "0", "--accessed-days", "2147483647", "--max-file-kb", "0"});
    ASSERT_EQ(ParseOutcome::kRun, parsed.outcome) << parsed.error;
    const CliOptions& options = parsed.options;
    EXPECT_EQ(4294967295u, options.maxKB.value_or(0));
    EXPECT_EQ(2500u, options.minFileKB.value_or(0));
    EXPECT_EQ(0u, options.seed.value_or(1));
    EXPECT_EQ(2147483647, options.accessedDays.value_or(0));
    EXPECT_EQ(0u, options.maxFileKB.value_or(1));

    // After "--" every argument is a source, "-0-" and "--m3u=" too.
    const Parsed ended = Parse({"-0", "--", "-0-", "--m3u="});
    ASSERT_EQ(ParseOutcome::kRun, ended.outcome);
    EXPECT_TRUE(ended.options.nullEnds);
    EXPECT_EQ((std::vector<std::string>{"-0-", "--m3u="}), ended.options.sources);
}

TEST(ParseCommandLine, TheLastOfARepeatedOptionOrOfAPairCounts)
{
    const Parsed parsed = Parse({"a", "--ext", "wav", "--ext", "mp3", "--resample",
                                 "--no-resample", "--no-top-up", "--top-up", "--avoid", "x.m3u",
                                 "b", "--avoid", "y", "--copy-to", "--links-to", "L"});
    ASSERT_EQ(ParseOutcome::kRun, parsed.outcome) << parsed.error;
    const CliOptions& options = parsed.options;
    EXPECT_EQ("mp3", options.extensions.value_or(""));
    EXPECT_EQ(false, options.resample.value_or(true));
    EXPECT_EQ(true, options.topUp.value_or(false));
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), options.sources);
    EXPECT_EQ((std::vector<std::string>{"x.m3u", "y"}), options.avoid);
    EXPECT_EQ("", options.copyTo.value_or("unset"));
    EXPECT_EQ("L", options.linksTo.value_or(""));

    const Parsed again = Parse({"a", "--no-resample", "--resample", "--top-up", "--no-top-up"});
    ASSERT_EQ(ParseOutcome::kRun, again.outcome) << again.error;
    const CliOptions& other = again.options;
    EXPECT_EQ(true, other.resample.value_or(false));
    EXPECT_EQ(false, other.topUp.value_or(true));
    EXPECT_FALSE(other.copyTo.has_value());
}

}  // namespace
