#include "catalogue/Sampling.h"
#include "catalogue/RandomGenerator.h"
#include "support/ListNames.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace {

struct Lists {
    CFileList source{500, 500};
    CFileList internal{50, 50};
    CFileList external{50, 50};
    CFileList trial{50, 50};
    CFileList best{50, 50};

    SampleLists Internal() { return SampleLists{source, internal, external, trial, best}; }
};

using fixtures::NamesOf;

// The next `count` numbers the generator gives after `seed`; it is seeded again
// afterwards, so the sampling sees the same numbers.
std::vector<int> DrawsAfter(uint32_t seed, int count)
{
    SeedRandom(seed);
    std::vector<int> draws;
    for (int i = 0; i < count; ++i)
        draws.push_back(NextRandom());
    SeedRandom(seed);
    return draws;
}

uint32_t IndexOf(int draw, uint32_t count)
{
    return static_cast<uint32_t>(static_cast<uint64_t>(draw) * count / 32768);
}

// A seed under which the five attempts of a sampling from two files, each
// attempt 21 draws long, open with the given picks.
uint32_t SeedOpeningAttemptsWith(const std::vector<uint32_t>& picks)
{
    for (uint32_t seed = 1; seed < 100000; ++seed) {
        const std::vector<int> draws = DrawsAfter(seed, 5 * 21);
        bool matches = true;
        for (std::size_t attempt = 0; attempt < picks.size(); ++attempt)
            matches = matches && IndexOf(draws[attempt * 21], 2) == picks[attempt];
        if (matches)
            return seed;
    }
    ADD_FAILURE() << "no such seed";
    return 1;
}

TEST(DrawSample, CapacityDecidesWhetherAnythingIsDrawn)
{
    // 0 counts as 1 KB, a negative Max KB sets no practical limit.
    const struct {
        uint32_t heldKB, sourceKB;
        int maxKB;
        bool drawn;
        std::vector<std::string> names;
    } rows[] = {
        {1000, 1000, 0, false, {"held.mp3"}},
        {1000, 1000, 1000, false, {"held.mp3"}},  // exactly full
        {0, 0, 1000000, false, {}},
        {0, 1000, 0, true, {}},  // not full, but nothing fits
        {1000000, 1000000, -1, true, {"held.mp3", "new.mp3"}},
        {1000000, 1000000, INT_MIN, true, {"held.mp3", "new.mp3"}},
    };
    for (const auto& row : rows) {
        Lists lists;
        if (row.heldKB)
            lists.internal.AddEntry("keep", "held.mp3", row.heldKB);
        if (row.sourceKB)
            lists.source.AddEntry("src", "new.mp3", row.sourceKB);
        EXPECT_EQ(row.drawn, DrawSample(lists.Internal(), row.maxKB, row.maxKB > 0)) << row.maxKB;
        EXPECT_EQ(row.names, NamesOf(lists.internal)) << row.maxKB;
    }
}

// One source file: the first draw takes it, twenty more are refused.
TEST(DrawSample, AttemptEndsAfterTwentyRefusalsInARowAndTheTopUpDrawsNothing)
{
    Lists lists;
    lists.source.AddEntry("src", "only.mp3", 5000);
    for (bool topUp : {false, true}) {
        lists.internal.RemoveAll();
        const std::vector<int> draws = DrawsAfter(78, 200);
        ASSERT_TRUE(DrawSample(lists.Internal(), 100000, true, FillRules{topUp, 0}));
        EXPECT_EQ(draws[5 * 21], NextRandom());
    }
}

TEST(DrawSample, OfEqualAttemptsTheFirstIsKeptAndAFullerOneWins)
{
    // Every attempt is 21 draws: its first draw takes one of the two files and
    // fills the budget, then twenty refusals follow.
    for (uint32_t firstPick : {0u, 1u}) {
        Lists lists;
        lists.source.AddEntry("src", "a.mp3", 1000);
        lists.source.AddEntry("src", "b.mp3", 1000);
        const uint32_t other = 1 - firstPick;
        SeedRandom(SeedOpeningAttemptsWith({firstPick, other, other, other, other}));
        ASSERT_TRUE(DrawSample(lists.Internal(), 1000, true));
        EXPECT_EQ((std::vector<std::string>{firstPick == 0 ? "a.mp3" : "b.mp3"}),
                  NamesOf(lists.internal));
    }

    Lists lists;
    lists.source.AddEntry("src", "a.mp3", 1000);
    lists.source.AddEntry("src", "b.mp3", 2000);
    SeedRandom(SeedOpeningAttemptsWith({0, 1, 0, 0, 0}));
    ASSERT_TRUE(DrawSample(lists.Internal(), 2000, true));
    EXPECT_EQ((std::vector<std::string>{"b.mp3"}), NamesOf(lists.internal));
}

TEST(DrawSample, SourceShownAsTheSampleGetsNothingNew)
{
    Lists lists;
    lists.source.SetMinKB(1);
    lists.source.AddEntry("src", "a.mp3", 500);
    lists.source.AddEntry("src", "b.mp3", 1500);
    SampleLists sameList{lists.source, lists.source, lists.external, lists.trial, lists.best};
    ASSERT_TRUE(DrawSample(sameList, INT_MAX, true));
    EXPECT_EQ((std::vector<std::string>{"a.mp3", "b.mp3"}), NamesOf(lists.source));
    EXPECT_EQ(2000u, lists.source.GetTotalKB());
}

