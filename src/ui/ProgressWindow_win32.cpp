#include "ui/ProgressWindow.h"

#include "ui/App.h"
#include "ui/PumpPendingMessages_win32.h"

CProgressWindow::CWindow::CWindow(UINT templateId, int* pCancel)
    : CProgressDlg(templateId, pCancel)
{
}

HWND CProgressWindow::CWindow::OwnerWindow() const
{
    HWND main = AppMainWindow();
    return main != nullptr && IsWindowVisible(main) ? CProgressDlg::OwnerWindow() : nullptr;
}

CProgressWindow::CProgressWindow(UINT templateId) : m_wndProgress(templateId, &m_nCancel)
{
}

CProgressWindow::~CProgressWindow()
{
    if (m_bServed) {
        // Input given since the last refresh is meant for the command too: an
        // Escape left in the queue would reach the main window and close it.
        PumpPendingMessages(m_wndProgress.m_hWnd);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }
    m_wndProgress.DestroyWindow();
}

void CProgressWindow::Show()
{
    if (m_bShown)
        return;
    m_bShown = true;
    if (m_wndProgress.Create() && GetWindow(m_wndProgress.m_hWnd, GW_OWNER) == nullptr)
        SetForegroundWindow(m_wndProgress.m_hWnd);
}

void CProgressWindow::SetText(int id, const std::string& text)
{
    if (m_wndProgress.m_hWnd == nullptr)
        return;
    // A click on the main window raises it, though the click itself is dropped;
    // the progress stays in sight.
    SetWindowPos(m_wndProgress.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_wndProgress.SetDlgItemText(id, text);
}

bool CProgressWindow::Serve()
{
    if (m_hWaitCursor == nullptr)
        m_hWaitCursor = LoadCursor(nullptr, IDC_WAIT);
    m_bServed = true;
    const bool stopKey = PumpPendingMessages(m_wndProgress.m_hWnd);
    // Serving the messages let the windows set their own cursor.
    if (m_hWaitCursor != nullptr)
        SetCursor(m_hWaitCursor);
    return !stopKey && m_nCancel == 0;
}
