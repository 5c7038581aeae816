#include "DialogDriver.h"

#include <gtest/gtest.h>

namespace {
CDialogDriver* g_pDriver = nullptr;
}

CDialogDriver::CDialogDriver()
{
    g_pDriver = this;
    m_hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, OnCallReturn, nullptr, GetCurrentThreadId());
    EXPECT_NE(nullptr, m_hHook);
}

CDialogDriver::~CDialogDriver()
{
    if (m_hHook != nullptr)
        UnhookWindowsHookEx(m_hHook);
    g_pDriver = nullptr;
    for (const Expected& expected : m_vecExpected)
        ADD_FAILURE() << "dialog never opened: " << expected.caption;
}

void CDialogDriver::Expect(const std::string& caption, std::function<void(HWND)> action)
{
    m_vecExpected.push_back({caption, std::move(action)});
}

LRESULT CALLBACK CDialogDriver::OnCallReturn(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && g_pDriver != nullptr && call->message == WM_INITDIALOG)
        g_pDriver->DialogOpened(call->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CDialogDriver::DialogOpened(HWND window)
{
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    m_vecOpened.push_back(caption);
    for (auto it = m_vecExpected.begin(); it != m_vecExpected.end(); ++it) {
        if (it->caption == caption) {
            m_vecPending.push_back({window, std::move(it->action)});
            m_vecExpected.erase(it);
            // Runs once the dialog's own loop has nothing else to do, after
            // anything the dialog posted to itself while it started.
            SetTimer(nullptr, 0, 10, OnIdle);
            return;
        }
    }
    ADD_FAILURE() << "unexpected dialog: " << caption;
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

void CALLBACK CDialogDriver::OnIdle(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (g_pDriver == nullptr || g_pDriver->m_vecPending.empty())
        return;
    // The innermost dialog is the one whose loop is running; its loop shows it
    // only once nothing else is waiting, so the action waits for that too.
    HWND innermost = g_pDriver->m_vecPending.back().window;
    if (IsWindow(innermost) && !IsWindowVisible(innermost)) {
        SetTimer(nullptr, 0, 10, OnIdle);
        return;
    }
    Pending pending = std::move(g_pDriver->m_vecPending.back());
    g_pDriver->m_vecPending.pop_back();
    if (!IsWindow(pending.window))
        return;
    pending.action(pending.window);
}

void ClickButton(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void ToggleCheckBox(HWND dialog, int id)
{
    const bool checked = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    CheckDlgButton(dialog, id, checked ? BST_UNCHECKED : BST_CHECKED);
    ClickButton(dialog, id);
}

std::string ItemText(HWND dialog, int id)
{
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

bool IsItemEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}
