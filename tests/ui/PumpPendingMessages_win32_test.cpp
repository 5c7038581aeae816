#include "ui/PumpPendingMessages_win32.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A progress window as the save shows it: a modeless dialog whose cancel sets the
// caller's flag and closes it. Kept hidden, as Wine without a window manager
// takes two seconds to take down a window that was shown.
INT_PTR CALLBACK ProgressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        *reinterpret_cast<int*>(GetWindowLongPtrA(dialog, DWLP_USER)) = 1;
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

HWND CreateProgressDialog(int* cancel)
{
    struct {
        DLGTEMPLATE dialog;
        WORD menu, windowClass, title;
    } templ = {};
    templ.dialog.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    templ.dialog.cx = 219;
    templ.dialog.cy = 39;
    return CreateDialogIndirectParamA(GetModuleHandleA(NULL), &templ.dialog, NULL, ProgressProc,
                                      reinterpret_cast<LPARAM>(cancel));
}

std::vector<UINT> g_otherWindowMessages;

LRESULT CALLBACK OtherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER || message == WM_LBUTTONDOWN || message == WM_KEYDOWN)
        g_otherWindowMessages.push_back(message);
    return DefWindowProcA(window, message, wParam, lParam);
}

// Stands for the main window, which must not act on input during a save.
HWND CreateOtherWindow()
{
    static const bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = OtherProc;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.lpszClassName = "TarrowbyTestMainStandIn";
        return RegisterClassA(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    return CreateWindowA("TarrowbyTestMainStandIn", "main", WS_OVERLAPPEDWINDOW, 0,
                         0, 200, 100, NULL, NULL, GetModuleHandleA(NULL), NULL);
}

}  // namespace

TEST(PumpPendingMessages, EscapeAndEnterStopWhereverTheyArePressed)
{
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        SCOPED_TRACE(key);
        int cancel = 0;
        HWND dialog = CreateProgressDialog(&cancel);
        ASSERT_TRUE(dialog != NULL);
        EXPECT_FALSE(PumpPendingMessages(dialog));
        EXPECT_EQ(0, cancel);
        EXPECT_TRUE(IsWindow(dialog));
        PostMessageA(dialog, WM_KEYDOWN, key, 0);
        EXPECT_TRUE(PumpPendingMessages(dialog));
        EXPECT_EQ(1, cancel);
        EXPECT_FALSE(IsWindow(dialog));

        cancel = 0;
        dialog = CreateProgressDialog(&cancel);
        HWND other = CreateOtherWindow();
        g_otherWindowMessages.clear();
        PostMessageA(other, WM_KEYDOWN, key, 0);
        EXPECT_TRUE(PumpPendingMessages(dialog));
        EXPECT_EQ(1, cancel);
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_TRUE(g_otherWindowMessages.empty());

        // With no progress window yet (a read's first moments) the key still stops.
        PostMessageA(other, WM_KEYDOWN, key, 0);
        EXPECT_TRUE(PumpPendingMessages(NULL));
        EXPECT_TRUE(g_otherWindowMessages.empty());
        DestroyWindow(other);
    }
}

TEST(PumpPendingMessages, OtherWindowsGetTheirMessagesButNotTheirInput)
{
    int cancel = 0;
    HWND dialog = CreateProgressDialog(&cancel);
    HWND other = CreateOtherWindow();
    PumpPendingMessages(dialog);
    g_otherWindowMessages.clear();
    PostMessageA(other, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(other, WM_KEYDOWN, 'S', 0);
    PostMessageA(other, WM_USER, 0, 0);
    EXPECT_FALSE(PumpPendingMessages(dialog));
    EXPECT_EQ(std::vector<UINT>{WM_USER}, g_otherWindowMessages);
    EXPECT_EQ(0, cancel);
    DestroyWindow(other);
    DestroyWindow(dialog);
}

TEST(PumpPendingMessages, QuitRequestStaysForTheMessageLoop)
{
    int cancel = 0;
    HWND dialog = CreateProgressDialog(&cancel);
    PostQuitMessage(7);
    PumpPendingMessages(dialog);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
    EXPECT_TRUE(IsWindow(dialog));
    DestroyWindow(dialog);
}
