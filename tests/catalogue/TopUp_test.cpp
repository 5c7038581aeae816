#include "catalogue/SpaceTaken.h"
#include "catalogue/TopUp.h"
#include "support/ListNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fixtures::NamesOf;
using Names = std::vector<std::string>;

const uint64_t KB = 1000;

TEST(SpaceTaken, KBAsTheyAreOrTheMostBytesRoundedUpToWholeUnits)
{
    const struct {
        uint32_t sizeKB, unit;
        uint64_t space;
    } rows[] = {
        {5, 0, 5000},          {0, 4096, 0},          {1, 4096, 4096},
        {4, 4096, 4096},       {5, 4096, 8192},       {32, 32768, 32768},
        {33, 32768, 65536},
        // A 1000-byte unit is the KB rule itself; 64 KB fill 125 units of 512;
        // 1 KB holds at most 999 bytes.
        {5, 1000, 5000},       {64, 512, 64000},      {1, 999, 999},    {0xFFFFFFFFu, 0, 4294967295000ull},
        {0xFFFFFFFFu, 4096, 4294967296000ull},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.space, SpaceTaken(row.sizeKB, row.unit)) << row.sizeKB << " " << row.unit;
}

// A sample as one attempt leaves it: `held` before the draw, `drawn` by it.
struct Attempt {
    CFileList source{50, 50}, trial{50, 50}, other{50, 50};
    NameIndex names, avoided;
    std::vector<bool> leftOut;
    int firstDrawn = 0;

    Attempt(const std::vector<std::pair<std::string, uint32_t>>& files, const Names& held,
            const Names& drawn)
    {
        source.SetMinKB(1);
        for (const auto& file : files)
            source.AddEntry("src", file.first, file.second);
        for (const Names* part : {&held, &drawn}) {
            for (const std::string& name : *part) {
                for (int i = 0; i < source.GetCount(); ++i) {
                    if (source.GetName(static_cast<uint32_t>(i)) == name)
                        trial.AddEntry("src", name, source.GetSizeKB(static_cast<uint32_t>(i)));
                }
            }
            if (part == &held)
                firstDrawn = trial.GetCount();
        }
        names.Fill(trial);
    }
    uint64_t Used(uint32_t unit) const
    {
        uint64_t used = 0;
        for (uint32_t i = 0; i < static_cast<uint32_t>(trial.GetCount()); ++i)
            used += SpaceTaken(trial.GetSizeKB(i), unit);
        return used;
    }
    // Tops up to `budget` bytes and gives the room left.
    uint64_t TopUp(uint64_t budget, uint32_t unit = 0)
    {
        avoided.Fill(other);
        const CTopUp topUp(source, trial, &leftOut, unit, budget);
        topUp.Fill(DrawnSample{trial, names, avoided, firstDrawn}, budget - Used(unit));
        EXPECT_LE(Used(unit), budget);
        return budget - Used(unit);
    }
};

TEST(TopUp, TakesTheLargestFreeFileThatFitsUntilNoneDoes)
{
    Attempt attempt({{"a.mp3", 1000}, {"b.mp3", 2000}, {"c.mp3", 2500}, {"d.mp3", 4000},
                     {"e.mp3", 4001}, {"f.mp3", 50000}},
                    {}, {});
    EXPECT_EQ(99 * KB, attempt.TopUp(6600 * KB));
    EXPECT_EQ((Names{"e.mp3", "c.mp3"}), NamesOf(attempt.trial));

    // Names the sample holds or must avoid are passed over (A-Z case ignored), as
    // are files its filters refuse; a file that fills the room exactly is taken.
    Attempt named({{"a.mp3", 1000}, {"b.mp3", 2000}, {"held.mp3", 2000}, {"x.mp3", 3000},
                   {"y.wav", 2900}, {"z.mp3", 2800}, {"HELD.MP3", 4000}, {"low.mp3", 999}},
                  {"held.mp3"}, {});
    named.trial.SetMinKB(1000);
    named.trial.SetExtensions("mp3");
    named.other.AddEntry("elsewhere", "X.MP3", 1000);
    EXPECT_EQ(0u, named.TopUp((2000 + 4800) * KB));
    EXPECT_EQ((Names{"held.mp3", "z.mp3", "b.mp3"}), NamesOf(named.trial));
}

