// Runs the whole command-line program on the benchmark tree (reading its 100,000
// files, drawing about 10,000 of them with Resample, printing them) and, in the
// same run, find(1) printing every file's size, alternating the two.
// Usage: tarrowby_cli_bench TREE
#include "BenchClock.h"
#include "RunQuietly.h"

#include <cstdio>
#include <string>

namespace {

const int kRounds = 7;
const double kTargetRatio = 1.5;
// About 10,000 files of the tree's 1 to 10 MB.
const char kCapacityKB[] = "55000000";

bool RunProgram(const std::string& tree)
{
    return RunQuietly({TARROWBY_CLI, tree + "+", "--max-kb", kCapacityKB, "--quiet"});
}

bool RunFind(const std::string& tree)
{
    return RunQuietly({"find", tree, "-type", "f", "-printf", "%s\n"});
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TREE\n", argv[0]);
        return 2;
    }
    const std::string tree = argv[1];
    if (!RunFind(tree) || !RunProgram(tree)) {
        std::fprintf(stderr, "cli: the program or find failed on %s\n", tree.c_str());
        return 1;
    }
    std::vector<double> programs, finds;
    for (int round = 0; round < kRounds; ++round) {
        finds.push_back(MillisecondsOf([&] { RunFind(tree); }));
        programs.push_back(MillisecondsOf([&] { RunProgram(tree); }));
    }
    const double program = Median(programs), find = Median(finds);
    const double ratio = program / find;
    std::printf("cli: tarrowby-cli TREE+ sampling about 10,000 files %.1f ms, find %.1f ms, "
                "ratio %.2f (target <= %.1f) %s\n",
                program, find, ratio, kTargetRatio, ratio <= kTargetRatio ? "ok" : "MISSED");
    return ratio <= kTargetRatio ? 0 : 1;
}
