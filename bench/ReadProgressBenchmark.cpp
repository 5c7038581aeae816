// Scans the benchmark tree with AddFolder (subfolders on) without and with the
// progress the window uses, alternating the two so both see the same warm
// caches; the progress's refresh formats its text as the window does.
// Usage: tarrowby_progress_bench TREE
#include "BenchClock.h"
#include "ScanTree.h"
#include "catalogue/CountText.h"
#include "ui/ReadProgressPace.h"

#include <cstdio>
#include <string>

namespace {

const int kRounds = 9;
const double kTargetRatio = 1.05;

class TextOnlyProgress : public CPacedReadProgress {
public:
    int refreshes = 0;

protected:
    bool Refresh(const std::string& source, int admitted, bool) override
    {
        m_strShown = source + "\n" + FileCountText(admitted);
        ++refreshes;
        return true;
    }

private:
    std::string m_strShown;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TREE\n", argv[0]);
        return 2;
    }
    const std::string tree = argv[1];
    TextOnlyProgress check;
    if (ScanCount(tree, nullptr) != 100000 || ScanCount(tree, &check) != 100000) {
        std::fprintf(stderr, "progress: %s is not a complete benchmark tree\n", tree.c_str());
        return 1;
    }

    std::vector<double> plain, paced;
    int refreshes = 0;
    for (int round = 0; round < kRounds; ++round) {
        plain.push_back(MillisecondsOf([&] { ScanCount(tree, nullptr); }));
        TextOnlyProgress progress;
        paced.push_back(MillisecondsOf([&] { ScanCount(tree, &progress); }));
        refreshes = progress.refreshes;
    }
    const double without = Median(plain), with = Median(paced);
    const bool met = with / without <= kTargetRatio;
    std::printf("progress: scan without %.1f ms, with the progress %.1f ms (%d refreshes), "
                "ratio %.3f (target <= %.2f) %s\n",
                without, with, refreshes, with / without, kTargetRatio, met ? "ok" : "MISSED");
    return met ? 0 : 1;
}
