#include "catalogue/FileList.h"

#include <gtest/gtest.h>

namespace {

TEST(FileList, NewListAdmitsEveryExtensionFromOneThousandToOneMillionKB)
{
    CFileList list(50, 50);
    EXPECT_EQ(-1, list.AddEntry("f", "small.mp3", 999));
    EXPECT_EQ(0, list.AddEntry("f", "low.xyz", 1000));
    EXPECT_EQ(1, list.AddEntry("f", "high", 1000000));
    EXPECT_EQ(-1, list.AddEntry("f", "huge.mp3", 1000001));
    EXPECT_EQ(2, list.GetCount());
    EXPECT_EQ(1001000u, list.GetTotalKB());
}

TEST(FileList, ExtensionIsLookedForAsAnyPartOfTheList)
{
    CFileList list(50, 50);
    list.SetExtensions("MP3");
    for (const char* name : {"a.mp3", "a.MP3", "a.mp", "a.3", "a.", "a", "x.wav.mp3"})
        EXPECT_GE(list.AddEntry("f", name, 1000), 0) << name;
    for (const char* name : {"a.wav", "x.mp3.wav", "a.mp4", "a.mp3 "})
        EXPECT_EQ(-1, list.AddEntry("f", name, 1000)) << name;

    // The commas are text like any other; only A-Z change case.
    list.SetExtensions("mp3,WAV");
    for (const char* name : {"a.wav", "a.3,w", "a.P3,W"})
        EXPECT_GE(list.AddEntry("f", name, 1000), 0) << name;
    list.SetExtensions("\xC4mp3");
    EXPECT_EQ(-1, list.AddEntry("f", "a.\xE4mp3", 1000));
    EXPECT_GE(list.AddEntry("f", "a.\xC4MP3", 1000), 0);

    // A long list is kept whole.
    list.SetExtensions(std::string(400, 'x') + ",FLAC");
    EXPECT_GE(list.AddEntry("f", "a.flac", 1000), 0);
    EXPECT_GE(list.AddEntry("f", "b." + std::string(300, 'x'), 1000), 0);
    EXPECT_EQ(-1, list.AddEntry("f", "c." + std::string(401, 'x'), 1000));
}

TEST(FileList, SizeLimitsAreInclusiveAndOnlyGuardLaterAdmissions)
{
    CFileList list(50, 50);
    list.SetMinKB(10);
    list.SetMaxKB(20);
    EXPECT_EQ(-1, list.AddEntry("", "a", 9));
    EXPECT_EQ(0, list.AddEntry("", "a", 10));
    EXPECT_EQ(1, list.AddEntry("", "a", 20));
    EXPECT_EQ(-1, list.AddEntry("", "a", 21));

    list.SetMinKB(15);
    EXPECT_EQ(2, list.GetCount());
    EXPECT_EQ(10u, list.GetSizeKB(0));
    EXPECT_EQ(-1, list.AddEntry("", "b", 10));

    list.SetMinKB(0);
    list.SetMaxKB(0xFFFFFFFFu);
    EXPECT_EQ(2, list.AddEntry("", "zero", 0));
    EXPECT_EQ(3, list.AddEntry("", "max", 0xFFFFFFFFu));
}

TEST(FileList, RemovingKeepsTheOrderAndTheTotal)
{
    CFileList list(1, 1);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(i, list.AddEntry("f" + std::to_string(i), "n" + std::to_string(i), 1000 + i));
    list.RemoveAt(0);
    EXPECT_EQ(99, list.GetCount());
    EXPECT_EQ("n1", list.GetName(0));
    EXPECT_EQ("f1", list.GetFolder(0));
    EXPECT_EQ(1001u, list.GetSizeKB(0));
    EXPECT_EQ(100u * 1000 + 4950 - 1000, list.GetTotalKB());

    const uint32_t total = list.GetTotalKB();
    list.RemoveAt(99);
    list.RemoveAt(static_cast<uint32_t>(-1));
    EXPECT_EQ(99, list.GetCount());
    EXPECT_EQ(total, list.GetTotalKB());
    EXPECT_EQ("", list.GetName(99));
    EXPECT_EQ("", list.GetFolder(99));
    EXPECT_EQ("", list.GetFolder(static_cast<uint32_t>(-1)));
    EXPECT_EQ(0u, list.GetSizeKB(99));

    list.RemoveAll();
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(0u, list.GetTotalKB());
    EXPECT_EQ(-1, list.AddEntry("f", "small", 999));  // the filters stay
}

TEST(FileList, NamesMatchIgnoringCaseAndFolder)
{
    CFileList list(50, 50);
    list.AddEntry("first", "song.mp3", 1000);
    list.AddEntry("other", "x.mp3", 2000);
    list.AddEntry("second", "Song.MP3", 3000);
    EXPECT_EQ(1, list.Contains("SONG.mp3"));
    EXPECT_EQ(0, list.Contains("song.mp"));
    EXPECT_EQ(0, list.Contains("first\\song.mp3"));

    list.RemoveByName("SONG.MP3");
    ASSERT_EQ(2, list.GetCount());
    EXPECT_EQ("x.mp3", list.GetName(0));
    EXPECT_EQ("second", list.GetFolder(1));
    EXPECT_EQ(5000u, list.GetTotalKB());

    list.RemoveByName("missing");
    EXPECT_EQ(2, list.GetCount());

    // Only A to Z fold, and nothing just outside them.
    list.AddEntry("", "\xC4" "BC.mp3", 1000);
    EXPECT_EQ(1, list.Contains("\xC4" "bc.MP3"));
    EXPECT_EQ(0, list.Contains("\xE4" "bc.mp3"));
    list.AddEntry("", "Za@[.mp3", 1000);
    EXPECT_EQ(1, list.Contains("zA@[.mp3"));
    EXPECT_EQ(0, list.Contains("za`[.mp3"));
    EXPECT_EQ(0, list.Contains("za@{.mp3"));
}

TEST(FileList, CopyFromRefiltersWithCopiedLimitsAndOwnExtensions)
{
    CFileList source(50, 50);
    source.SetMinKB(1);
    source.SetExtensions("mp3,ogg,wav");
    source.AddEntry("a", "one.mp3", 1);
    source.AddEntry("a", "two.wav", 5000);
    source.AddEntry("b", "three.ogg", 7000);
    source.AddEntry("b", "four.MP3", 9000);

    CFileList target(50, 50);
    target.SetExtensions("mp3");
    target.AddEntry("old", "gone.mp3", 1000);
    target.CopyFrom(source);
    ASSERT_EQ(2, target.GetCount());
    EXPECT_EQ("one.mp3", target.GetName(0));
    EXPECT_EQ("four.MP3", target.GetName(1));
    EXPECT_EQ("b", target.GetFolder(1));
    EXPECT_EQ(9001u, target.GetTotalKB());

    // The copied lower limit now applies to the target's own admissions too.
    EXPECT_GE(target.AddEntry("", "tiny.mp3", 1), 0);

    // A sample list passes its limits on, so copying it back drops what is too small.
    CFileList sample(50, 50);
    source.CopyFrom(sample);
    EXPECT_EQ(0, source.GetCount());
    EXPECT_EQ(-1, source.AddEntry("", "small.mp3", 999));

    // A maximum above the default is copied too.
    source.SetMaxKB(3000000);
    ASSERT_EQ(0, source.AddEntry("a", "long.mp3", 2000000));
    target.CopyFrom(source);
    EXPECT_EQ(1, target.GetCount());

    // Onto itself nothing changes, though its extensions would now drop the entry.
    target.SetExtensions("wav");
    EXPECT_EQ(&target, &target.CopyFrom(target));
    ASSERT_EQ(1, target.GetCount());
    EXPECT_EQ("long.mp3", target.GetName(0));
    EXPECT_EQ(2000000u, target.GetTotalKB());
}

}  // namespace
