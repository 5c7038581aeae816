// Emptying the destination folder and showing the selected file's full path,
// through the main dialog's buttons and list view.
#include "MainDlgHarness.h"

#include "ui/MainDlg.h"

#include <gtest/gtest.h>

namespace {

// A double click on the list view as the control reports it to the dialog;
// returns the answer the dialog leaves for the control.
LRESULT DoubleClickList(HWND dialog)
{
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = GetDlgItem(dialog, IDC_SAMPLE_LIST);
    click.hdr.idFrom = IDC_SAMPLE_LIST;
    click.hdr.code = NM_DBLCLK;
    click.iItem = -1;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 99);
    SendMessageA(dialog, WM_NOTIFY, IDC_SAMPLE_LIST, reinterpret_cast<LPARAM>(&click));
    return GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
}

}  // namespace

TEST(FileCommands, FullPathShowsTheSelectedFileAndDeleteDestFilesAsksEveryTime)
{
    MainDlgHarness harness;
    const std::string small = harness.MakeFile("Music\\small.mp3", 1100);
    const std::string large = harness.MakeFile("Other\\large.mp3", 1500);
    const std::string out = harness.folder.Join("Out");
    ASSERT_TRUE(fixtures::MakeFolder(out));
    ASSERT_TRUE(fixtures::MakeFolder(out + "\\Sub"));
    for (const char* name : {"\\x.mp3", "\\y.txt", "\\Sub\\z.mp3"})
        ASSERT_TRUE(fixtures::WriteBytes(out + name, "bytes"));
    harness.WriteQuietIni();
    harness.prompts.fileAnswers = {std::vector<std::string>{small, large}};
    // Two full paths; then Delete Dest Files typed and answered No, picked and
    // answered No, picker cancelled, typed and answered Yes.
    harness.prompts.messageAnswers = {IDOK, IDOK, IDNO, IDNO, IDYES};
    harness.prompts.folderAnswers = {out, std::nullopt};
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_SELECT);
        // Nothing selected: neither the button nor a double click shows anything.
        ClickButton(dialog, IDC_FULL_PATH);
        EXPECT_EQ(0, DoubleClickList(dialog));
        EXPECT_TRUE(harness.prompts.calls.size() == 1u);
        ClickHeader(dialog, 1);  // largest first: the row no longer is the index
        SelectRow(dialog, 0);
        ClickButton(dialog, IDC_FULL_PATH);
        SelectRow(dialog, 1);
        EXPECT_EQ(0, DoubleClickList(dialog));

        SetDlgItemTextA(dialog, IDC_DEST, out.c_str());
        ClickButton(dialog, IDC_DELETE_DEST_FILES);
        SetDlgItemTextA(dialog, IDC_DEST, "");
        ClickButton(dialog, IDC_DELETE_DEST_FILES);
        ClickButton(dialog, IDC_DELETE_DEST_FILES);
        EXPECT_TRUE(PathExists(out + "\\x.mp3"));
        EXPECT_TRUE(PathExists(out + "\\y.txt"));
        SetDlgItemTextA(dialog, IDC_DEST, out.c_str());
        ClickButton(dialog, IDC_DELETE_DEST_FILES);
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_FALSE(PathExists(out + "\\x.mp3"));
    EXPECT_FALSE(PathExists(out + "\\y.txt"));
    EXPECT_TRUE(PathExists(out + "\\Sub"));

    const std::vector<PromptCall>& calls = harness.prompts.calls;
    ASSERT_EQ(8u, calls.size());
    EXPECT_EQ(harness.folder.Join("Other") + "\\large.mp3", calls[1].strText);
    EXPECT_EQ(harness.folder.Join("Music") + "\\small.mp3", calls[2].strText);
    // Shown directly: the information icon, not kept on top.
    EXPECT_EQ(static_cast<unsigned>(MB_ICONINFORMATION), calls[1].nStyle);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONINFORMATION), calls[2].nStyle);
    for (size_t i : {3u, 5u, 7u}) {
        EXPECT_EQ("Delete all files in\r" + out + "\\", calls[i].strText);
        EXPECT_EQ(static_cast<unsigned>(MB_YESNO | MB_DEFBUTTON2 | MB_TOPMOST | MB_ICONEXCLAMATION),
                  calls[i].nStyle);
    }
    for (size_t i : {4u, 6u})
        EXPECT_EQ("Select Dest folder", calls[i].strText);
}
