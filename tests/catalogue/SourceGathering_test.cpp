#include "catalogue/AddSource.h"
#include "catalogue/FileList.h"
#include "catalogue/ReadProgress.h"
#include "catalogue/SourceFilters.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "settings/Settings.h"
#include "support/ListNames.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using fixtures::CreateSizedFile;
using fixtures::JoinPath;
using fixtures::MakeFolder;
using fixtures::SetFileTimes;
using fixtures::TempFolder;

const int64_t kHour = 3600;
const int64_t kDay = 24 * kHour;

using fixtures::SortedNamesOf;

// A relative path written with "/", spelled with the system's separator.
std::string Local(std::string relative)
{
    std::replace(relative.begin(), relative.end(), '/', platform::kPathSeparator);
    return relative;
}

// Lets small test files count.
void AdmitAnySize(CFileList& list)
{
    list.SetMinKB(0);
    list.SetMaxKB(0xFFFFFFFFu);
}

TEST(AddFile, CountsKilobytesOfOneThousandBytesPlusOne)
{
    TempFolder temp;
    CFileList list(50, 50);
    AdmitAnySize(list);
    const std::pair<uint64_t, uint32_t> cases[] = {
        {0, 1}, {999, 1}, {1000, 2}, {1000000, 1001},
        // The whole size counts, past 4 GiB too, up to what 32 bits of KB hold.
        {(uint64_t(1) << 32) + 1000000, 4295968}, {5000000000000, 0xFFFFFFFFu}};
    for (const auto& sizeAndKB : cases) {
        const std::string path = temp.Join("f" + std::to_string(sizeAndKB.first) + ".mp3");
        ASSERT_TRUE(CreateSizedFile(path, sizeAndKB.first));
        const int index = list.AddFile(path);
        ASSERT_GE(index, 0) << sizeAndKB.first;
        EXPECT_EQ(sizeAndKB.second, list.GetSizeKB(static_cast<uint32_t>(index))) << sizeAndKB.first;
    }
}

TEST(AddFile, SplitsAtTheLastSeparator)
{
    TempFolder temp;
    const std::string sub = temp.Join("sub");
    ASSERT_TRUE(MakeFolder(sub));
    ASSERT_TRUE(CreateSizedFile(JoinPath(sub, "a.mp3"), 10));
    CFileList list(50, 50);
    AdmitAnySize(list);

    ASSERT_EQ(0, list.AddFile(JoinPath(sub, "a.mp3")));
    EXPECT_EQ("a.mp3", list.GetName(0));
    EXPECT_EQ(sub, list.GetFolder(0));

#ifdef _WIN32
    // Windows takes both separators, so a name never holds either.
    std::string slashed = JoinPath(sub, "a.mp3");
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    ASSERT_EQ(1, list.AddFile(slashed));
    EXPECT_EQ("a.mp3", list.GetName(1));
    EXPECT_EQ(slashed.substr(0, slashed.size() - 6), list.GetFolder(1));

    ASSERT_EQ(2, list.AddFile(temp.Join("sub/a.mp3")));
    EXPECT_EQ("a.mp3", list.GetName(2));
    EXPECT_EQ(temp.Join("sub"), list.GetFolder(2));
#else
    // A backslash is a character of the name, never a folder.
    ASSERT_TRUE(CreateSizedFile(temp.Join("sub\\b.mp3"), 10));
    ASSERT_EQ(1, list.AddFile(temp.Join("sub\\b.mp3")));
    EXPECT_EQ("sub\\b.mp3", list.GetName(1));
    EXPECT_EQ(temp.Path(), list.GetFolder(1));
    EXPECT_EQ(-1, list.AddFile(JoinPath(sub, "b.mp3")));
    ASSERT_EQ(2, list.AddFile(JoinPath(sub, "a.mp3")));
#endif

    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(sub);
    const int bare = list.AddFile("a.mp3");
    std::filesystem::current_path(before);
    ASSERT_EQ(3, bare);
    EXPECT_EQ("a.mp3", list.GetName(3));
    EXPECT_EQ("", list.GetFolder(3));
}

