// Scans the benchmark tree with AddFolder (subfolders on) and, in the same run,
// lists it with find(1) printing every file's size, alternating the two so both
// see the same warm caches. Also reads the tree's 10,000-line playlist.
// Usage: tarrowby_scan_bench TREE
#include "BenchClock.h"
#include "RunQuietly.h"
#include "ScanTree.h"

#include <cstdio>
#include <string>

namespace {

const int kRounds = 7;
const double kTargetRatio = 1.5;

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TREE\n", argv[0]);
        return 2;
    }
    const std::string tree = argv[1];
    if (!RunFind(tree) || ScanCount(tree) != 100000) {
        std::fprintf(stderr, "scan: %s is not a complete benchmark tree\n", tree.c_str());
        return 1;
    }

    std::vector<double> scans, finds;
    for (int round = 0; round < kRounds; ++round) {
        finds.push_back(MillisecondsOf([&] { RunFind(tree); }));
        scans.push_back(MillisecondsOf([&] { ScanCount(tree); }));
    }
    const double scan = Median(scans), find = Median(finds);
    std::printf("scan: AddFolder with subfolders %.1f ms, find %.1f ms, ratio %.2f (target <= %.1f) %s\n",
                scan, find, scan / find, kTargetRatio, scan / find <= kTargetRatio ? "ok" : "MISSED");

    std::vector<double> playlists;
    int admitted = 0;
    for (int round = 0; round < kRounds; ++round) {
        playlists.push_back(MillisecondsOf([&] {
            CFileList list(500, 500);
            list.AddPlaylist(tree + "/list.m3u");
            admitted = list.GetCount();
        }));
    }
    std::printf("playlist: AddPlaylist of 10,000 lines %.1f ms (%d files admitted)\n",
                Median(playlists), admitted);
    return scan / find <= kTargetRatio ? 0 : 1;
}
