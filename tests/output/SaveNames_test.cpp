#include "output/SaveNames.h"

#include <gtest/gtest.h>

#include <set>

TEST(SaveNames, WhatACardRefusesBecomesUnderscores)
{
    const struct {
        const char* name;
        bool refused;
        const char* safe;
        const char* tried;
    } rows[] = {
        {"song.mp3", false, "song.mp3", "song.mp3"},
        {"a?b:c*d\"e<f>g|h\\i.mp3", true, "a_b_c_d_e_f_g_h_i.mp3", "a?b:c*d\"e<f>g|h\\i.mp3"},
        {"track.", true, "track_", "track_"},
        {"track. .", true, "track___", "track___"},
        {"track .mp3", false, "track .mp3", "track .mp3"},
        {"caf\xC3\xA9 #1 (live).mp3", false, "caf\xC3\xA9 #1 (live).mp3", "caf\xC3\xA9 #1 (live).mp3"},
        {"", false, "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.refused, CardRefusesName(row.name)) << row.name;
        EXPECT_EQ(row.safe, CardSafeName(row.name)) << row.name;
        EXPECT_EQ(row.tried, NameToTry(row.name)) << row.name;
    }
}

TEST(SaveNames, AClashGetsTheFirstFreeNumber)
{
    EXPECT_EQ("song (2).mp3", NumberedName("song.mp3", 2));
    EXPECT_EQ("a.b (3).mp3", NumberedName("a.b.mp3", 3));
    EXPECT_EQ("notes (2)", NumberedName("notes", 2));
    EXPECT_EQ(".hidden (2)", NumberedName(".hidden", 2));

    // "b.mp3" and "b (2).mp3" are files already there that must be left alone.
    const std::set<std::string> inUse = {"b.mp3", "b (2).mp3"};
    CSaveNames names([&](const std::string& name) { return inUse.count(name) != 0; });
    EXPECT_EQ("a.mp3", names.Claim("a.mp3"));
    EXPECT_EQ("A (2).MP3", names.Claim("A.MP3"));
    EXPECT_EQ("a (3).mp3", names.Claim("a.mp3"));
    EXPECT_EQ("b (3).mp3", names.Claim("b.mp3"));
    EXPECT_EQ("c.mp3", names.Claim("c.mp3"));
}
