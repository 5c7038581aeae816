#pragma once
#include <windows.h>

// Serves the messages already waiting for this thread and returns as soon as none
// is left, never waiting for more. A long command (a save, a read) calls it now
// and then so that its progress window repaints and hears the user. Keyboard and
// mouse input meant for other windows is dropped, so no command of the main
// window starts in the middle. Escape or Enter pressed in any window of the
// thread stops the command: the progress window `dialog` (may be null) gets its
// cancel, and the result is true. A quit request is left in the queue for the
// message loop.
bool PumpPendingMessages(HWND dialog);
