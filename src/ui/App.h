#pragma once
// The application object and the services every window shares (Windows only).
#include <windows.h>

#include <string>

class CDialog;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the whole program; false ends the process without a message loop.
    virtual BOOL InitInstance() = 0;

    // The window that owns the program's message boxes and folder pickers.
    CDialog* m_pMainWnd = nullptr;
};

// The main window's handle, or null while there is none.
HWND AppMainWindow();

// The owner for a dialog or box with no parent: the main window's last active
// pop-up, or null.
HWND SafeOwnerWindow();

// The executable's full path.
std::string ExecutablePath();

// The text that titles every message box: the executable's name without its
// extension.
const std::string& AppName();

// The framework's message box: modal, titled with the application's name, with
// the exclamation icon when `style` names none. Returns the button pressed.
int AppMessageBox(const std::string& text, UINT style = MB_OK);
