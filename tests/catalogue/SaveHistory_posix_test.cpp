#include "catalogue/HistoryLine.h"
#include "catalogue/SaveHistory.h"
#include "platform/Clock.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>

namespace {

TEST(SaveHistoryPosix, TwoProcessesRecordingAtOnceLoseNoLine)
{
    fixtures::TempFolder temp;
    const std::string path = temp.Join("t.history");
    const int kLines = 1000;
    int gate[2];
    ASSERT_EQ(0, pipe(gate));
    std::vector<pid_t> children;
    for (const char* who : {"/a/", "/b/"}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Both start when the gate opens, and each file is a record of its own.
            close(gate[1]);
            char ignored;
            (void)read(gate[0], &ignored, 1);
            CSaveHistory history(path);
            for (int i = 0; i < kLines; ++i) {
                if (!history.Record({who + std::to_string(i) + ".mp3"}, platform::UtcNow()))
                    _exit(1);
            }
            _exit(0);
        }
        children.push_back(child);
    }
    close(gate[0]);
    close(gate[1]);
    for (pid_t child : children) {
        int status = -1;
        ASSERT_EQ(child, waitpid(child, &status, 0));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    std::ifstream in(path, std::ios::binary);
    std::set<std::string> paths;
    int lines = 0;
    for (std::string line; std::getline(in, line); ++lines) {
        int64_t when = 0;
        std::string_view recorded;
        ASSERT_TRUE(ParseHistoryLine(line, when, recorded)) << line;
        paths.insert(std::string(recorded));
    }
    EXPECT_EQ(2 * kLines, lines);
    EXPECT_EQ(2u * kLines, paths.size());
}

}  // namespace
