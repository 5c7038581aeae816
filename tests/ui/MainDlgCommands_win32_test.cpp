// The main dialog's source and sample commands, driven through its window.
#include "MainDlgHarness.h"

#include "catalogue/CountText.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

uint32_t TotalKB(HWND dialog)
{
    uint32_t total = 0;
    for (std::string text : ColumnTexts(dialog, 1)) {
        text.erase(std::remove(text.begin(), text.end(), ','), text.end());
        total += static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
    }
    return total;
}

std::string Totals(int files, uint32_t kb, const char* view)
{
    return std::to_string(files) + " files, " + GroupedDigits(kb) + " KB for " + view;
}

// Ten files of 1100 to 2000 KB in Music.
std::string MakeMusic(MainDlgHarness& harness)
{
    for (int i = 0; i < 10; ++i)
        harness.MakeFile("Music\\song" + std::to_string(i) + ".mp3", 1100 + 100 * i);
    return harness.folder.Join("Music");
}

}  // namespace

TEST(MainDlgCommands, EachViewKeepsItsOwnSampleMaxKbAndDest)
{
    MainDlgHarness harness;
    const std::string music = MakeMusic(harness);
    harness.WriteQuietIni({"Start=" + music, "MaxView1=5000", "MaxView2=8000", "Dest1=C:\\One",
                           "Dest2=C:\\Two", "BestFit=0"});
    harness.Run([](HWND dialog) {
        EXPECT_EQ("5000", ItemText(dialog, IDC_MAX_KB));
        EXPECT_EQ("C:\\One", ItemText(dialog, IDC_DEST));
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_RESAMPLE));
        ClickButton(dialog, IDC_SAMPLE);
        const std::vector<std::string> internal = ColumnTexts(dialog, 0);
        const uint32_t internalKB = TotalKB(dialog);
        ASSERT_FALSE(internal.empty());
        EXPECT_LE(internalKB, 5000u);
        EXPECT_TRUE(std::is_sorted(internal.begin(), internal.end()));
        EXPECT_EQ(Totals(static_cast<int>(internal.size()), internalKB, "internal mem"),
                  ItemText(dialog, IDC_SAMPLE_TOTALS));
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_CLEAR_SAMPLE));
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_COPY_TO_DEST));
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_EXCLUDE));  // no row selected

        ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
        EXPECT_EQ("8000", ItemText(dialog, IDC_MAX_KB));
        EXPECT_EQ("C:\\Two", ItemText(dialog, IDC_DEST));
        EXPECT_EQ(Totals(0, 0, "external mem"), ItemText(dialog, IDC_SAMPLE_TOTALS));
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_CLEAR_SAMPLE));
        ClickButton(dialog, IDC_SAMPLE);
        const std::vector<std::string> external = ColumnTexts(dialog, 0);
        ASSERT_FALSE(external.empty());
        EXPECT_LE(TotalKB(dialog), 8000u);
        for (const std::string& name : external)  // never a name of the other sample
            EXPECT_EQ(internal.end(), std::find(internal.begin(), internal.end(), name)) << name;

        SetDlgItemTextA(dialog, IDC_MAX_KB, "7000");
        SetDlgItemTextA(dialog, IDC_DEST, "C:\\Typed");
        ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
        EXPECT_EQ("5000", ItemText(dialog, IDC_MAX_KB));
        EXPECT_EQ("C:\\One", ItemText(dialog, IDC_DEST));
        EXPECT_EQ(internal, ColumnTexts(dialog, 0));
        ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
        EXPECT_EQ("7000", ItemText(dialog, IDC_MAX_KB));
        EXPECT_EQ("C:\\Typed", ItemText(dialog, IDC_DEST));
        EXPECT_EQ(external, ColumnTexts(dialog, 0));
        ClickButton(dialog, IDCANCEL);  // closed in the external view
    });
    const std::string ini = harness.ReadIni();
    for (const char* line : {"Dest1=C:\\One\n", "Dest2=C:\\Typed\n", "MaxView1=5000\n", "MaxView2=7000\n"})
        EXPECT_NE(std::string::npos, ini.find(line)) << line;
    EXPECT_NE(std::string::npos, ini.find("BestFit=0\n"));
}

