// The main window as a Windows utility: what Enter does, where the focus goes,
// where the windows open, and a change of scaling.
#include "MainDlgHarness.h"

#include "ui/MainDlg.h"
#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

void PressKey(HWND dialog, WPARAM key)
{
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
    ServeQueue(dialog);
}

void FocusOn(HWND dialog, int id)
{
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

// The control of `dialog` that has the focus, or that holds the window that has
// it (as a combo box holds its edit); 0 for none.
int FocusedId(HWND dialog)
{
    HWND focus = GetFocus();
    while (focus != nullptr && GetParent(focus) != dialog)
        focus = GetParent(focus);
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

POINT CentreOf(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT CentreOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return CentreOf(rect);
}

RECT WorkArea(HWND window)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

void ExpectCentredOn(HWND window, POINT centre, const char* what)
{
    const POINT actual = CentreOf(window);
    EXPECT_NEAR(centre.x, actual.x, 1) << what;
    EXPECT_NEAR(centre.y, actual.y, 1) << what;
}

}  // namespace

TEST(MainDlgWindow, EnterKeepsTheProgramOpenWhereItHasAJobAndTheFocusStaysUsable)
{
    MainDlgHarness harness;
    const std::string song = harness.MakeFile("Music\\song.mp3", 1500);
    const std::string tune = harness.MakeFile("Music\\tune.mp3", 1200);
    harness.MakeFile("Music\\other.mp3", 1100);
    harness.WriteQuietIni({"MaxView1=0", "Start=" + harness.folder.Join("Music")});
    harness.prompts.fileAnswers = {std::vector<std::string>{song, tune}};
    harness.prompts.messageAnswers = {IDOK};
    const INT_PTR result = harness.Run([&](HWND dialog) {
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_SAMPLE));
        FocusOn(dialog, IDC_MAX_KB);
        SetDlgItemTextA(dialog, IDC_MAX_KB, "16250");
        PressKey(dialog, VK_RETURN);
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_SAMPLE));  // the typed capacity counts
        EXPECT_EQ(IDC_MAX_KB, FocusedId(dialog));

        // In the list Enter shows where the selected file lives, as a double click.
        ClickButton(dialog, IDC_SELECT);
        FocusOn(dialog, IDC_SAMPLE_LIST);
        SelectRow(dialog, 0);
        PressKey(dialog, VK_RETURN);
        EXPECT_EQ(song, harness.prompts.calls.back().strText);

        // Exclude selects the row that takes the excluded one's place (the one
        // above, for the last) and keeps the focus; a command that disables its
        // own button hands the focus to Sample (or else the list), never on to
        // the next button (Clear sample, Delete Dest Files).
        SelectRow(dialog, 1);
        FocusOn(dialog, IDC_EXCLUDE);
        ClickButton(dialog, IDC_EXCLUDE);
        EXPECT_EQ(std::vector<std::string>{"song"}, ColumnTexts(dialog, 0));
        EXPECT_EQ(0, SelectedRow(dialog));
        EXPECT_EQ(IDC_EXCLUDE, FocusedId(dialog));
        ClickButton(dialog, IDC_EXCLUDE);
        EXPECT_EQ(IDC_SAMPLE, FocusedId(dialog));
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_PLAY));
        ClickButton(dialog, IDC_SAMPLE);  // "other", the file left in the source
        FocusOn(dialog, IDC_CLEAR_SAMPLE);
        ClickButton(dialog, IDC_CLEAR_SAMPLE);  // Alt+M; no rows: the saving buttons go too
        EXPECT_EQ(IDC_SAMPLE, FocusedId(dialog));

        // Only the button with the focus looks like the default one: a click
        // takes the look along as the keys do.
        harness.driver.Expect(kOptionsCaption, [](HWND options) {
            EXPECT_EQ(GetDlgItem(options, IDC_OPT_START), GetFocus());
            PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
        });
        HWND optionsButton = GetDlgItem(dialog, IDC_OPTIONS);
        SendMessageA(optionsButton, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageA(optionsButton, WM_LBUTTONUP, 0, 0);
        ServeQueue(dialog);
        EXPECT_EQ(IDC_OPTIONS, FocusedId(dialog));
        for (int id : {IDC_SAMPLE, IDC_OPTIONS})
            EXPECT_EQ(id == IDC_OPTIONS, (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) &
                                          BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                << id;
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_NE(std::string::npos, harness.ReadIni().find("MaxView1=16250\n"));
}

TEST(MainDlgWindow, OpensCentredItsWindowsCentredOnItAndTakesAScalingChange)
{
    MainDlgHarness harness;
    harness.prompts.fileAnswers = {std::vector<std::string>{harness.MakeFile("Music\\a.mp3", 1500),
                                                            harness.MakeFile("Music\\b.mp3", 1200)}};
    harness.WriteQuietIni();
    HFONT doubled = nullptr;
    harness.Run([&](HWND dialog) {
        ExpectCentredOn(dialog, CentreOf(WorkArea(dialog)), "main window");
        SetWindowPos(dialog, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        const POINT centre = CentreOf(dialog);
        harness.driver.Expect("Quick start info", [&](HWND quickStart) {
            ExpectCentredOn(quickStart, centre, "Quick start");
            PostMessageA(quickStart, WM_COMMAND, IDOK, 0);
        });
        SendMessageA(dialog, WM_QUICKSTART, 0, 0);
        harness.driver.Expect(kOptionsCaption, [&](HWND options) {
            ExpectCentredOn(options, centre, "Options");
            PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
        });
        ClickButton(dialog, IDC_OPTIONS);
        // A window of its own, as the reading window before the main one shows.
        HWND unowned = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr,
                                       nullptr, nullptr, nullptr);
        CentreWindow(unowned);
        ExpectCentredOn(unowned, centre, "unowned");
        DestroyWindow(unowned);

        // Centred on a main window at the screen's corner, a box would leave
        // the screen: it stays inside.
        const RECT work = WorkArea(dialog);
        SetWindowPos(dialog, nullptr, work.right - 60, work.bottom - 40, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        harness.driver.Expect("About Tarrowby", [&](HWND about) {
            RECT rect = {};
            GetWindowRect(about, &rect);
            EXPECT_EQ(work.right, rect.right);
            EXPECT_EQ(work.bottom, rect.bottom);
            PostMessageA(about, WM_COMMAND, IDOK, 0);
        });
        SendMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);

        // Moved to a monitor of twice the scaling, the system suggests a place
        // and size and gives the controls a font twice the size; the window
        // takes the place, its icons the new sizes, and the list its new width
        // and row height.
        ClickButton(dialog, IDC_SELECT);
        HWND list = GetDlgItem(dialog, IDC_SAMPLE_LIST);
        RECT listRect = {};
        GetWindowRect(list, &listRect);
        const int listWidth = 2 * (listRect.right - listRect.left);
        SetWindowPos(list, nullptr, 0, 0, listWidth, listRect.bottom - listRect.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        LOGFONTA shape = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)), sizeof(shape),
                   &shape);
        shape.lfHeight *= 2;
        doubled = CreateFontIndirectA(&shape);
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(doubled), FALSE);

        RECT suggested = {20, 10, 20 + 900, 10 + 880};
        SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(192, 192),
                     reinterpret_cast<LPARAM>(&suggested));
        ServeQueue(dialog);

        RECT now = {};
        GetWindowRect(dialog, &now);
        EXPECT_TRUE(EqualRect(&suggested, &now));
        EXPECT_EQ(32, IconWidth(dialog, ICON_SMALL));
        EXPECT_EQ(64, IconWidth(dialog, ICON_BIG));
        RECT client = {};
        GetClientRect(list, &client);
        const int usable = client.right - GetSystemMetrics(SM_CXVSCROLL);
        const int name = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
        EXPECT_EQ(static_cast<int>(usable * static_cast<double>(0.83f)), name);
        EXPECT_EQ(usable - name, static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0)));
        HDC screen = GetDC(nullptr);
        HGDIOBJ old = SelectObject(screen, doubled);
        TEXTMETRICA metrics = {};
        GetTextMetricsA(screen, &metrics);
        SelectObject(screen, old);
        ReleaseDC(nullptr, screen);
        RECT first = {LVIR_BOUNDS, 0, 0, 0};
        RECT second = {LVIR_BOUNDS, 0, 0, 0};
        SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
        EXPECT_EQ(metrics.tmHeight + 2, second.top - first.top);  // two pixels apart at 200 %
        ClickButton(dialog, IDCANCEL);
    });
    DeleteObject(doubled);
}
