#pragma once
#include <windows.h>

// Serves the messages already waiting for this thread and returns as soon as none
// is left, never waiting for more. A save calls it between files so that its
// progress window repaints and hears Escape. Keyboard and mouse input meant for
// other windows is dropped, so no command of the main window starts in the
// middle of a save; Escape pressed anywhere counts as the progress window's
// cancel. A quit request is left in the queue for the message loop.
void PumpPendingMessages(HWND dialog);
