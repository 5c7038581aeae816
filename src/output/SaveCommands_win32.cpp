// The main window's commands that save the shown list into the destination
// folder, and the Dest field's Browse button.
#include "output/CopyToDest_win32.h"
#include "output/DestPaths.h"
#include "output/PumpPendingMessages_win32.h"
#include "output/SaveTexts.h"
#include "platform/FileSystem.h"
#include "shell/Shortcuts.h"
#include "ui/CopyProgressDlg.h"
#include "ui/FolderPicker.h"
#include "ui/MainDlg.h"

#include <optional>

BOOL CMainDlg::GetDestFolder(std::string& folder)
{
    folder.clear();
    std::string text = GetDlgItemText(IDC_DEST);
    // A picked folder serves this command only; the field stays empty.
    if (text.empty() && !BrowseForFolder(text, kSelectDestTitle))
        return FALSE;
    const std::optional<std::string> dest = MakeDestFolder(text);
    // A path too long to hold cannot be reached, and cutting it would name
    // another folder.
    if (!dest || !platform::PathExists(*dest)) {
        ShowPathMessage(kCannotAccessFolder, dest ? *dest : text, 0);
        return FALSE;
    }
    folder = *dest;
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
    // Messages served between files could reach a command sent from outside, so
    // the list is held and its count read at every step.
    const CFileList* list = g_pCurrent;
    for (int index = 0; index < list->GetCount(); ++index) {
        const uint32_t entry = static_cast<uint32_t>(index);
        const std::string name = list->GetName(entry);
        const SaveStep step = PlanSave(destFolder, list->GetFolder(entry), name, links != FALSE);
        if (progress.m_hWnd != nullptr)
            progress.SetDlgItemText(IDC_COPY_PATH, step.strDest);
        // Repaints the window with the new path and hears an Escape pressed
        // while the previous file was saved.
        PumpPendingMessages(progress.m_hWnd);
        if (cancel != 0)
            break;

        switch (step.outcome) {
        case SaveStep::kSameAsSource:
            ShowPathMessage(kDestSameAsSource, step.strDest, 0);
            break;
        case SaveStep::kTooLong:
            ShowPathMessage(kSaveFailed, step.strSource, 0);
            break;
        case SaveStep::kWrite: {
            const bool saved = links ? CreateShortcut(step.strWritten, name, step.strSource)
                                     : CopyToDest(step.strSource, step.strWritten);
            if (!saved)
                ShowPathMessage(kSaveFailed, step.strSource, 0);
            break;
        }
        }
    }
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