TEST(DrawSample, EachFileCountsTheSpaceItTakesInWholeAllocationUnits)
{
    // 2 KB takes 4096 bytes: two such files fit in 10 KB, where the KB rule fits five.
    for (uint32_t unit : {0u, 4096u}) {
        Lists lists;
        lists.source.SetMinKB(1);
        lists.internal.SetMinKB(1);
        for (int i = 0; i < 10; ++i)
            lists.source.AddEntry("src", "s" + std::to_string(i) + ".mp3", 2);
        SeedRandom(3);
        ASSERT_TRUE(DrawSample(lists.Internal(), 10, true, FillRules{false, unit}));
        EXPECT_EQ(unit ? 2 : 5, lists.internal.GetCount());
        // What the sample held counts the same way: 4096 bytes fill 4 KB.
        lists.internal.RemoveAll();
        lists.internal.AddEntry("held", "held.mp3", 2);
        EXPECT_EQ(unit == 0, DrawSample(lists.Internal(), 4, true, FillRules{false, unit}));
    }
}

TEST(DrawSample, TopUpFillsTheRoomTheDrawLeftAndKeepsItsFiles)
{
    std::mt19937 random(9);
    std::uniform_int_distribution<uint32_t> sizeKB(2001, 12001);
    Lists lists;
    for (int i = 0; i < 300; ++i)
        lists.source.AddEntry("lib", "t" + std::to_string(i) + ".mp3", sizeKB(random));
    for (bool resample : {false, true}) {
        for (uint32_t seed = 1; seed <= 10; ++seed) {
            lists.internal.RemoveAll();
            SeedRandom(seed);
            DrawSample(lists.Internal(), 32600, resample);
            const std::vector<std::string> drawn = NamesOf(lists.internal);
            const uint32_t drawnKB = lists.internal.GetTotalKB();

            lists.internal.RemoveAll();
            SeedRandom(seed);
            DrawSample(lists.Internal(), 32600, resample, FillRules{true, 0});
            EXPECT_LE(lists.internal.GetTotalKB(), 32600u);
            EXPECT_GE(lists.internal.GetTotalKB(), 32600u * 995 / 1000) << seed;
            EXPECT_GE(lists.internal.GetTotalKB(), drawnKB);
            if (!resample) {
                // At most one file of the draw is swapped out.
                int kept = 0;
                for (const std::string& name : drawn)
                    kept += lists.internal.Contains(name);
                EXPECT_GE(kept + 1, static_cast<int>(drawn.size())) << seed;
            }
        }
    }
}

TEST(DrawSample, FilesLeftOutAreNeverTakenNorToppedUpWith)
{
    Lists lists;
    for (int i = 0; i < 30; ++i)
        lists.source.AddEntry("src", "s" + std::to_string(i) + ".mp3", 1000);
    // Marks for fewer files than the source leave the rest in.
    std::vector<bool> leftOut(25, true);
    SampleLists fresh = lists.Internal();
    fresh.leftOut = &leftOut;
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        lists.internal.RemoveAll();
        SeedRandom(seed);
        // The top-up passes them over as the draw does.
        ASSERT_TRUE(DrawSample(fresh, INT_MAX, true, FillRules{seed % 2 == 0, 0}));
        EXPECT_GT(lists.internal.GetCount(), 0);
        for (int i = 0; i < 25; ++i)
            EXPECT_EQ(0, lists.internal.Contains("s" + std::to_string(i) + ".mp3"));
    }

}

TEST(DrawSample, WhenEveryFileIsLeftOutNothingIsDrawn)
{
    Lists lists;
    lists.source.AddEntry("src", "a.mp3", 1000);
    lists.source.AddEntry("src", "b.mp3", 1000);
    std::vector<bool> leftOut = {true, true};
    SampleLists fresh = lists.Internal();
    fresh.leftOut = &leftOut;
    const std::vector<int> draws = DrawsAfter(3, 1);
    EXPECT_FALSE(DrawSample(fresh, 5000, false));
    EXPECT_EQ(0, lists.internal.GetCount());
    EXPECT_EQ(draws[0], NextRandom());  // not one draw made
}

