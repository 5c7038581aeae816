// Runs the whole command-line program on the benchmark tree and, in the same run,
// find(1) printing every file's size, alternating them: once reading the tree's
// 100,000 files with a capacity that takes none of them (against find), and
// once drawing about 10,000 of them with Resample and printing them (the time
// beyond the reading is the sampling's and the printing's).
// Usage: tarrowby_cli_bench TREE
#include "BenchClock.h"
#include "RunQuietly.h"

#include <cstdio>
#include <string>

namespace {

const int kRounds = 7;
const double kTargetRatio = 1.5;
const double kTargetSamplingMs = 100.0;
// Nothing fits into 1 KB; about 10,000 of the tree's 1 to 10 MB files into the other.
const char kNoneKB[] = "1";
const char kTenThousandKB[] = "55000000";

bool RunProgram(const std::string& tree, const char* capacityKB)
{
    return RunQuietly({TARROWBY_CLI, tree + "+", "--max-kb", capacityKB, "--quiet"});
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TREE\n", argv[0]);
        return 2;
    }
    const std::string tree = argv[1];
    if (!RunFind(tree) || !RunProgram(tree, kNoneKB) || !RunProgram(tree, kTenThousandKB)) {
        std::fprintf(stderr, "cli: the program or find failed on %s\n", tree.c_str());
        return 1;
    }
    std::vector<double> readings, samplings, finds;
    for (int round = 0; round < kRounds; ++round) {
        finds.push_back(MillisecondsOf([&] { RunFind(tree); }));
        readings.push_back(MillisecondsOf([&] { RunProgram(tree, kNoneKB); }));
        samplings.push_back(MillisecondsOf([&] { RunProgram(tree, kTenThousandKB); }));
    }
    const double reading = Median(readings), sampling = Median(samplings), find = Median(finds);
    const double ratio = reading / find, beyond = sampling - reading;
    const bool met = ratio <= kTargetRatio && beyond < kTargetSamplingMs;
    std::printf("cli: tarrowby-cli reading the tree %.1f ms, find %.1f ms, ratio %.2f (target <= "
                "%.1f); sampling about 10,000 of them and printing them %.1f ms more (target < "
                "%.0f ms), %.2f times find in all %s\n",
                reading, find, ratio, kTargetRatio, beyond, kTargetSamplingMs, sampling / find,
                met ? "ok" : "MISSED");
    return met ? 0 : 1;
}
