#include "ui/App.h"

#include "ui/Dialog.h"
#include "ui/ProgramFiles.h"
#include "ui/UserPrompts.h"

#include <vector>

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp()
{
    if (g_pApp == nullptr)
        g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

HWND AppMainWindow()
{
    return (g_pApp != nullptr && g_pApp->m_pMainWnd != nullptr) ? g_pApp->m_pMainWnd->m_hWnd
                                                                 : nullptr;
}

HWND SafeOwnerWindow()
{
    HWND main = AppMainWindow();
    return main != nullptr ? GetLastActivePopup(main) : nullptr;
}

std::string ExecutablePath()
{
    std::vector<char> path(32768);
    const DWORD length =
        GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return std::string(path.data(), length < path.size() ? length : 0);
}

const std::string& AppName()
{
    static const std::string s_strName = ApplicationName(ExecutablePath());
    return s_strName;
}

int AppMessageBox(const std::string& text, UINT style)
{
    if ((style & MB_ICONMASK) == 0)
        style |= MB_ICONEXCLAMATION;
    return UserPrompts().ShowMessage(text, style);
}
