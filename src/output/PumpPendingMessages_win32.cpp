#include "output/PumpPendingMessages_win32.h"

namespace {

bool IsUserInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

bool IsEscapePressed(const MSG& msg)
{
    return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
}

bool BelongsTo(HWND dialog, HWND window)
{
    return window == dialog || IsChild(dialog, window);
}

}  // namespace

void PumpPendingMessages(HWND dialog)
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        // The cancel may already have closed the dialog.
        const bool dialogOpen = dialog != NULL && IsWindow(dialog);
        if (dialogOpen && BelongsTo(dialog, msg.hwnd)) {
            if (!IsDialogMessageA(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        } else if (!IsUserInput(msg.message)) {
            DispatchMessageA(&msg);
        } else if (dialogOpen && IsEscapePressed(msg)) {
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    }
}