TEST(TopUp, SwapsOneDrawnFileWhenTheFillLeavesMoreThanAThousandthOfTheBudget)
{
    // No free file fits the 1500 KB left. A drawn file is swapped for the free one
    // that best fills its space and the room; the file held before stays first.
    // Of 4500 (via held.mp3) and 6400 (via drawn.mp3) only the latter may be used.
    const std::vector<std::pair<std::string, uint32_t>> files = {
        {"held.mp3", 3000}, {"drawn.mp3", 5000}, {"other.mp3", 4500}, {"tight.mp3", 5008},
        {"fits.mp3", 6400}, {"more.mp3", 6600},  {"small.mp3", 90}};
    Attempt attempt(files, {"held.mp3"}, {"drawn.mp3"});
    EXPECT_EQ(100 * KB, attempt.TopUp(9500 * KB));
    EXPECT_EQ((Names{"held.mp3", "fits.mp3"}), NamesOf(attempt.trial));
    EXPECT_FALSE(attempt.names.Holds("drawn.mp3"));
    EXPECT_TRUE(attempt.names.Holds("FITS.mp3"));

    // 8 KB left of 8008: not worth a file of the draw.
    Attempt small(files, {"held.mp3"}, {"drawn.mp3"});
    EXPECT_EQ(8 * KB, small.TopUp(8008 * KB));
    EXPECT_EQ((Names{"held.mp3", "drawn.mp3"}), NamesOf(small.trial));
    // Exactly a thousandth (5 KB of 5000) is not worth it either.
    Attempt edge({{"drawn.mp3", 4995}, {"tight.mp3", 5000}}, {}, {"drawn.mp3"});
    EXPECT_EQ(5 * KB, edge.TopUp(5000 * KB));
    // The smallest file of the source may be the one swapped in.
    Attempt smallest({{"big.mp3", 6000}}, {}, {});
    smallest.trial.AddEntry("x", "drawn.mp3", 5000);
    smallest.names.Fill(smallest.trial);
    EXPECT_EQ(500 * KB, smallest.TopUp(6500 * KB));
    EXPECT_EQ((Names{"big.mp3"}), NamesOf(smallest.trial));
}

TEST(TopUp, FillsAgainAfterASwapWithTheFileOfTheNameItFreed)
{
    // The draw took x/a.mp3, so y/a.mp3 was passed over for its name. Swapping
    // a.mp3 for c.mp3 frees the name, and y/a.mp3 fits the room then.
    Attempt attempt({{"a.mp3", 5000}, {"a.mp3", 1000}, {"c.mp3", 5087}}, {}, {});
    attempt.trial.AddEntry("x", "a.mp3", 5000);
    attempt.names.Fill(attempt.trial);
    EXPECT_EQ(118 * KB, attempt.TopUp(6205 * KB));
    EXPECT_EQ((Names{"c.mp3", "a.mp3"}), NamesOf(attempt.trial));
    // A y/a.mp3 larger than the room the swap leaves stays out.
    Attempt larger({{"a.mp3", 5000}, {"a.mp3", 1150}, {"c.mp3", 5087}}, {}, {});
    larger.trial.AddEntry("x", "a.mp3", 5000);
    larger.names.Fill(larger.trial);
    EXPECT_EQ(1118 * KB, larger.TopUp(6205 * KB));
}

TEST(TopUp, CountsTheSpaceEachFileTakesAtTheDestination)
{
    // In 4096-byte units 4 KB takes one unit and 5 or 6 KB two, so of 12288 bytes
    // six.mp3 leaves room for four.mp3 only; counted in KB, five.mp3 would fit too.
    Attempt attempt({{"four.mp3", 4}, {"five.mp3", 5}, {"six.mp3", 6}}, {}, {});
    attempt.trial.SetMinKB(1);
    EXPECT_EQ(0u, attempt.TopUp(12288, 4096));
    EXPECT_EQ((Names{"six.mp3", "four.mp3"}), NamesOf(attempt.trial));
}

}  // namespace
