// The main window's command that hands the shown list to the player manager.
#include "output/DestPaths.h"
#include "output/DropOnWindow_win32.h"
#include "output/SaveTexts.h"
#include "ui/FolderPicker.h"
#include "ui/MainDlg.h"

#include <vector>

// The paths go in the order the list view shows them, so the player receives the
// files as the user sorted them.
void CMainDlg::OnDropOnRio()
{
    const int count = g_pCurrent->GetCount();
    std::vector<std::string> paths;
    for (int row = 0; row < count; ++row) {
        const int index = GetRowIndex(row);
        if (index < 0 || index >= count)
            continue;
        const uint32_t entry = static_cast<uint32_t>(index);
        paths.push_back(FullPath(g_pCurrent->GetFolder(entry), g_pCurrent->GetName(entry)));
    }
    // A block that could not be made or posted was freed; the user is not told,
    // as the receiver would not have answered either.
    switch (DropOnWindow(m_pSettings->Caption, m_pSettings->Child,
                         IsDlgButtonChecked(IDC_EXTERNAL_MEM), paths)) {
    case DropOutcome::kPosted:
        RecordSaves(paths);
        ReadRecentSaves();
        break;
    case DropOutcome::kNoTarget:
        ShowPathMessage(kCannotFindRioWindow, "", 0);
        break;
    case DropOutcome::kNotPosted:
        break;
    }
}
