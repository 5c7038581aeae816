#include "ui/PumpPendingMessages_win32.h"

namespace {

bool IsUserInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

bool IsStopKey(const MSG& msg)
{
    return msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN);
}

bool BelongsTo(HWND dialog, HWND window)
{
    return window == dialog || IsChild(dialog, window);
}

}  // namespace

bool PumpPendingMessages(HWND dialog)
{
    bool stop = false;
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return stop;
        }
        // The cancel may already have closed the dialog.
        const bool dialogOpen = dialog != NULL && IsWindow(dialog);
        if (IsStopKey(msg)) {
            stop = true;
            if (dialogOpen)
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        } else if (dialogOpen && BelongsTo(dialog, msg.hwnd)) {
            if (!IsDialogMessageA(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        } else if (!IsUserInput(msg.message)) {
            DispatchMessageA(&msg);
        }
    }
    return stop;
}
