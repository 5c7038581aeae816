// The main window's commands on files rather than lists: emptying the
// destination folder, and playing or showing the selected file.
#include "output/DestPaths.h"
#include "output/SaveTexts.h"
#include "output/ShellRequests_win32.h"
#include "ui/App.h"
#include "ui/FolderPicker.h"
#include "ui/MainDlg.h"

// Asked also for a folder just picked: deleting is not undone by a second save.
// The question defaults to No, so a stray Return deletes nothing.
void CMainDlg::OnDeleteDestFiles()
{
    std::string destFolder;
    if (!GetDestFolder(destFolder))
        return;
    if (ShowPathMessage(kDeleteAllFilesIn, destFolder, MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return;
    DeleteDestFiles(destFolder);
}

void CMainDlg::OnFullPath()
{
    const int index = GetSelectedIndex();
    if (index < 0)
        return;
    const uint32_t entry = static_cast<uint32_t>(index);
    AppMessageBox(FullPath(g_pCurrent->GetFolder(entry), g_pCurrent->GetName(entry)),
                  MB_ICONINFORMATION);
}

// The selected row counts, not the one under the pointer; the click that
// started the double click has normally selected it.
void CMainDlg::OnListDblClk(LRESULT& result)
{
    OnFullPath();
    result = 0;
}

void CMainDlg::OnPlay()
{
    const int index = GetSelectedIndex();
    if (index < 0)
        return;
    const uint32_t entry = static_cast<uint32_t>(index);
    PlayFile(FullPath(g_pCurrent->GetFolder(entry), g_pCurrent->GetName(entry)));
}
