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

TEST(DrawSample, FullSampleOrEmptySourceChangesNothing)
{
    Lists lists;
    lists.internal.AddEntry("keep", "held.mp3", 1000);
    lists.source.AddEntry("src", "new.mp3", 1000);

    EXPECT_FALSE(DrawSample(lists.Internal(), 0, true));     // 0 counts as 1 KB
    EXPECT_FALSE(DrawSample(lists.Internal(), 1000, true));  // exactly full
    EXPECT_EQ((std::vector<std::string>{"held.mp3"}), NamesOf(lists.internal));

    Lists empty;
    EXPECT_FALSE(DrawSample(empty.Internal(), 1000000, true));
    EXPECT_EQ(0, empty.internal.GetCount());

    // With an empty sample the 1 KB capacity is not full, but nothing fits it.
    lists.internal.RemoveAll();
    EXPECT_TRUE(DrawSample(lists.Internal(), 0, false));
    EXPECT_EQ(0, lists.internal.GetCount());
}

TEST(DrawSample, NegativeMaxKBSetsNoPracticalLimit)
{
    for (int maxKB : {-1, INT_MIN}) {
        Lists lists;
        lists.internal.AddEntry("keep", "held.mp3", 1000000);
        lists.source.AddEntry("src", "new.mp3", 1000000);
        EXPECT_TRUE(DrawSample(lists.Internal(), maxKB, false));
        EXPECT_EQ((std::vector<std::string>{"held.mp3", "new.mp3"}), NamesOf(lists.internal));
    }
}

TEST(DrawSample, AttemptEndsAfterTwentyRefusalsInARow)
{
    // One source file: the first draw takes it, twenty more are refused.
    Lists lists;
    lists.source.AddEntry("src", "only.mp3", 5000);
    std::vector<int> draws = DrawsAfter(77, 200);
    ASSERT_TRUE(DrawSample(lists.Internal(), 5000, false));  // exactly uses up the budget
    EXPECT_EQ(5000u, lists.internal.GetTotalKB());
    EXPECT_EQ(draws[21], NextRandom());

    lists.internal.RemoveAll();
    draws = DrawsAfter(78, 200);
    ASSERT_TRUE(DrawSample(lists.Internal(), 100000, true));
    EXPECT_EQ(draws[5 * 21], NextRandom());

    // Files under 1000 KB never enter a sample, whatever the source admits.
    Lists small;
    small.source.SetMinKB(1);
    small.source.AddEntry("src", "a.mp3", 999);
    small.source.AddEntry("src", "b.mp3", 1);
    draws = DrawsAfter(79, 200);
    EXPECT_TRUE(DrawSample(small.Internal(), 100000, false));
    EXPECT_EQ(0, small.internal.GetCount());
    EXPECT_EQ(draws[20], NextRandom());
}

TEST(DrawSample, NamesAreNeverDoubledNorTakenFromTheOtherView)
{
    Lists lists;
    for (int i = 0; i < 40; ++i)
        lists.source.AddEntry("src", "s" + std::to_string(i) + ".mp3", 1000);
    lists.source.AddEntry("x", "twin.mp3", 1000);
    lists.source.AddEntry("y", "TWIN.MP3", 1000);
    for (int i = 0; i < 20; ++i)
        lists.external.AddEntry("elsewhere", "S" + std::to_string(i) + ".MP3", 1000);

    for (uint32_t seed = 1; seed <= 20; ++seed) {
        lists.internal.RemoveAll();
        SeedRandom(seed);
        ASSERT_TRUE(DrawSample(lists.Internal(), INT_MAX, true));
        const std::vector<std::string> names = NamesOf(lists.internal);
        ASSERT_FALSE(names.empty());
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(0, lists.internal.Contains("s" + std::to_string(i) + ".mp3"));
        int twins = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            twins += names[i] == "twin.mp3" || names[i] == "TWIN.MP3";
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_NE(names[i], names[j]);
        }
        EXPECT_LE(twins, 1);
    }
    EXPECT_EQ(20, lists.external.GetCount());
}