TEST(MainDlgCommands, SampleStaysWithinMaxKbStopsWhenFullAndOutlivesClearSource)
{
    MainDlgHarness harness;
    const std::string music = MakeMusic(harness);
    harness.WriteQuietIni({"Start=" + music, "MaxView1=4000"});
    harness.prompts.messageAnswers = {IDCANCEL, IDOK};
    harness.Run([](HWND dialog) {
        ClickButton(dialog, IDC_SAMPLE);
        const uint32_t total = TotalKB(dialog);
        EXPECT_GT(total, 0u);
        EXPECT_LE(total, 4000u);
        // Full: lowering Max KB to the total disables Sample at the next update.
        SetDlgItemTextA(dialog, IDC_MAX_KB, std::to_string(total).c_str());
        EXPECT_EQ(total < 4000u, IsItemEnabled(dialog, IDC_SAMPLE));  // typing alone changes nothing
        ClickButton(dialog, IDC_SAMPLE);                 // nothing to add, nothing rebuilt
        EXPECT_EQ(total, TotalKB(dialog));
        EXPECT_EQ("The sample is full.", ItemText(dialog, IDC_STATUS));
        ClickHeader(dialog, 0);
        SelectRow(dialog, 0);  // runs the button update
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_SAMPLE));
        // A Max KB with a minus sign sets no practical limit.
        SetDlgItemTextA(dialog, IDC_MAX_KB, "-1");
        SelectRow(dialog, 1);
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_SAMPLE));

        ClickButton(dialog, IDC_CLEAR_SAMPLE);
        EXPECT_EQ(0u, ColumnTexts(dialog, 0).size());
        EXPECT_EQ(Totals(0, 0, "internal mem"), ItemText(dialog, IDC_SAMPLE_TOTALS));
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_EXCLUDE));
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_CLEAR_SAMPLE));

        // Clear source, cancelled and then confirmed, leaves the sample alone.
        ClickButton(dialog, IDC_SAMPLE);
        const std::vector<std::string> sample = ColumnTexts(dialog, 0);
        ClickButton(dialog, IDC_CLEAR_SOURCE);
        EXPECT_EQ("Source has 10 files", ItemText(dialog, IDC_SOURCE_COUNT));
        EXPECT_EQ(1u, ListBoxTexts(dialog, IDC_SOURCE_FOLDERS).size());
        ClickButton(dialog, IDC_CLEAR_SOURCE);
        EXPECT_EQ("Source has 0 files", ItemText(dialog, IDC_SOURCE_COUNT));
        EXPECT_TRUE(ListBoxTexts(dialog, IDC_SOURCE_FOLDERS).empty());
        EXPECT_EQ(sample, ColumnTexts(dialog, 0));
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_SAMPLE));
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ((std::vector<std::string>(2, "Clear list of source files?")), harness.prompts.Messages());
    for (const PromptCall& call : harness.prompts.calls)
        EXPECT_EQ(static_cast<unsigned>(MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONEXCLAMATION), call.nStyle);
}

TEST(MainDlgCommands, TopUpFromOptionsFillsTheRoomTheDrawLeft)
{
    // After a 3000 KB file only one.mp3 fits, one draw in twenty: a single
    // attempt misses it a third of the time, the top-up never does. (Few files,
    // so that reading them opens no "Reading ..." window.)
    MainDlgHarness harness;
    for (int i = 0; i < 19; ++i)
        harness.MakeFile("Music\\big" + std::to_string(i) + ".mp3", 3000);
    harness.MakeFile("Music\\one.mp3", 1000);
    harness.WriteQuietIni({"Start=" + harness.folder.Join("Music"), "MaxView1=4000", "BestFit=0",
                           "TopUp=1"});
    harness.Run([](HWND dialog) {
        for (int round = 0; round < 20; ++round) {
            ClickButton(dialog, IDC_SAMPLE);
            EXPECT_EQ(4000u, TotalKB(dialog));
            ClickButton(dialog, IDC_CLEAR_SAMPLE);
        }
        ClickButton(dialog, IDCANCEL);
    });
}

