#pragma once
// Where the program's windows open (Windows only).
#include <windows.h>

// Centres `window` on its owner, else on the program's main window, else on the
// work area of its monitor; on a small screen it is kept inside the work area.
void CentreWindow(HWND window);
