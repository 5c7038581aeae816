#include "catalogue/HistoryLine.h"
#include "catalogue/SaveHistory.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

using fixtures::TempFolder;

const int64_t kDay = 86400;
const int64_t kNow = 1709251200;  // 2024-03-01T00:00:00Z

using fixtures::ReadBytes;

TEST(HistoryLine, TimesAreUtcInIsoFormAndReadBackExactly)
{
    EXPECT_EQ("2024-03-01T00:00:00Z\t/m/a b.mp3\n", HistoryLine(kNow, "/m/a b.mp3"));
    EXPECT_EQ("2024-02-29T23:59:59Z\tC:\\M\\b.mp3\n", HistoryLine(kNow - 1, "C:\\M\\b.mp3"));
    EXPECT_EQ("2000-03-01T00:00:00Z\tx\n", HistoryLine(951868800, "x"));
    EXPECT_EQ("2100-02-28T23:59:59Z\tx\n", HistoryLine(4107542399, "x"));
    EXPECT_EQ("1969-12-31T23:59:59Z\tx\n", HistoryLine(-1, "x"));
    // Every day of four centuries, at a time that moves through the day.
    for (int64_t when = 0; when < 146097 * kDay; when += kDay + 3607) {
        const std::string line = HistoryLine(when, "p");
        const std::string withoutEnd = line.substr(0, line.size() - 1);
        int64_t read = 0;
        std::string_view path;
        ASSERT_TRUE(ParseHistoryLine(withoutEnd, read, path)) << line;
        ASSERT_EQ(when, read);
        ASSERT_EQ("p", path);
    }
}

TEST(HistoryLine, DamagedLinesAreRefused)
{
    int64_t when = 0;
    std::string_view path;
    ASSERT_TRUE(ParseHistoryLine("2024-02-29T12:00:00Z\t/a b\tc.mp3", when, path));
    EXPECT_EQ(kNow - 12 * 3600, when);
    EXPECT_EQ("/a b\tc.mp3", path);  // a tab in a name stays
    for (const char* damaged :
         {"", "garbage", "2024-02-30T00:00:00Z\tx", "2023-02-29T00:00:00Z\tx",
          "2024-13-01T00:00:00Z\tx", "2024-01-01T24:00:00Z\tx", "2024-01-01T00:60:00Z\tx",
          "2024-01-01T00:00:60Z\tx", "2024-01-01 00:00:00Z\tx", "2024-01-01T00:00:00+\tx",
          "2024-01-01T00:00:00\tx", "2024-01-01T00:00:00Z x", "2024-01-01T00:00:00Z\t",
          "-001-01-01T00:00:00Z\tx", "2024-1-01T00:00:00Z\tx", "2O24-01-01T00:00:00Z\tx"}) {
        when = 7;
        EXPECT_FALSE(ParseHistoryLine(damaged, when, path)) << damaged;
        EXPECT_EQ(7, when) << damaged;
    }
    // Through a common and a leap year, the day after each day's date is read
    // only where the month has it.
    for (int64_t noon = kNow - 425 * kDay + 43200; noon < kNow + 306 * kDay; noon += kDay) {
        std::string line = HistoryLine(noon, "x");
        line.pop_back();
        const int day = std::stoi(line.substr(8, 2)) + 1;
        line.replace(8, 2, (day < 10 ? "0" : "") + std::to_string(day));
        const std::string next = HistoryLine(noon + kDay, "x");
        EXPECT_EQ(next.compare(0, 10, line, 0, 10) == 0, ParseHistoryLine(line, when, path)) << line;
    }
}