TEST(AddFile, RefusesWhatCannotBeOpenedAsAFile)
{
    TempFolder temp;
    ASSERT_TRUE(MakeFolder(temp.Join("folder.mp3")));
    ASSERT_TRUE(fixtures::WriteBytes(temp.Join("broken.lnk"), "not a shortcut"));
    CFileList list(50, 50);
    AdmitAnySize(list);
    EXPECT_EQ(-1, list.AddFile(temp.Join("folder.mp3")));
    EXPECT_EQ(-1, list.AddFile(temp.Join("missing.mp3")));
    EXPECT_EQ(-1, list.AddFile(""));
    EXPECT_EQ(-1, list.AddFile(temp.Join("broken.lnk")));
    EXPECT_EQ(0, list.GetCount());
}

struct DayCase {
    int accessedDays;
    int modifiedDays;
    int64_t accessedAgo;
    int64_t writtenAgo;
    bool admitted;
};

TEST(AddFile, DayFiltersCountTheBoundaryDayDifferently)
{
    const int64_t justNow = 0;
    const DayCase cases[] = {
        {1, 0, 23 * kHour, justNow, false},
        {1, 0, 25 * kHour, justNow, true},
        {7, 0, 6 * kDay + 23 * kHour, justNow, false},
        {7, 0, 7 * kDay + kHour, justNow, true},
        {0, 1, justNow, 47 * kHour, true},
        {0, 1, justNow, 49 * kHour, false},
        {0, 7, justNow, 7 * kDay + 23 * kHour, true},
        {0, 7, justNow, 8 * kDay + kHour, false},
        // Each filter alone, whatever the other time says.
        {1, 0, 3 * kDay, 30 * kDay, true},
        // Times in the future are zero days old or less.
        {1, 0, -3 * kDay, justNow, false},
        {0, 1, justNow, -3 * kDay, true},
        // Negative values are off; both filters must pass.
        {-5, -5, justNow, 400 * kDay, true},
        {7, 7, 10 * kDay, 10 * kDay, false},
        {7, 14, 10 * kDay, 10 * kDay, true},
        {14, 7, 10 * kDay, 1 * kDay, false},
    };
    TempFolder temp;
    int number = 0;
    for (const DayCase& c : cases) {
        const std::string folder = temp.Join("d" + std::to_string(++number));
        const std::string path = JoinPath(folder, "f.mp3");
        ASSERT_TRUE(MakeFolder(folder));
        ASSERT_TRUE(CreateSizedFile(path, 1000000));
        ASSERT_TRUE(SetFileTimes(path, c.accessedAgo, c.writtenAgo));
        CFileList list(50, 50);
        list.SetAccessedDays(c.accessedDays);
        list.SetModifiedDays(c.modifiedDays);
        // A scan takes the times from the folder's listing.
        list.AddFolder(folder, 0);
        EXPECT_EQ(c.admitted, list.GetCount() == 1) << "case " << number << ", scanned";
        EXPECT_EQ(c.admitted ? 1 : -1, list.AddFile(path)) << "case " << number;
        // Reading a file's facts left its last access as it was.
        EXPECT_EQ(c.admitted ? 2 : -1, list.AddFile(path)) << "case " << number << ", read again";
    }
}

