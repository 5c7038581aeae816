// Start and end of the main dialog: first run, start-up folders, the Quick start
// box, the system menu, a second copy and the settings written at the end.
#include "MainDlgHarness.h"

#include "ProgramVersion.h"
#include "platform/Profile.h"
#include "ui/MainApp.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const int kAlwaysEnabled[] = {IDC_ADD_FOLDER, IDC_ADD_FOLDER_SUBS, IDC_ADD_PLAYLIST,
                              IDC_CLEAR_SOURCE, IDC_SELECT, IDC_OPTIONS,
                              IDC_DELETE_DEST_FILES, IDC_BROWSE_DEST, IDCANCEL, ID_HELP};
const int kNeedRows[] = {IDC_SAMPLE, IDC_EXCLUDE, IDC_FULL_PATH, IDC_PLAY, IDC_CLEAR_SAMPLE,
                         IDC_LINKS_TO_DEST, IDC_COPY_TO_DEST, IDC_DROP_ON_RIO};

}  // namespace

TEST(MainDlgStart, FirstRunOpensAboutAndQuickStartAndSavesTheDefaults)
{
    MainDlgHarness harness;
    harness.driver.Expect("About Tarrowby", [](HWND about) {
        // Opened before the main dialog is first shown.
        HWND main = FindWindowA(kDialogClass, kMainCaption);
        EXPECT_FALSE(IsWindowVisible(main));
        PostMessageA(about, WM_COMMAND, IDOK, 0);
    });
    harness.driver.Expect("Quick start info", [](HWND quickStart) {
        EXPECT_TRUE(IsWindowVisible(FindWindowA(kDialogClass, kMainCaption)));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(quickStart, IDC_SHOW_AT_START));
        PostMessageA(quickStart, WM_COMMAND, IDOK, 0);
    });
    const INT_PTR result = harness.Run([](HWND dialog) {
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_RESAMPLE));
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_EXTERNAL_MEM));
        EXPECT_EQ("32600", ItemText(dialog, IDC_MAX_KB));
        EXPECT_EQ("", ItemText(dialog, IDC_DEST));
        EXPECT_EQ("Source has 0 files", ItemText(dialog, IDC_SOURCE_COUNT));
        EXPECT_EQ("0 files, 0 KB for internal mem", ItemText(dialog, IDC_SAMPLE_TOTALS));

        // The Max KB drop-down offers the template's six entries.
        std::vector<std::string> entries;
        const int count = static_cast<int>(SendDlgItemMessageA(dialog, IDC_MAX_KB, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[32] = {};
            SendDlgItemMessageA(dialog, IDC_MAX_KB, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        EXPECT_EQ((std::vector<std::string>{"8060", "16250", "32600", "65400", "", ""}), entries);

        for (int id : kAlwaysEnabled)
            EXPECT_TRUE(IsItemEnabled(dialog, id)) << id;
        for (int id : kNeedRows)
            EXPECT_FALSE(IsItemEnabled(dialog, id)) << id;
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_LOAD_SOURCE)));

        // The system menu ends with a separator and the About item.
        HMENU menu = GetSystemMenu(dialog, FALSE);
        const int items = GetMenuItemCount(menu);
        ASSERT_GE(items, 2);
        EXPECT_NE(0u, GetMenuState(menu, items - 2, MF_BYPOSITION) & MF_SEPARATOR);
        char text[64] = {};
        GetMenuStringA(menu, items - 1, text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ("&About Tarrowby...", text);
        EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), GetMenuItemID(menu, items - 1));

        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(
        "[General]\nStart=\nExt=mp3\nDest1=\nDest2=\nMaxView1=32600\nMaxView2=32600\n"
        "QuickStart=1\nBestFit=1\nLicenseMessage=0\nAccessed=0\nModified=0\n"
        "MinFileSize=1000\nMaxFileSize=100000\n",
        harness.ReadIni());
}

