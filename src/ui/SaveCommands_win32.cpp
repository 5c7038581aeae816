// The main window's commands that save the shown list into the destination
// folder, and the Dest field's Browse button.
#include "output/SaveFiles.h"
#include "output/SaveTexts.h"
#include "ui/FolderPicker.h"
#include "ui/MainDlg.h"
#include "ui/SaveProgressWindow.h"
#include "ui/StatusText.h"

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

    SaveTally tally;
    {
        CSaveProgressWindow progress;
        // Messages served between files could reach a command sent from outside,
        // so the list is held here and the save reads its count at every step.
        const CFileList& list = *g_pCurrent;
        SaveFiles(list, destFolder, links != FALSE, progress, m_pHistory.get());
        tally = progress.Tally();
    }
    ShowStatus(SaveOutcomeText(tally, links != FALSE, destFolder));
    m_historyFailure.AfterWrite(m_pHistory->RecordsResult(), m_pHistory->Path());
    ReadRecentSaves();
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
    if (BrowseForFolder(folder, kSelectDestTitle, GetDlgItemText(IDC_DEST)))
        SetDlgItemText(IDC_DEST, folder);
}
