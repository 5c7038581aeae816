// The main window's command that hands the shown list to the player manager.
#include "output/DestPaths.h"
#include "output/DropOnWindow_win32.h"
#include "output/SaveTexts.h"
#include "ui/FolderPicker.h"
#include "ui/MainDlg.h"
#include "ui/SaveProgressWindow.h"
#include "ui/StatusText.h"

#include <optional>
#include <vector>

std::vector<uint32_t> CMainDlg::RowOrder() const
{
    const int count = g_pCurrent->GetCount();
    std::vector<uint32_t> order;
    for (int row = 0; row < count; ++row) {
        const int index = GetRowIndex(row);
        if (index >= 0 && index < count)
            order.push_back(static_cast<uint32_t>(index));
    }
    return order;
}

// The paths go in the order the list view shows them, so the player receives the
// files as the user sorted them. With converting on, the files are converted into
// the cache first and their converted copies dropped; the history records the
// originals.
void CMainDlg::OnDropOnRio()
{
    // Converting takes a while: the receiver is looked for first.
    if (FindDropTarget(m_pSettings->Caption, m_pSettings->Child,
                       IsDlgButtonChecked(IDC_EXTERNAL_MEM)) == nullptr) {
        ShowPathMessage(kCannotFindRioWindow, "", 0);
        return;
    }
    std::optional<ConvertTally> converted;
    std::vector<std::string> paths, originals;
    if (m_pConvertFill) {
        CSaveProgressWindow progress;
        converted.emplace();
        const CopySources sources = ConvertShownList(progress, true, *converted);
        if (converted->bStopped) {
            ShowStatus(DropOutcomeText(0, *converted));
            return;
        }
        // Each file that could not be converted was told; nothing is left to drop.
        if (sources.originals.empty())
            return;
        for (uint32_t index = 0; index < sources.originals.size(); ++index)
            paths.push_back(FullPath(sources.files.GetFolder(index), sources.files.GetName(index)));
        originals = sources.originals;
    } else {
        for (const uint32_t index : RowOrder())
            paths.push_back(FullPath(g_pCurrent->GetFolder(index), g_pCurrent->GetName(index)));
        originals = paths;
    }
    // A block that could not be made or posted was freed; the user is not told,
    // as the receiver would not have answered either.
    switch (DropOnWindow(m_pSettings->Caption, m_pSettings->Child,
                         IsDlgButtonChecked(IDC_EXTERNAL_MEM), paths)) {
    case DropOutcome::kPosted:
        RecordSaves(originals);
        ReadRecentSaves();
        if (converted)
            ShowStatus(DropOutcomeText(static_cast<int>(paths.size()), *converted));
        break;
    case DropOutcome::kNoTarget:
        ShowPathMessage(kCannotFindRioWindow, "", 0);
        break;
    case DropOutcome::kNotPosted:
        break;
    }
}