TEST(RecentSaves, PathsMatchAsTheSystemComparesThem)
{
    CRecentSaves recent;
    recent.Add(fixtures::JoinPath("Music", "Song.mp3"));
    CFileList list(10, 10);
    list.SetMinKB(0);
    list.AddEntry("Music", "Song.mp3", 5);
    list.AddEntry("MUSIC", "song.MP3", 5);
    list.AddEntry("Music", "Song.mp", 5);
    list.AddEntry("Musi", "cSong.mp3", 5);
    list.AddEntry("Music", "Song.mp3", 5);
    EXPECT_EQ((std::vector<bool>{true, platform::kPathsIgnoreCase, false, false, true}),
              MarkRecentlySaved(list, recent));
    recent.Clear();
    EXPECT_TRUE(recent.Empty());
    EXPECT_EQ(std::vector<bool>(5, false), MarkRecentlySaved(list, recent));
    recent.Add(fixtures::JoinPath("Musi", "cSong.mp3"));  // filled again after clearing
    EXPECT_EQ((std::vector<bool>{false, false, false, true, false}), MarkRecentlySaved(list, recent));
}

TEST(SaveHistory, RecordsAreAppendedAndTheRecentOnesReadBack)
{
    TempFolder temp;
    CSaveHistory history(temp.Join("t.history"));
    CRecentSaves recent;
    EXPECT_TRUE(history.ReadRecent(30, kNow, recent));  // none yet
    EXPECT_TRUE(recent.Empty());
    EXPECT_TRUE(history.Record({"/m/two\nlines.mp3"}, kNow));  // nothing to record
    EXPECT_FALSE(platform::PathExists(history.Path()));

    ASSERT_TRUE(history.Record({"/m/old.mp3"}, kNow - 30 * kDay - 1));
    ASSERT_TRUE(history.Record({"/m/edge.mp3", "/m/two\nlines.mp3", "/m/cr\r.mp3", "/m/new.mp3"},
                               kNow - 30 * kDay));
    EXPECT_EQ("2024-01-30T23:59:59Z\t/m/old.mp3\n"
              "2024-01-31T00:00:00Z\t/m/edge.mp3\n"
              "2024-01-31T00:00:00Z\t/m/new.mp3\n",
              ReadBytes(history.Path()));

    ASSERT_TRUE(history.ReadRecent(30, kNow, recent));
    EXPECT_TRUE(recent.Holds("/m/edge.mp3"));
    EXPECT_TRUE(recent.Holds("/m/new.mp3"));
    EXPECT_FALSE(recent.Holds("/m/old.mp3"));
    CRecentSaves none, lastDay;
    ASSERT_TRUE(history.ReadRecent(0, kNow, none));
    EXPECT_TRUE(none.Empty());
    ASSERT_TRUE(history.ReadRecent(1, kNow - 29 * kDay, lastDay));
    EXPECT_TRUE(lastDay.Holds("/m/new.mp3"));
}

TEST(SaveHistory, DamagedLinesAreSkippedAndTheRestIsRead)
{
    TempFolder temp;
    const std::string path = temp.Join("t.history");
    std::string good = HistoryLine(kNow - kDay, "/m/a.mp3");
    good.insert(good.size() - 1, "\r");  // a line end written on Windows
    ASSERT_TRUE(fixtures::WriteBytes(path, "garbage\n\n" + good + "2024-02-30T00:00:00Z\t/m/b.mp3\n" +
                                               "2024-02-29T00:00:00Z\t/m/c.mp3"));
    CSaveHistory history(path);
    CRecentSaves recent;
    ASSERT_TRUE(history.ReadRecent(3, kNow, recent));
    EXPECT_TRUE(recent.Holds("/m/a.mp3"));
    EXPECT_FALSE(recent.Holds("/m/b.mp3"));
    EXPECT_TRUE(recent.Holds("/m/c.mp3"));  // the last line needs no line end
    // A record goes on a line of its own after it.
    ASSERT_TRUE(history.Record({"/m/d.mp3"}, kNow));
    CRecentSaves after;
    ASSERT_TRUE(history.ReadRecent(3, kNow, after));
    EXPECT_TRUE(after.Holds("/m/c.mp3"));
    EXPECT_TRUE(after.Holds("/m/d.mp3"));
}