// Each file found, as its folder below `top` and its name.
std::vector<std::string> RelativePathsOf(const CFileList& list, const std::string& top)
{
    std::vector<std::string> paths;
    for (uint32_t i = 0; i < static_cast<uint32_t>(list.GetCount()); ++i) {
        const std::string folder = list.GetFolder(i);
        EXPECT_EQ(top, folder.substr(0, top.size()));
        paths.push_back(JoinPath(folder.substr(top.size()), list.GetName(i)));
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(AddFolder, ReadsTheFolderOrTheTreeButNoFolderWhoseNameBeginsWithADot)
{
    TempFolder temp;
    const std::string music = temp.Join("music");
    for (const char* folder : {"", "sub", "sub/deeper", ".cache"})
        ASSERT_TRUE(MakeFolder(JoinPath(music, Local(folder))));
    for (const char* file : {"a.mp3", ".hidden.mp3", "notes.txt", "sub/b.mp3", "sub/deeper/d.mp3",
                             ".cache/c.mp3"})
        ASSERT_TRUE(CreateSizedFile(JoinPath(music, Local(file)), 2000000));
    ASSERT_TRUE(fixtures::WriteBytes(JoinPath(music, "broken.lnk"), "not a shortcut"));
    const std::string sep(1, platform::kPathSeparator);
    const struct {
        std::string folder;
        int subfolders;
        const char* extensions;
        std::vector<std::string> found;
    } rows[] = {
        {music + sep, 0, "mp3", {sep + ".hidden.mp3", sep + "a.mp3"}},
        {music, 1, "mp3",
         {sep + ".hidden.mp3", sep + "a.mp3", Local("/sub/b.mp3"), Local("/sub/deeper/d.mp3")}},
        // A damaged shortcut adds nothing.
        {music, 0, "", {sep + ".hidden.mp3", sep + "a.mp3", sep + "notes.txt"}},
        {JoinPath(music, "missing"), 1, "", {}},
        {JoinPath(music, "a.mp3"), 1, "", {}},
    };
    for (const auto& row : rows) {
        CFileList list(500, 500);
        list.SetExtensions(row.extensions);
        list.SetMinKB(0);
        list.AddFolder(row.folder, row.subfolders);
        EXPECT_EQ(row.found, RelativePathsOf(list, music)) << row.folder;
        EXPECT_EQ(2001u * row.found.size(), list.GetTotalKB()) << row.folder;
    }
}

TEST(AddFolder, LeavesOutEntriesWhosePathWouldBeTooLong)
{
    TempFolder temp;
    const std::string::size_type room = platform::kMaxPathLength - temp.Path().size() - 1;
    ASSERT_GT(room, 10u);
    ASSERT_LT(room, 255u);
    const std::string fits = std::string(room - 4, 'f') + ".mp3";
    const std::string tooLong = std::string(room - 3, 't') + ".mp3";
    ASSERT_TRUE(CreateSizedFile(temp.Join(fits), 2000000));
    ASSERT_TRUE(CreateSizedFile(temp.Join(tooLong), 2000000));
    ASSERT_TRUE(MakeFolder(temp.Join(std::string(room - 1, 's'))));
    ASSERT_TRUE(CreateSizedFile(temp.Join(Local(std::string(room - 1, 's') + "/x.mp3")), 2000000));

    CFileList list(50, 50);
    list.AddFolder(temp.Path(), 1);
    EXPECT_EQ(std::vector<std::string>{fits}, SortedNamesOf(list));
}

// Records what a read reports and stops it after a given number of reports.
class StoppingProgress : public CReadProgress {
public:
    explicit StoppingProgress(int reportsBeforeStop) : m_nLeft(reportsBeforeStop) {}
    bool KeepReading(const std::string& source, int admitted) override
    {
        sources.push_back(source);
        counts.push_back(admitted);
        return --m_nLeft > 0;
    }
    std::vector<std::string> sources;
    std::vector<int> counts;

private:
    int m_nLeft;
};

TEST(ReadProgress, ReportsEachEntryAndAStopKeepsWhatWasAdmitted)
{
    TempFolder temp;
    ASSERT_TRUE(MakeFolder(temp.Join("sub")));
    const char* files[] = {"a.mp3", "b.mp3", "sub/c.mp3", "sub/d.mp3"};
    std::string playlistText;
    for (const char* file : files) {
        ASSERT_TRUE(CreateSizedFile(temp.Join(Local(file)), 2000000));
        playlistText += std::string(file) + "\n";
    }
    ASSERT_TRUE(fixtures::WriteBytes(temp.Join("list.m3u"), playlistText));

    // The count is of what this read admitted, not of the whole list.
    CFileList whole(50, 50);
    whole.AddFile(temp.Join("a.mp3"));
    StoppingProgress unstopped(1000);
    whole.AddFolder(temp.Path(), 1, &unstopped);
    EXPECT_EQ(5, whole.GetCount());
    EXPECT_EQ(4, unstopped.counts.back());
    EXPECT_TRUE(std::is_sorted(unstopped.counts.begin(), unstopped.counts.end()));
    EXPECT_NE(unstopped.sources.end(),
              std::find(unstopped.sources.begin(), unstopped.sources.end(), temp.Join("sub")));

    // Whatever entry the stop comes after, the list keeps what was admitted up
    // to it and reads nothing more.
    for (int stopAfter = 1; stopAfter <= static_cast<int>(unstopped.counts.size()); ++stopAfter) {
        CFileList list(50, 50);
        StoppingProgress stopping(stopAfter);
        list.AddFolder(temp.Path(), 1, &stopping);
        EXPECT_EQ(stopAfter, static_cast<int>(stopping.counts.size()));
        EXPECT_EQ(unstopped.counts[stopAfter - 1], list.GetCount()) << stopAfter;
    }

    CFileList fromPlaylist(50, 50);
    fromPlaylist.AddFile(temp.Join("a.mp3"));
    StoppingProgress playlistStop(2);
    fromPlaylist.AddPlaylist(temp.Join("list.m3u"), &playlistStop);
    EXPECT_EQ((std::vector<int>{1, 2}), playlistStop.counts);
    EXPECT_EQ(std::vector<std::string>(2, temp.Join("list.m3u")), playlistStop.sources);
    EXPECT_EQ(3, fromPlaylist.GetCount());
}

TEST(AddSource, EachKindReadsWhatItNamesThroughTheListsFilters)
{
    TempFolder temp;
    ASSERT_TRUE(MakeFolder(temp.Join("sub")));
    for (const char* file : {"a.mp3", "a.wav", "sub/b.mp3"})
        ASSERT_TRUE(CreateSizedFile(temp.Join(Local(file)), 2000000));
    ASSERT_TRUE(fixtures::WriteBytes(temp.Join("list.m3u"), "a.mp3\na.wav\nsub/b.mp3\ngone.mp3\n"));
    struct Row {
        SourceKind kind;
        std::string path;
        std::vector<std::string> names;
        int linesNamingNoFile;
    };
    const Row rows[] = {
        {SourceKind::kFolder, temp.Path(), {"a.mp3"}, 0},
        {SourceKind::kFolderTree, temp.Path(), {"a.mp3", "b.mp3"}, 0},
        {SourceKind::kPlaylist, temp.Join("list.m3u"), {"a.mp3", "b.mp3"}, 1},
        {SourceKind::kFile, temp.Join("a.wav"), {}, 0},
        {SourceKind::kFile, temp.Join(Local("sub/b.mp3")), {"b.mp3"}, 0},
    };
    for (const Row& row : rows) {
        CFileList list(50, 50);
        list.SetExtensions("mp3");
        StoppingProgress progress(1000);
        const SourceRead read = AddSource(list, row.kind, row.path, &progress);
        EXPECT_EQ(row.names, SortedNamesOf(list)) << row.path;
        EXPECT_EQ(row.linesNamingNoFile, read.nLinesNamingNoFile) << row.path;
        EXPECT_EQ(row.kind == SourceKind::kFile, progress.sources.empty()) << row.path;
    }
}

TEST(ApplySourceFilters, PutsTheSettingsOnAListAndOptionsLeaveTheDayFilters)
{
    TempFolder temp;
    const std::pair<const char*, uint64_t> files[] = {
        {"old.mp3", 2000000}, {"old.wav", 2000000}, {"big.mp3", 6000000}, {"small.mp3", 500000}};
    for (const auto& file : files) {
        ASSERT_TRUE(CreateSizedFile(temp.Join(file.first), file.second));
        ASSERT_TRUE(SetFileTimes(temp.Join(file.first), 3 * kDay, 3 * kDay));
    }
    ASSERT_TRUE(CreateSizedFile(temp.Join("new.mp3"), 2000000));
    CSettings settings;
    settings.MinFileSize = 1000;
    settings.MaxFileSize = 5000;
    settings.Ext = "mp3";
    settings.Accessed = 2;
    settings.Modified = 0;
    auto scanned = [&](CFileList& list) {
        list.RemoveAll();
        list.AddFolder(temp.Path(), 0);
        return SortedNamesOf(list);
    };

    CFileList list(50, 50);
    ApplySourceFilters(list, SourceFiltersOf(settings));
    EXPECT_EQ(std::vector<std::string>{"old.mp3"}, scanned(list));
    settings.Modified = 1;
    ApplySourceFilters(list, SourceFiltersOf(settings));
    EXPECT_EQ(std::vector<std::string>{}, scanned(list));

    // The Options box: new sizes and extensions at once, day filters at the next start.
    settings.Modified = 0;
    ApplySourceFilters(list, SourceFiltersOf(settings));
    settings.MinFileSize = 0;
    settings.MaxFileSize = 10000;
    settings.Ext = "";
    settings.Accessed = 0;
    ApplySourceFilters(list, SourceFiltersOf(settings), FilterChange::kSizesAndExtensions);
    EXPECT_EQ((std::vector<std::string>{"big.mp3", "old.mp3", "old.wav", "small.mp3"}),
              scanned(list));
}

}  // namespace