// The sampling exactly as described, searching the lists one entry at a time.
void ReferenceDrawSample(SampleLists lists, int maxKB, bool resample)
{
    uint32_t capacity = static_cast<uint32_t>(maxKB);
    if (capacity == 0)
        capacity = 1;
    if (capacity <= lists.current.GetTotalKB())
        return;
    const uint32_t budget = capacity - lists.current.GetTotalKB();
    const int attempts = resample ? 5 : 1;
    const uint32_t n = static_cast<uint32_t>(lists.source.GetCount());
    if (n == 0)
        return;
    lists.best.CopyFrom(lists.current);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        lists.trial.CopyFrom(lists.current);
        uint32_t remaining = budget;
        int refused = 0;
        do {
            uint32_t index = IndexOf(NextRandom(), n);
            if (index > n - 1)
                index = n - 1;
            ++refused;
            const std::string name = lists.source.GetName(index);
            const std::string folder = lists.source.GetFolder(index);
            const uint32_t size = lists.source.GetSizeKB(index);
            if (size <= remaining && !lists.trial.Contains(name) && !lists.other.Contains(name) &&
                !(lists.leftOut && (*lists.leftOut)[index]) &&
                lists.trial.AddEntry(folder, name, size) != -1) {
                refused = 0;
                remaining -= size;
            }
        } while (refused < 20);
        if (lists.trial.GetTotalKB() > lists.best.GetTotalKB())
            lists.best.CopyFrom(lists.trial);
    }
    lists.current.CopyFrom(lists.best);
}

void FillLike(std::mt19937& random, Lists& lists)
{
    const char* extensions[] = {".mp3", ".MP3", ".wav", ".ogg", ""};
    auto name = [&] {
        std::string text = "n" + std::to_string(random() % 400) + extensions[random() % 5];
        for (char& c : text) {
            if (random() % 3 == 0 && c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        return text;
    };
    lists.source.SetMinKB(1);
    for (int i = 0; i < 1500; ++i)
        lists.source.AddEntry("f" + std::to_string(random() % 7), name(), 1 + random() % 30000);
    for (int i = 0; i < 40; ++i)
        lists.external.AddEntry("other", name(), 1000 + random() % 5000);
    for (int i = 0; i < 3; ++i)
        lists.internal.AddEntry("held", name(), 1000 + random() % 5000);
    lists.trial.SetExtensions("mp3,ogg");
}

// About a third of the source's files, left out as saved recently.
std::vector<bool> LeaveOutSome(std::mt19937& random, const CFileList& source)
{
    std::vector<bool> leftOut(static_cast<std::size_t>(source.GetCount()));
    for (std::size_t i = 0; i < leftOut.size(); ++i)
        leftOut[i] = random() % 3 == 0;
    return leftOut;
}

TEST(DrawSample, GivesWhatTheOneByOneSearchGives)
{
    std::mt19937 random(2024);
    for (int maxKB : {0, 5000, 60000, 400000, 5000000, -1}) {
        for (bool resample : {false, true}) {
            for (uint32_t seed = 1; seed <= 8; ++seed) {
                Lists fast;
                std::mt19937 fill(random());
                std::mt19937 sameFill = fill;
                FillLike(fill, fast);
                Lists reference;
                FillLike(sameFill, reference);
                // Every other run is a fresh draw.
                const std::vector<bool> leftOut = LeaveOutSome(fill, fast.source);
                SampleLists fastLists = fast.Internal(), referenceLists = reference.Internal();
                if (seed % 2 == 0)
                    fastLists.leftOut = referenceLists.leftOut = &leftOut;

                SeedRandom(seed);
                DrawSample(fastLists, maxKB, resample);
                const int fastNext = NextRandom();
                SeedRandom(seed);
                ReferenceDrawSample(referenceLists, maxKB, resample);
                const int referenceNext = NextRandom();

                ASSERT_EQ(reference.internal.GetCount(), fast.internal.GetCount());
                for (uint32_t i = 0; i < static_cast<uint32_t>(fast.internal.GetCount()); ++i) {
                    ASSERT_EQ(reference.internal.GetName(i), fast.internal.GetName(i));
                    ASSERT_EQ(reference.internal.GetFolder(i), fast.internal.GetFolder(i));
                    ASSERT_EQ(reference.internal.GetSizeKB(i), fast.internal.GetSizeKB(i));
                }
                ASSERT_EQ(reference.internal.GetTotalKB(), fast.internal.GetTotalKB());
                ASSERT_EQ(referenceNext, fastNext) << maxKB << " " << resample << " " << seed;
            }
        }
    }
}

// Up to 32,768 files a pick is one generator draw; beyond, two joined into 30
// bits. One file fills the capacity, then twenty refusals end the attempt.
TEST(DrawSample, LargeSourcesTakeTwoDrawsAPick)
{
    for (uint32_t count : {32768u, 32769u}) {
        Lists lists;
        for (uint32_t i = 0; i < count; ++i)
            lists.source.AddEntry("lib", "f" + std::to_string(i) + ".mp3", 1000);
        const uint32_t drawsAPick = count > 32768 ? 2 : 1;
        const std::vector<int> draws = DrawsAfter(7, static_cast<int>(21 * drawsAPick + 1));
        ASSERT_TRUE(DrawSample(lists.Internal(), 1000, false));
        EXPECT_EQ(draws.back(), NextRandom()) << count;
        const uint64_t first = drawsAPick == 1 ? static_cast<uint64_t>(draws[0]) * count / 32768
                                               : ((static_cast<uint64_t>(draws[0]) << 15) | draws[1]) *
                                                     count / (32768u * 32768u);
        EXPECT_EQ((std::vector<std::string>{"f" + std::to_string(first) + ".mp3"}),
                  NamesOf(lists.internal));
    }
}

}  // namespace