TEST(SaveHistory, ExpiredLinesGoOnceTheOldestIsAMonthPastThem)
{
    TempFolder temp;
    const std::string path = temp.Join("t.history");
    const std::string kept = HistoryLine(kNow - 400 * kDay, "/m/kept.mp3");
    const std::string expired = HistoryLine(kNow - 400 * kDay - 1, "/m/expired.mp3");
    const std::string untidy = expired + kept + "junk\n";
    for (bool reading : {true, false}) {
        // Not yet a month past: the file stays as it is.
        ASSERT_TRUE(fixtures::WriteBytes(path, untidy));
        CSaveHistory early(path);
        CRecentSaves recent;
        ASSERT_TRUE(reading ? early.ReadRecent(500, kNow, recent)
                            : static_cast<bool>(early.Record({}, kNow)));
        EXPECT_EQ(untidy, ReadBytes(path));

        ASSERT_TRUE(fixtures::WriteBytes(path, HistoryLine(kNow - 430 * kDay - 1, "/m/ancient.mp3") + untidy));
        CSaveHistory late(path);
        ASSERT_TRUE(reading ? late.ReadRecent(500, kNow, recent)
                            : static_cast<bool>(late.Record({"/m/new.mp3"}, kNow)));
        EXPECT_EQ(reading ? kept : kept + HistoryLine(kNow, "/m/new.mp3"), ReadBytes(path));
        EXPECT_EQ(reading, recent.Holds("/m/ancient.mp3"));  // read before it went
    }
}

TEST(SaveHistory, TidyingWaitsForTheAppendInHandAndKeepsItsLine)
{
    TempFolder temp;
    const std::string path = temp.Join("t.history");
    const std::string kept = HistoryLine(kNow - kDay, "/m/kept.mp3");
    const std::string untidy = HistoryLine(kNow - 431 * kDay, "/m/ancient.mp3") + kept;
    const std::string added = HistoryLine(kNow, "/m/added.mp3");
    ASSERT_TRUE(fixtures::WriteBytes(path, untidy));
    std::thread reader;
    std::string meanwhile;
    // Another program appending: it holds the lock while it writes.
    ASSERT_TRUE(platform::WithFileLock(path, [&] {
        reader = std::thread([&] {
            CSaveHistory history(path);
            CRecentSaves recent;
            EXPECT_TRUE(history.ReadRecent(30, kNow, recent));
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        meanwhile = ReadBytes(path);
        std::ofstream(path, std::ios::binary | std::ios::app) << added;
        return platform::WriteResult::Done();
    }));
    reader.join();
    EXPECT_EQ(untidy, meanwhile);
    EXPECT_EQ(kept + added, ReadBytes(path));
}

TEST(SaveHistory, AHistoryThatIsNoFileFailsWithoutHarm)
{
    TempFolder temp;
    const std::string folder = temp.Join("h");
    ASSERT_TRUE(fixtures::MakeFolder(folder));
    CSaveHistory history(folder);
    CRecentSaves recent;
    EXPECT_FALSE(history.ReadRecent(30, kNow, recent));
    EXPECT_TRUE(history.RecordsResult());
    const platform::WriteResult failed = history.Record({"/m/a.mp3"}, kNow);
    EXPECT_FALSE(failed);
    EXPECT_NE("", failed.Reason());
    EXPECT_TRUE(history.Record({}, kNow));  // the first failure stays
    EXPECT_EQ(failed.Reason(), history.RecordsResult().Reason());
    CSaveHistory nowhere(fixtures::JoinPath(temp.Join("missing"), "t.history"));
    EXPECT_TRUE(nowhere.ReadRecent(30, kNow, recent));
    EXPECT_FALSE(nowhere.Record({"/m/a.mp3"}, kNow));
}

}  // namespace
