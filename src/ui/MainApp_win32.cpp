#include "ui/MainApp.h"

#include "platform/Profile.h"
#include "settings/IniPath.h"
#include "ui/MainDlg.h"

BOOL CMainApp::InitInstance()
{
    // Only a dialog counts as the running copy: a folder window that happens to
    // be titled like the program must not keep it from starting.
    HWND running = FindWindowA(kDialogClass, kMainCaption);
    if (running != nullptr) {
        SetForegroundWindow(running);
        return FALSE;
    }
    m_strProfileName = IniPathForExecutable(ExecutablePath());
    platform::SetProfilePath(m_strProfileName);

    CMainDlg dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
