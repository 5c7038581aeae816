// Long reads and saves stopped by the user: the "Reading ..." and "Copying ..."
// windows, driven through the main dialog.
#include "MainDlgHarness.h"

#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const char kReadingCaption[] = "Reading ...";
const char kCopyingCaption[] = "Copying ...";

// The number in a text such as "Source has 12 files" or "12,345 files".
int NumberIn(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    const std::string::size_type digit = text.find_first_of("0123456789");
    return digit == std::string::npos ? -1 : std::atoi(text.c_str() + digit);
}

}  // namespace

// Escape or Enter stops a read after the entry in hand, and a save after the
// file in hand, wherever it is pressed.
TEST(ReadProgress, AStoppedReadKeepsWhatItAdmittedAndIsListedAndEnterStopsASaveAlike)
{
    MainDlgHarness harness;
    for (int i = 0; i < 40; ++i) {
        harness.MakeFile("Music\\Sub\\song" + std::to_string(i) + ".mp3", 1500);
        harness.MakeFile("More\\Sub\\song" + std::to_string(i) + ".mp3", 1500);
    }
    harness.MakeFile("Talk\\talk.mp3", 1200);
    const std::string music = harness.folder.Join("Music");
    const std::string more = harness.folder.Join("More");
    const std::string talk = harness.folder.Join("Talk");
    harness.MakeFile("List\\a.mp3", 1500);
    // Long enough to read for seconds: the same file on every line.
    const std::string playlist = harness.folder.Join("List\\long.m3u");
    std::string lines;
    for (int i = 0; i < 200000; ++i)
        lines += "a.mp3\r\n";
    ASSERT_TRUE(fixtures::WriteBytes(playlist, lines));
    const std::string first = harness.MakeFile("Save\\first.mp3", 1100);
    const std::string gone = harness.MakeFile("Save\\gone.mp3", 1200);
    const std::string last = harness.MakeFile("Save\\last.mp3", 1300);
    const std::string out = harness.folder.Join("Out");
    ASSERT_TRUE(fixtures::MakeFolder(out));
    harness.WriteIni({"Start=" + music + "+, " + talk, "LicenseMessage=0", "QuickStart=0"});
    harness.prompts.folderAnswers = {more, talk, music, out};
    harness.prompts.fileAnswers = {std::vector<std::string>{playlist},
                                   std::vector<std::string>{first, gone, last}};
    harness.prompts.messageAnswers = {IDOK};
    // Enter pressed in the "Copying ..." window while a file is saved.
    harness.prompts.onMessage = [](const std::string&) {
        HWND copying = FindWindowA(kDialogClass, kCopyingCaption);
        ASSERT_TRUE(copying != NULL);
        PostMessageA(copying, WM_KEYDOWN, VK_RETURN, 0);
    };

    // Escape pressed while the program starts stops the start-up read only: the
    // folder in hand keeps its files and is listed, the next is not read.
    PostThreadMessageA(GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
    harness.Run([&](HWND dialog) {
        const int atStart = NumberIn(ItemText(dialog, IDC_SOURCE_COUNT));
        EXPECT_GT(atStart, 0);
        EXPECT_LT(atStart, 40);
        EXPECT_EQ(std::vector<std::string>{Lower(music) + "+"},
                  ListBoxTexts(dialog, IDC_SOURCE_FOLDERS));
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_SAMPLE));

        // Escape in the main window stops Add Folder/Subs and goes no further.
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        ClickButton(dialog, IDC_ADD_FOLDER_SUBS);
        EXPECT_FALSE(KeyLeftInQueue());
        const int afterStop = NumberIn(ItemText(dialog, IDC_SOURCE_COUNT));
        EXPECT_GT(afterStop, atStart);
        EXPECT_LT(afterStop, atStart + 40);

        // Unstopped, a read takes every file.
        ClickButton(dialog, IDC_ADD_FOLDER);
        EXPECT_EQ("Source has " + std::to_string(afterStop + 1) + " files",
                  ItemText(dialog, IDC_SOURCE_COUNT));
        std::vector<std::string> listed = {Lower(music) + "+", more, talk};
        std::sort(listed.begin(), listed.end());
        std::vector<std::string> shown = ListBoxTexts(dialog, IDC_SOURCE_FOLDERS);
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(listed, shown);

        // A stopped read counts as read: its files are in, and would come twice.
        ClickButton(dialog, IDC_ADD_FOLDER);
        EXPECT_EQ("Source has " + std::to_string(afterStop + 1) + " files",
                  ItemText(dialog, IDC_SOURCE_COUNT));
        EXPECT_EQ("Already in the source, not read again: " + music, ItemText(dialog, IDC_STATUS));
        EXPECT_EQ(listed.size(), ListBoxTexts(dialog, IDC_SOURCE_FOLDERS).size());

        // Enter in the "Reading ..." window stops the playlist, which is listed.
        std::string shownSource;
        int shownCount = -1;
        harness.driver.Expect(kReadingCaption, [&](HWND reading) {
            EXPECT_TRUE(IsWindowVisible(reading));
            shownSource = ItemText(reading, IDC_READ_SOURCE);
            shownCount = NumberIn(ItemText(reading, IDC_READ_COUNT));
            // Enter, as the window's own dialog handling delivers it.
            PostMessageA(reading, WM_COMMAND, IDOK, 0);
        });
        ClickButton(dialog, IDC_ADD_PLAYLIST);
        EXPECT_EQ(NULL, FindWindowA(kDialogClass, kReadingCaption));
        EXPECT_EQ(playlist, shownSource);
        const int read = NumberIn(ItemText(dialog, IDC_SOURCE_COUNT)) - (afterStop + 1);
        EXPECT_GT(shownCount, 0);
        EXPECT_GE(read, shownCount);
        EXPECT_LT(read, 200000);
        shown = ListBoxTexts(dialog, IDC_SOURCE_FOLDERS);
        EXPECT_NE(shown.end(), std::find(shown.begin(), shown.end(), playlist));

        harness.driver.Expect(kCopyingCaption, [](HWND) {});
        ClickButton(dialog, IDC_SELECT);
        ASSERT_TRUE(DeleteFileA(gone.c_str()));
        ClickButton(dialog, IDC_COPY_TO_DEST);
        EXPECT_EQ(NULL, FindWindowA(kDialogClass, kCopyingCaption));
        EXPECT_TRUE(PathExists(out + "\\first.mp3"));
        EXPECT_FALSE(PathExists(out + "\\last.mp3"));
        EXPECT_FALSE(KeyLeftInQueue());
        ClickButton(dialog, IDCANCEL);
    });
}
