#include "RunInProcess.h"

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "platform/WholeFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

ProgramRun RunInProcess(const std::vector<std::string>& args, const std::string& input,
                        const std::string& folder)
{
    std::vector<std::string> words{"tarrowby-cli"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    CliOptions options;
    std::string error;
    ProgramRun run;
    const ParseOutcome parsed =
        ParseCommandLine(static_cast<int>(argv.size()), argv.data(), options, error);
    EXPECT_EQ(ParseOutcome::kRun, parsed) << error;
    if (parsed != ParseOutcome::kRun)
        return run;

    fixtures::TempFolder streams;
    const std::string paths[] = {streams.Join("in"), streams.Join("out"), streams.Join("err")};
    EXPECT_TRUE(fixtures::WriteBytes(paths[0], input));
    const int flags[] = {O_RDONLY, O_WRONLY | O_CREAT, O_WRONLY | O_CREAT};
    int saved[3];
    std::fflush(stdout);
    std::fflush(stderr);
    for (int fd = 0; fd < 3; ++fd) {
        saved[fd] = dup(fd);
        const int file = open(paths[fd].c_str(), flags[fd], 0644);
        EXPECT_EQ(fd, dup2(file, fd)) << paths[fd];
        close(file);
    }
    char before[4096] = {};
    const bool moved = !folder.empty() && getcwd(before, sizeof before) && chdir(folder.c_str()) == 0;
    EXPECT_EQ(!folder.empty(), moved) << folder;
    clearerr(stdin);
    run.status = RunCli(options);
    std::fflush(stdout);
    std::fflush(stderr);
    clearerr(stdin);
    EXPECT_TRUE(!moved || chdir(before) == 0) << before;
    for (int fd = 0; fd < 3; ++fd) {
        EXPECT_EQ(fd, dup2(saved[fd], fd));
        close(saved[fd]);
    }
    platform::ReadWholeFile(paths[1], run.out);
    platform::ReadWholeFile(paths[2], run.err);
    return run;
}
