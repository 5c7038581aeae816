#include "ui/ReadProgressWindow.h"

#include "ui/PumpPendingMessages_win32.h"
#include "ui/App.h"
#include "ui/CountText.h"
#include "ui/resource.h"

CReadProgressWindow::CReadProgressDlg::CReadProgressDlg(int* pCancel)
    : CProgressDlg(IDD_READ_PROGRESS, pCancel)
{
}

HWND CReadProgressWindow::CReadProgressDlg::OwnerWindow() const
{
    HWND main = AppMainWindow();
    return main != nullptr && IsWindowVisible(main) ? CProgressDlg::OwnerWindow() : nullptr;
}

CReadProgressWindow::CReadProgressWindow(const CFileList& list)
    : m_list(list), m_nCountBefore(list.GetCount()), m_dialog(&m_nCancel)
{
}

CReadProgressWindow::~CReadProgressWindow()
{
    if (m_bServed) {
        // Input given since the last refresh is meant for the read too: an Escape
        // left in the queue would reach the main window and close it.
        PumpPendingMessages(m_dialog.m_hWnd);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }
    m_dialog.DestroyWindow();
}

// The read's own `admitted` starts again with every folder of the start-up read;
// the window counts what the list gained since the first.
bool CReadProgressWindow::Refresh(const std::string& source, int, bool show)
{
    // A window that cannot be made leaves the read going on without one. Made
    // at start-up, it is the program's only window and takes the keyboard.
    if (show && !m_bShown) {
        m_bShown = true;
        if (m_dialog.Create() && GetWindow(m_dialog.m_hWnd, GW_OWNER) == nullptr)
            SetForegroundWindow(m_dialog.m_hWnd);
    }
    if (m_dialog.m_hWnd != nullptr) {
        // A click on the main window raises it, though the click itself is
        // dropped; the progress stays in sight.
        SetWindowPos(m_dialog.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_dialog.SetDlgItemText(IDC_READ_SOURCE, source);
        m_dialog.SetDlgItemText(IDC_READ_COUNT, FileCountText(m_list.GetCount() - m_nCountBefore));
    }
    if (m_hWaitCursor == nullptr)
        m_hWaitCursor = LoadCursor(nullptr, IDC_WAIT);
    m_bServed = true;
    const bool stopKey = PumpPendingMessages(m_dialog.m_hWnd);
    // Serving the messages let the windows set their own cursor.
    if (m_hWaitCursor != nullptr)
        SetCursor(m_hWaitCursor);
    return !stopKey && m_nCancel == 0;
}