TEST(MainDlgCommands, HeaderClicksSortTheSelectionFollowsItsFileAndExcludeWorksOnTheSource)
{
    MainDlgHarness harness;
    const std::string music = MakeMusic(harness);
    harness.WriteQuietIni({"Start=" + music});
    std::vector<std::string> all;
    for (int i = 9; i >= 0; --i)
        all.push_back(music + "\\song" + std::to_string(i) + ".mp3");
    harness.prompts.fileAnswers = {all};
    harness.prompts.messageAnswers = {IDOK};
    harness.Run([](HWND dialog) {
        ClickButton(dialog, IDC_SELECT);
        std::vector<std::string> names = ColumnTexts(dialog, 0);
        ASSERT_EQ(10u, names.size());
        EXPECT_EQ("song0", names.front());
        EXPECT_EQ("    1,100", ColumnTexts(dialog, 1).front());

        SelectRow(dialog, 3);  // song3
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_EXCLUDE));
        ClickHeader(dialog, 1);  // largest first
        EXPECT_EQ("song9", ColumnTexts(dialog, 0).front());
        EXPECT_EQ(6, SelectedRow(dialog));
        ClickHeader(dialog, 1);  // smallest first
        EXPECT_EQ("song0", ColumnTexts(dialog, 0).front());
        ClickHeader(dialog, 0);  // A to Z
        EXPECT_EQ("song0", ColumnTexts(dialog, 0).front());
        ClickHeader(dialog, 0);  // Z to A
        EXPECT_EQ("song9", ColumnTexts(dialog, 0).front());
        EXPECT_EQ(6, SelectedRow(dialog));

        // Exclude takes the file the user selected, wherever sorting moved it.
        ClickButton(dialog, IDC_EXCLUDE);
        names = ColumnTexts(dialog, 0);
        EXPECT_EQ(9u, names.size());
        EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), "song3"));
        EXPECT_EQ("Source has 9 files", ItemText(dialog, IDC_SOURCE_COUNT));
        EXPECT_EQ(6, SelectedRow(dialog));  // song2, next down the list
        EXPECT_EQ("song2", names[6]);
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_EXCLUDE));

        // A view switch keeps the sort and leaves nothing selected.
        SelectRow(dialog, 0);
        ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
        ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
        EXPECT_EQ("song9", ColumnTexts(dialog, 0).front());
        EXPECT_EQ(-1, SelectedRow(dialog));
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_EXCLUDE));
        // The Delete key with nothing selected does nothing.
        SendMessageA(GetDlgItem(dialog, IDC_SAMPLE_LIST), WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_EQ(9u, ColumnTexts(dialog, 0).size());
        // With a row selected it excludes that row.
        SelectRow(dialog, 0);
        SendMessageA(GetDlgItem(dialog, IDC_SAMPLE_LIST), WM_KEYDOWN, VK_DELETE, 0);
        names = ColumnTexts(dialog, 0);
        EXPECT_EQ(8u, names.size());
        EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), "song9"));

        // While the source is shown, Exclude removes the selected entry from it.
        ClickButton(dialog, IDC_LOAD_SOURCE);
        names = ColumnTexts(dialog, 0);
        ASSERT_EQ(8u, names.size());
        SelectRow(dialog, static_cast<int>(std::find(names.begin(), names.end(), "song4") - names.begin()));
        ClickButton(dialog, IDC_EXCLUDE);
        names = ColumnTexts(dialog, 0);
        EXPECT_EQ(7u, names.size());
        EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), "song4"));
        EXPECT_EQ("Source has 7 files", ItemText(dialog, IDC_SOURCE_COUNT));
        EXPECT_EQ(Totals(7, 10600, "internal mem"), ItemText(dialog, IDC_SAMPLE_TOTALS));
        // Clear source empties the list shown too; the next view switch leads
        // back to the internal sample (song0 to song8 but song3).
        ClickButton(dialog, IDC_CLEAR_SOURCE);
        EXPECT_TRUE(ColumnTexts(dialog, 0).empty());
        EXPECT_EQ(Totals(0, 0, "internal mem"), ItemText(dialog, IDC_SAMPLE_TOTALS));
        ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
        EXPECT_EQ(Totals(8, 12100, "external mem"), ItemText(dialog, IDC_SAMPLE_TOTALS));
        ClickButton(dialog, IDCANCEL);
    });
    // Closed while the external box is checked after the source view: the Max
    // KB and Dest go to the internal view, which was current.
    EXPECT_NE(std::string::npos, harness.ReadIni().find("MaxView1=32600\n"));
}

