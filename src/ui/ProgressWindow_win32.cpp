#include "ui/ProgressWindow.h"

#include "ui/App.h"
#include "ui/CountText.h"
#include "ui/FolderPicker.h"
#include "ui/PumpPendingMessages_win32.h"
#include "ui/resource.h"

CProgressWindow::CWindow::CWindow(UINT templateId, int* pCancel)
    : CProgressDlg(templateId, pCancel)
{
}

HWND CProgressWindow::CWindow::OwnerWindow() const
{
    HWND main = AppMainWindow();
    return main != nullptr && IsWindowVisible(main) ? CProgressDlg::OwnerWindow() : nullptr;
}

CProgressWindow::CProgressWindow(const CFileList& list)
    : m_pList(&list), m_nCountBefore(list.GetCount()), m_wndProgress(IDD_READ_PROGRESS, &m_nCancel)
{
}

CProgressWindow::CProgressWindow()
    : m_pList(nullptr), m_nCountBefore(0), m_wndProgress(IDD_COPY_PROGRESS, &m_nCancel)
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

// The read's own `admitted` starts again with every folder of the start-up read;
// the window counts what the list gained since the first.
bool CProgressWindow::Refresh(const std::string& source, int, bool show)
{
    if (show)
        Show();
    if (m_wndProgress.m_hWnd != nullptr) {
        // A click on the main window raises it, though the click itself is
        // dropped; the progress stays in sight.
        SetWindowPos(m_wndProgress.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_wndProgress.SetDlgItemText(IDC_READ_SOURCE, source);
        m_wndProgress.SetDlgItemText(IDC_READ_COUNT, FileCountText(m_pList->GetCount() - m_nCountBefore));
    }
    return Serve();
}

bool CProgressWindow::Saving(int, int, const std::string& destPath)
{
    Show();
    if (m_wndProgress.m_hWnd != nullptr)
        m_wndProgress.SetDlgItemText(IDC_COPY_PATH, destPath);
    // Repaints the window with the new path and hears a stop key pressed while
    // the previous file was saved.
    return Serve();
}

// The window keeps its fixed texts; the system's reason is not shown.
void CProgressWindow::NotSaved(const SaveFailure& failure)
{
    ShowPathMessage(FailurePrefix(failure), failure.path, 0);
}

// A window that cannot be made leaves the command going on without one.
void CProgressWindow::Show()
{
    if (m_bShown)
        return;
    m_bShown = true;
    if (m_wndProgress.Create() && GetWindow(m_wndProgress.m_hWnd, GW_OWNER) == nullptr)
        SetForegroundWindow(m_wndProgress.m_hWnd);
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
