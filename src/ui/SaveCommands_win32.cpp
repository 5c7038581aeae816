// The main window's commands that save the shown list into the destination
// folder, and the Dest field's Browse button.
#include "ui/PumpPendingMessages_win32.h"
#include "output/SaveFiles.h"
#include "output/SaveTexts.h"
#include "ui/CopyProgressDlg.h"
#include "ui/FolderPicker.h"
#include "ui/MainDlg.h"

namespace {

// The save as the window shows it: the path in hand in the "Copying ..." window,
// each file not saved in a message box of its own.
class CWindowSaveReport : public CSaveReport {
public:
    CWindowSaveReport(CCopyProgressDlg& progress, const int& cancel)
        : m_progress(progress), m_cancel(cancel)
    {
    }

    bool Saving(int, int, const std::string& destPath) override
    {
        if (m_progress.m_hWnd != nullptr)
            m_progress.SetDlgItemText(IDC_COPY_PATH, destPath);
        // Repaints the window with the new path and hears an Escape pressed
        // while the previous file was saved.
        PumpPendingMessages(m_progress.m_hWnd);
        return m_cancel == 0;
    }

    // The window keeps its fixed texts; the system's reason is not shown.
    void NotSaved(const SaveFailure& failure) override
    {
        ShowPathMessage(FailurePrefix(failure), failure.path, 0);
    }

private:
    CCopyProgressDlg& m_progress;
    const int& m_cancel;  // set by the progress window's cancel
};

}  // namespace

BOOL CMainDlg::GetDestFolder(std::string& folder)
{
    folder.clear();
    std::string text = GetDlgItemText(IDC_DEST);
    // A picked folder serves this command only; the field stays empty.
    if (text.empty() && !BrowseForFolder(text, kSelectDestTitle))
        return FALSE;
    std::string dest;
    if (!ReachDestFolder(text, dest)) {
        ShowPathMessage(kCannotAccessFolder, dest, 0);
        return FALSE;
    }
    folder = dest;
    return TRUE;
}

void CMainDlg::SaveToDest(BOOL links)
{
    const bool typed = !GetDlgItemText(IDC_DEST).empty();
    std::string destFolder;
    if (!GetDestFolder(destFolder))
        return;
    // Only a typed folder is confirmed: a picked one was chosen just now.
    if (typed && ShowPathMessage(kCopyTo, destFolder, MB_YESNO) != IDYES)
        return;

    int cancel = 0;
    CCopyProgressDlg progress(&cancel, this);
    progress.Create();
    CWindowSaveReport report(progress, cancel);
    // Messages served between files could reach a command sent from outside, so
    // the list is held here and the save reads its count at every step.
    const CFileList& list = *g_pCurrent;
    SaveFiles(list, destFolder, links != FALSE, report);
    // Input given during the last file is meant for the save too: an Escape left
    // in the queue would reach the main window and close it.
    PumpPendingMessages(progress.m_hWnd);
    progress.DestroyWindow();
}

void CMainDlg::OnCopyToDest()
{
    SaveToDest(FALSE);
}

void CMainDlg::OnLinksToDest()
{
    SaveToDest(TRUE);
}

void CMainDlg::OnBrowseDest()
{
    std::string folder;
    if (BrowseForFolder(folder, kSelectDestTitle))
        SetDlgItemText(IDC_DEST, folder);
}