TEST(DrawSample, EntriesHeldBeforeStayFirst)
{
    Lists lists;
    lists.internal.AddEntry("keep", "first.mp3", 2000);
    lists.internal.AddEntry("keep", "second.mp3", 3000);
    for (int i = 0; i < 30; ++i)
        lists.source.AddEntry("src", "s" + std::to_string(i) + ".mp3", 1000 + i);
    SeedRandom(5);
    ASSERT_TRUE(DrawSample(lists.Internal(), 20000, true));
    ASSERT_GT(lists.internal.GetCount(), 2);
    EXPECT_EQ("first.mp3", lists.internal.GetName(0));
    EXPECT_EQ("second.mp3", lists.internal.GetName(1));
    EXPECT_LE(lists.internal.GetTotalKB(), 20000u);
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

TEST(DrawSample, FilesLeftOutAreNeverTakenAndWithNoneTheDrawIsAsBefore)
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
        ASSERT_TRUE(DrawSample(fresh, INT_MAX, true));
        EXPECT_GT(lists.internal.GetCount(), 0);
        for (int i = 0; i < 25; ++i)
            EXPECT_EQ(0, lists.internal.Contains("s" + std::to_string(i) + ".mp3"));
    }

    // None left out: the same sample and the same draws as without marks.
    leftOut.assign(30, false);
    lists.internal.RemoveAll();
    SeedRandom(9);
    ASSERT_TRUE(DrawSample(fresh, 20000, true));
    const std::vector<std::string> withNone = NamesOf(lists.internal);
    const int nextWithNone = NextRandom();
    lists.internal.RemoveAll();
    SeedRandom(9);
    ASSERT_TRUE(DrawSample(lists.Internal(), 20000, true));
    EXPECT_EQ(NamesOf(lists.internal), withNone);
    EXPECT_EQ(NextRandom(), nextWithNone);
}

TEST(DrawSample, WhenEveryFileIsLeftOutNothingIsDrawn)
{
    Lists lists;
    lists.source.AddEntry("src", "a.mp3", 1000);
    lists.source.AddEntry("src", "b.mp3", 1000);
    std::vector<bool> leftOut = {true, false};
    SampleLists fresh = lists.Internal();
    fresh.leftOut = &leftOut;
    const std::vector<int> draws = DrawsAfter(3, 1);
    ASSERT_TRUE(DrawSample(fresh, 5000, false));
    EXPECT_EQ((std::vector<std::string>{"b.mp3"}), NamesOf(lists.internal));

    lists.internal.RemoveAll();
    leftOut = {true, true};
    SeedRandom(3);
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

// A single draw scaled to 40,000 files could reach only 32,768 of them.
TEST(DrawSample, EveryFileOfALargeSourceCanBeDrawn)
{
    const uint32_t count = 40000;
    std::vector<bool> reachableByOneDraw(count, false);
    for (uint32_t r = 0; r < 32768; ++r)
        reachableByOneDraw[IndexOf(static_cast<int>(r), count)] = true;
    int drawn = 0, unreachable = 0, lastThird = 0;
    for (uint32_t seed : {1u, 7u, 12345u}) {
        Lists lists;
        for (uint32_t i = 0; i < count; ++i)
            lists.source.AddEntry("lib", std::to_string(i) + ".mp3", 1000);
        SeedRandom(seed);
        DrawSample(lists.Internal(), 3000000, false);
        for (uint32_t i = 0; i < static_cast<uint32_t>(lists.internal.GetCount()); ++i) {
            const uint32_t index = static_cast<uint32_t>(std::stoul(lists.internal.GetName(i)));
            ++drawn;
            unreachable += reachableByOneDraw[index] ? 0 : 1;
            lastThird += index >= count * 2 / 3 ? 1 : 0;
        }
    }
    ASSERT_GT(drawn, 3000);
    EXPECT_GT(unreachable * 10, drawn);
    EXPECT_NEAR(static_cast<double>(lastThird) / drawn, 1.0 / 3, 0.03);
}

}  // namespace
