// The main window's commands that save the shown list into the destination
// folder, and the Dest field's Browse button.
#include "catalogue/RecentSaves.h"
#include "catalogue/Sampling.h"
#include "output/DestPaths.h"
#include "output/SaveFiles.h"
#include "output/SaveTexts.h"
#include "ui/FolderPicker.h"
#include "ui/MainDlg.h"
#include "ui/SaveProgressWindow.h"
#include "ui/StatusText.h"

#include <algorithm>
#include <numeric>

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

CopySources CMainDlg::ConvertShownList(CSaveProgressWindow& progress, bool inRowOrder,
                                       ConvertTally& tally)
{
    const std::size_t convertedBefore = m_pConvertFill->ConvertedCount();
    const std::size_t fromCacheBefore = m_pConvertFill->FromCacheCount();
    const uint32_t maxKB = static_cast<uint32_t>(GetDlgItemInt(IDC_MAX_KB));
    // The source itself, or a list without a capacity, goes whole.
    const bool fits = !IsSourceShown() && maxKB > 0;
    FillTarget target;
    target.maxKB = fits ? maxKB : UINT32_MAX;
    target.resample = IsDlgButtonChecked(IDC_RESAMPLE) != FALSE;
    target.rules = FillRules{fits && m_pSettings->TopUp != 0, 0};
    if (target.rules.topUp)
        ReadRecentSaves();
    // The top-up draws by the planned sizes, as Sample does; the source keeps
    // the files' own, also when it is the list shown.
    CFileList planned = *m_pSource;
    const std::vector<bool> leftOut = MarkRecentlySaved(planned, m_recentSaves);
    const CFileList& other = g_pCurrent == m_pInternal.get() ? *m_pExternal : *m_pInternal;
    SampleLists lists = {planned, IsSourceShown() ? planned : *g_pCurrent, other, *m_pTrial,
                         *m_pBest};
    lists.leftOut = &leftOut;
    m_pConvertFill->Fit(planned, lists, target, progress, progress.StopFlag());
    RefillListView(m_nSel);
    tally.nConverted = static_cast<int>(m_pConvertFill->ConvertedCount() - convertedBefore);
    tally.nFromCache = static_cast<int>(m_pConvertFill->FromCacheCount() - fromCacheBefore);
    tally.bStopped = *progress.StopFlag();
    if (tally.bStopped)
        return CopySources();

    std::vector<uint32_t> order(static_cast<std::size_t>(g_pCurrent->GetCount()));
    std::iota(order.begin(), order.end(), 0u);
    if (inRowOrder)
        order = RowOrder();
    CopySources sources = m_pConvertFill->ForCopy(*g_pCurrent, order, progress,
                                                  tally.nNotConverted, progress.StopFlag());
    tally.bStopped = *progress.StopFlag();
    if (tally.bStopped)
        return CopySources();
    // Copies converted earlier in this run come from the cache as well.
    int copies = 0;
    for (uint32_t index = 0; index < sources.originals.size(); ++index)
        copies += FullPath(sources.files.GetFolder(index), sources.files.GetName(index)) !=
                  sources.originals[index];
    tally.nFromCache = std::max(tally.nFromCache, copies - tally.nConverted);
    return sources;
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
        if (m_pConvertFill && !links) {
            // Copied from the cache; each file is recorded as its original.
            ConvertTally converted;
            const CopySources sources = ConvertShownList(progress, false, converted);
            SaveFiles(sources.files, destFolder, false, progress, m_pHistory.get(),
                      &sources.originals);
            tally = progress.Tally();
            // The files that could not be converted were told, and not handed on.
            tally.nCount += converted.nNotConverted;
            tally.converted = converted;
        } else {
            // Messages served between files could reach a command sent from
            // outside, so the list is held here and the save reads its count at
            // every step.
            const CFileList& list = *g_pCurrent;
            SaveFiles(list, destFolder, links != FALSE, progress, m_pHistory.get());
            tally = progress.Tally();
        }
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
