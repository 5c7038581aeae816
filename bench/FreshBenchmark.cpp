// A fresh draw against the plain one: reading a 100,000-line history, counting
// the files it leaves out and drawing with Resample from a 100,000-file source,
// against the same draw without the history.
#include "BenchClock.h"
#include "catalogue/HistoryLine.h"
#include "platform/Clock.h"
#include "catalogue/RandomGenerator.h"
#include "catalogue/Sampling.h"
#include "catalogue/SaveHistory.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

const int kSourceFiles = 100000;
const int kHistoryLines = 100000;
const int kFreshDays = 30;
const int kRounds = 21;
const double kTargetMs = 100.0;

std::string FolderOf(int i)
{
    return "/music/artist " + std::to_string(i / 1000) + "/album " + std::to_string(i / 100 % 10);
}

std::string NameOf(int i)
{
    return "Track " + std::to_string(i) + ".mp3";
}

}  // namespace

int main()
{
    CFileList source(500, 500), internal(50, 50), external(50, 50), trial(50, 50), best(50, 50);
    std::mt19937 random(1);
    std::uniform_int_distribution<uint32_t> sizeKB(1001, 10001);
    for (int i = 0; i < kSourceFiles; ++i)
        source.AddEntry(FolderOf(i), NameOf(i), sizeKB(random));

    // Every line within the fresh days: half the source, each file saved twice.
    const int64_t now = platform::UtcNow();
    const std::filesystem::path historyPath =
        std::filesystem::temp_directory_path() / "tarrowby-fresh-bench.history";
    {
        std::ofstream history(historyPath, std::ios::binary | std::ios::trunc);
        for (int i = 0; i < kHistoryLines; ++i)
            history << HistoryLine(now - (i % kFreshDays) * 86000, FolderOf(i / 2) + "/" + NameOf(i / 2));
    }
    const int capacityKB = 10000 * 5501;

    std::vector<double> plainTimes, freshTimes;
    int leftOut = 0;
    for (int round = 0; round < kRounds; ++round) {
        const uint32_t seed = SeedFromTime(static_cast<uint32_t>(round) * 7919u + 1u);
        internal.RemoveAll();
        SeedRandom(seed);
        plainTimes.push_back(MillisecondsOf([&] {
            DrawSample(SampleLists{source, internal, external, trial, best}, capacityKB, true);
        }));
        internal.RemoveAll();
        SeedRandom(seed);
        freshTimes.push_back(MillisecondsOf([&] {
            CSaveHistory history(historyPath.string());
            CRecentSaves recent;
            history.ReadRecent(kFreshDays, now, recent);
            const std::vector<bool> marks = MarkRecentlySaved(source, recent);
            leftOut = static_cast<int>(std::count(marks.begin(), marks.end(), true));
            SampleLists lists{source, internal, external, trial, best};
            lists.leftOut = &marks;
            DrawSample(lists, capacityKB, true);
        }));
    }
    std::filesystem::remove(historyPath);
    const double plain = Median(plainTimes), fresh = Median(freshTimes);
    const double more = fresh - plain;
    std::printf("fresh draw: reading a %d-line history, %d of 100,000 files left out: %.1f ms "
                "median against %.1f ms without, %.1f ms more (target < %.0f ms more) %s\n",
                kHistoryLines, leftOut, fresh, plain, more, kTargetMs,
                more < kTargetMs ? "ok" : "MISSED");
    return more < kTargetMs ? 0 : 1;
}