TEST(MainDlgCommands, SelectAddsThroughTheSamplesRulesAndExcludeTakesTheEarlierSourceEntry)
{
    MainDlgHarness harness;
    harness.MakeFile("A\\song.mp3", 1500);
    const std::string later = harness.MakeFile("B\\song.mp3", 1600);
    const std::string small = harness.MakeFile("B\\small.mp3", 500);
    const std::string other = harness.MakeFile("B\\other.wav", 1200);
    harness.WriteQuietIni(
        {"Start=" + harness.folder.Join("A") + "," + harness.folder.Join("B"), "MinFileSize=1"});
    harness.prompts.fileAnswers = {std::vector<std::string>{later, small, other, other},
                                   std::nullopt};
    harness.Run([&](HWND dialog) {
        EXPECT_EQ("Source has 3 files", ItemText(dialog, IDC_SOURCE_COUNT));
        // The sample admits any extension but nothing under 1000 KB; a file
        // picked twice comes in twice.
        ClickButton(dialog, IDC_SELECT);
        EXPECT_EQ((std::vector<std::string>{"other", "other", "song"}), ColumnTexts(dialog, 0));
        EXPECT_EQ(Totals(3, 4000, "internal mem"), ItemText(dialog, IDC_SAMPLE_TOTALS));
        ClickButton(dialog, IDC_SELECT);  // cancelled: nothing changes
        EXPECT_EQ(3u, ColumnTexts(dialog, 0).size());

        SelectRow(dialog, 2);
        ClickButton(dialog, IDC_EXCLUDE);
        EXPECT_EQ((std::vector<std::string>{"other", "other"}), ColumnTexts(dialog, 0));
        EXPECT_EQ("Source has 2 files", ItemText(dialog, IDC_SOURCE_COUNT));

        // The source itself: A's song went, B's stayed.
        ClickButton(dialog, IDC_LOAD_SOURCE);
        std::vector<std::string> sizes = ColumnTexts(dialog, 1);
        EXPECT_NE(sizes.end(), std::find(sizes.begin(), sizes.end(), "    1,600"));
        EXPECT_EQ(sizes.end(), std::find(sizes.begin(), sizes.end(), "    1,500"));
        ClickButton(dialog, IDCANCEL);
    });
    const std::vector<PromptCall>& calls = harness.prompts.calls;
    ASSERT_EQ(2u, calls.size());
    EXPECT_TRUE(calls[0].request.bMultiSelect);
    EXPECT_EQ("", calls[0].request.strFilter);
}

TEST(MainDlgCommands, AddFolderSubsAndPlaylistShareTheRememberedFolder)
{
    MainDlgHarness harness;
    harness.MakeFile("Lib\\top.mp3", 1500);
    harness.MakeFile("Lib\\Sub\\deep.mp3", 1600);
    harness.MakeFile("Lib\\small.mp3", 10);
    const std::string lib = harness.folder.Join("Lib");
    const std::string playlist = harness.folder.Join("list.m3u");
    ASSERT_TRUE(fixtures::WriteBytes(playlist, "Lib\\top.mp3\r\n\r\nLib\\Sub\\deep.mp3\r\n"));
    harness.WriteQuietIni();
    harness.prompts.folderAnswers = {lib, std::nullopt, lib};
    harness.prompts.fileAnswers = {std::vector<std::string>{playlist}};
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_ADD_FOLDER);
        EXPECT_EQ("Source has 1 files", ItemText(dialog, IDC_SOURCE_COUNT));
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_SAMPLE));
        ClickButton(dialog, IDC_ADD_FOLDER_SUBS);  // cancelled
        EXPECT_EQ("Source has 1 files", ItemText(dialog, IDC_SOURCE_COUNT));
        ClickButton(dialog, IDC_ADD_FOLDER_SUBS);
        EXPECT_EQ("Source has 3 files", ItemText(dialog, IDC_SOURCE_COUNT));
        ClickButton(dialog, IDC_ADD_PLAYLIST);
        EXPECT_EQ("Source has 5 files", ItemText(dialog, IDC_SOURCE_COUNT));
        // Folders are listed as picked, without "+"; the list box sorts.
        std::vector<std::string> expected{lib, lib, playlist};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, ListBoxTexts(dialog, IDC_SOURCE_FOLDERS));
        ClickButton(dialog, IDCANCEL);
    });
    const std::vector<PromptCall>& calls = harness.prompts.calls;
    ASSERT_EQ(4u, calls.size());
    EXPECT_EQ("Select folder", calls[0].strText);
    EXPECT_EQ("", calls[0].strStart);   // the first picker of the run
    EXPECT_EQ(lib, calls[1].strStart);  // opens where the last one was confirmed
    EXPECT_EQ(lib, calls[2].strStart);  // a cancel changes nothing
    EXPECT_EQ("M3U Files|*.M3u|All Files (*.*)|*.*||", calls[3].request.strFilter);
    EXPECT_FALSE(calls[3].request.bMultiSelect);
}