// Start folders are read with "+", blanks and empty items; the Quick start box
// unchecked and escaped stays away next time.
TEST(MainDlgStart, StartFoldersAreReadAndQuickStartUncheckedStaysAwayNextTime)
{
    MainDlgHarness harness;
    harness.MakeFile("Music\\a.mp3", 1500);
    harness.MakeFile("Music\\Sub\\b.mp3", 2000);
    harness.MakeFile("Talk\\c.mp3", 1200);
    harness.MakeFile("Talk\\Deep\\d.mp3", 1300);
    const std::string music = harness.folder.Join("Music");
    const std::string talk = harness.folder.Join("Talk");
    harness.WriteIni({"LicenseMessage=0", "Start=" + music + "+, " + talk + " ,,"});
    harness.driver.Expect("Quick start info", [](HWND quickStart) {
        CheckDlgButton(quickStart, IDC_SHOW_AT_START, BST_UNCHECKED);
        PostMessageA(quickStart, WM_COMMAND, IDCANCEL, 0);  // Escape
    });
    harness.Run([&](HWND dialog) {
        EXPECT_EQ("Source has 3 files", ItemText(dialog, IDC_SOURCE_COUNT));
        std::vector<std::string> expected{Lower(music) + "+", Lower(talk)};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, ListBoxTexts(dialog, IDC_SOURCE_FOLDERS));
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_SAMPLE));
        ClickButton(dialog, IDCANCEL);
    });
    // The setting itself keeps its spelling.
    EXPECT_NE(std::string::npos, harness.ReadIni().find("Start=" + music + "+, " + talk + " ,,\n"));
    EXPECT_NE(std::string::npos, harness.ReadIni().find("QuickStart=0\n"));

    // Neither box opens now; the driver fails on any dialog it did not expect.
    harness.Run([](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    EXPECT_EQ((std::vector<std::string>{kMainCaption, "Quick start info", kMainCaption}),
              harness.driver.Opened());
}

// Enter where it has no job (the Dest field, a check box, the source folders)
// leaves the program running; the About box names the major and minor version
// only; a second copy writes nothing; Help says plainly when its page is missing.
TEST(MainDlgStart, EnterEndsNothingAndAboutHelpAndASecondCopyTellTheUser)
{
    const std::string version = TARROWBY_VERSION;
    const std::string versionLine = "Tarrowby Version " + version.substr(0, version.rfind('.'));
    MainDlgHarness harness;
    harness.WriteQuietIni();
    harness.prompts.messageAnswers = {IDOK};
    const INT_PTR result = harness.Run([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_DEST, "C:\\Typed");
        for (int id : {IDC_DEST, IDC_RESAMPLE, IDC_EXTERNAL_MEM, IDC_SOURCE_FOLDERS}) {
            SetFocus(GetDlgItem(dialog, id));
            PostMessageA(GetDlgItem(dialog, id), WM_KEYDOWN, VK_RETURN, 0);
            ServeQueue(dialog);
            EXPECT_TRUE(IsWindowVisible(dialog)) << id;
        }
        harness.driver.Expect("About Tarrowby", [&](HWND about) {
            EXPECT_NE(nullptr, FindWindowExA(about, nullptr, "Static", versionLine.c_str()));
            PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
        });
        SendMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        EXPECT_TRUE(harness.driver.AllHandled());

        const std::string before = harness.ReadIni();
        CMainApp second;
        EXPECT_FALSE(second.InitInstance());
        EXPECT_EQ(harness.ini, platform::ProfilePath());
        EXPECT_TRUE(second.m_strProfileName.empty());
        EXPECT_EQ(before, harness.ReadIni());

        ClickButton(dialog, ID_HELP);
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_NE(std::string::npos, harness.ReadIni().find("Dest1=C:\\Typed\n"));
    ASSERT_EQ(1u, harness.prompts.calls.size());
    EXPECT_EQ(0u, harness.prompts.calls[0].strText.find("The help page is missing."));
    EXPECT_EQ(static_cast<unsigned>(MB_ICONEXCLAMATION), harness.prompts.calls[0].nStyle);
}
