// The sample list as the user sees it: columns that fit beside the scroll bar,
// and the header's arrow over the sorted column.
#include "MainDlgHarness.h"

#include "ui/MainDlg.h"
#include "ui/RowText.h"

#include <gtest/gtest.h>

namespace {

// The arrow each header item shows: "up", "down" or "-".
std::vector<std::string> HeaderArrows(HWND dialog)
{
    HWND header = reinterpret_cast<HWND>(
        SendDlgItemMessageA(dialog, IDC_SAMPLE_LIST, LVM_GETHEADER, 0, 0));
    std::vector<std::string> arrows;
    const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        arrows.push_back((item.fmt & HDF_SORTUP) ? "up" : (item.fmt & HDF_SORTDOWN) ? "down" : "-");
    }
    return arrows;
}

}  // namespace

TEST(SampleListView, ColumnsFitBesideTheScrollBarAndTheHeaderShowsTheOrder)
{
    MainDlgHarness harness;
    std::vector<std::string> songs;
    for (int i = 0; i < 60; ++i)
        songs.push_back(harness.MakeFile("Music\\song" + std::to_string(i) + ".mp3", 1100 + i));
    harness.WriteQuietIni();
    harness.prompts.fileAnswers = {songs};
    harness.Run([](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_SAMPLE_LIST);
        const auto columnsWidth = [list] {
            return SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0) +
                   SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0);
        };
        // Beside the scroll bar to come, 0.83 of the width to "Name".
        RECT client = {};
        GetClientRect(list, &client);
        const int usable = client.right - GetSystemMetrics(SM_CXVSCROLL);
        EXPECT_EQ(static_cast<int>(usable * static_cast<double>(0.83f)),
                  SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
        EXPECT_EQ(usable, columnsWidth());
        EXPECT_EQ((std::vector<std::string>{"up", "-"}), HeaderArrows(dialog));

        ClickButton(dialog, IDC_SELECT);
        const LONG style = GetWindowLongA(list, GWL_STYLE);
        EXPECT_NE(0, style & WS_VSCROLL);
        EXPECT_EQ(0, style & WS_HSCROLL);
        GetClientRect(list, &client);
        EXPECT_EQ(client.right, columnsWidth());
        // The largest file a sample takes shows its size whole, beside the margins
        // the row drawing keeps.
        HDC dc = GetDC(list);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
        const std::string largest = SizeCellText(1000000);
        SIZE text = {};
        GetTextExtentPoint32A(dc, largest.c_str(), static_cast<int>(largest.size()), &text);
        SelectObject(dc, old);
        ReleaseDC(list, dc);
        EXPECT_LE(text.cx + 12, SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0));

        ClickHeader(dialog, 1);  // largest first
        EXPECT_EQ((std::vector<std::string>{"-", "down"}), HeaderArrows(dialog));
        ClickHeader(dialog, 1);  // smallest first
        EXPECT_EQ((std::vector<std::string>{"-", "up"}), HeaderArrows(dialog));
        ClickHeader(dialog, 0);  // A to Z
        ClickHeader(dialog, 0);  // Z to A
        EXPECT_EQ((std::vector<std::string>{"down", "-"}), HeaderArrows(dialog));
        ClickButton(dialog, IDCANCEL);
    });
}
