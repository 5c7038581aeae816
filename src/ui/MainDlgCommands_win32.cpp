#include "ui/MainDlg.h"

#include "catalogue/Sampling.h"
#include "catalogue/SourceFilters.h"
#include "settings/DecimalText.h"
#include "ui/App.h"
#include "ui/FolderPicker.h"
#include "ui/OptionsDlg.h"
#include "ui/CountText.h"
#include "ui/ProgressWindow.h"
#include "ui/UserPrompts.h"

#include <algorithm>
#include <optional>
#include <vector>

void CMainDlg::UpdateButtons()
{
    if (g_pCurrent == nullptr || !m_pSource)
        return;
    const bool rows = g_pCurrent->GetCount() > 0;
    const bool selected = m_nSel >= 0;
    const bool source = m_pSource->GetCount() > 0;
    const uint32_t maxKB = static_cast<uint32_t>(GetDlgItemInt(IDC_MAX_KB));
    HWND focus = GetFocus();

    EnableWindow(GetDlgItem(IDC_SAMPLE), source && g_pCurrent->GetTotalKB() < maxKB);
    for (int id : {IDC_EXCLUDE, IDC_FULL_PATH, IDC_PLAY})
        EnableWindow(GetDlgItem(id), rows && selected);
    for (int id : {IDC_CLEAR_SAMPLE, IDC_LINKS_TO_DEST, IDC_COPY_TO_DEST, IDC_DROP_ON_RIO})
        EnableWindow(GetDlgItem(id), rows);
    MoveFocusOnFromDisabled(focus);
}

// Enter ends the run only where it has nothing else to do: in the Max KB box it
// takes the typed capacity, in the list it does what a double click does.
void CMainDlg::OnOK()
{
    HWND focus = GetFocus();
    HWND maxKB = GetDlgItem(IDC_MAX_KB);
    if (focus != nullptr && (focus == maxKB || IsChild(maxKB, focus))) {
        UpdateButtons();
        return;
    }
    if (focus != nullptr && focus == m_pListCtrl) {
        LRESULT result = 0;
        OnListDblClk(result);
        return;
    }
    CDialog::OnOK();
}

void CMainDlg::RefillListView()
{
    SendMessageA(m_pListCtrl, WM_SETREDRAW, FALSE, 0);
    SendMessageA(m_pListCtrl, LVM_DELETEALLITEMS, 0, 0);
    m_nSel = -1;
    const int count = g_pCurrent->GetCount();
    for (int index = 0; index < count; ++index)
        InsertRow(index, false);
    SortRows();
    SendMessageA(m_pListCtrl, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_pListCtrl, nullptr, TRUE);
    ShowSampleTotals();
    if (IsSourceShown())
        ShowSourceCount();
    UpdateButtons();
}

void CMainDlg::ShowSourceCount()
{
    std::optional<int> savedRecently;
    if (m_pSettings->FreshDays > 0) {
        const std::vector<bool> marks = MarkRecentlySaved(*m_pSource, m_recentSaves);
        savedRecently = static_cast<int>(std::count(marks.begin(), marks.end(), true));
    }
    SetDlgItemText(IDC_SOURCE_COUNT, SourceCountText(m_pSource->GetCount(), savedRecently));
}

void CMainDlg::ShowSampleTotals()
{
    SetDlgItemText(IDC_SAMPLE_TOTALS, SampleLineText(g_pCurrent->GetCount(), g_pCurrent->GetTotalKB(),
                                                     IsDlgButtonChecked(IDC_EXTERNAL_MEM)));
}

void CMainDlg::ShowSourceChange()
{
    if (IsSourceShown())
        RefillListView();
}

// A read stopped by the user keeps what it admitted and is listed all the same.
void CMainDlg::AddToSource(SourceKind kind)
{
    std::string added;
    if (kind == SourceKind::kPlaylist) {
        FileRequest request;
        request.strFilter = "M3U Files|*.M3u|All Files (*.*)|*.*||";
        std::vector<std::string> paths;
        if (!UserPrompts().PickFiles(request, paths) || paths.empty())
            return;
        added = paths.front();
    } else if (!BrowseForFolder(added, "Select folder")) {
        return;
    }
    {
        CProgressWindow progress(*m_pSource);
        AddSource(*m_pSource, kind, added, &progress);
    }
    SendDlgItemMessage(IDC_SOURCE_FOLDERS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(added.c_str()));
    UpdateButtons();
    ShowSourceCount();
    ShowSourceChange();
}

void CMainDlg::OnClearSource()
{
    if (AppMessageBox("Clear list of source files?", MB_OKCANCEL) != IDOK)
        return;
    m_pSource->RemoveAll();
    ShowSourceCount();
    SendDlgItemMessage(IDC_SOURCE_FOLDERS, LB_RESETCONTENT);
    UpdateButtons();
    ShowSourceChange();
}

void CMainDlg::OnLoadSource()
{
    g_pCurrent = m_pSource.get();
    RefillListView();
}

// The check box has flipped already. The view being left keeps its Max KB and
// Dest in the settings; the other view's come back into the controls.
void CMainDlg::OnExternalMem()
{
    const bool leavingExternal = g_pCurrent != m_pInternal.get();
    m_pSettings->Dest(leavingExternal) = GetDlgItemText(IDC_DEST);
    m_pSettings->MaxView(leavingExternal) = NumberFromText(GetDlgItemText(IDC_MAX_KB));
    SetDlgItemText(IDC_DEST, m_pSettings->Dest(!leavingExternal));
    SetDlgItemInt(IDC_MAX_KB, m_pSettings->MaxView(!leavingExternal));
    g_pCurrent = leavingExternal ? m_pInternal.get() : m_pExternal.get();
    RefillListView();
}

// Files picked by hand enter through the shown list's own admission rules; no
// test against Max KB or files already there.
void CMainDlg::OnSelect()
{
    FileRequest request;
    request.bMultiSelect = true;
    std::vector<std::string> paths;
    if (!UserPrompts().PickFiles(request, paths))
        return;
    for (const std::string& path : paths) {
        const int index = g_pCurrent->AddFile(path);
        if (index >= 0)
            InsertRow(index, true);
    }
    ShowSampleTotals();
    if (IsSourceShown())
        ShowSourceCount();
    UpdateButtons();
}

// While the source itself is shown the selected entry is removed once; otherwise
// the first source entry of the same name goes too.
void CMainDlg::ExcludeSelected()
{
    const int index = GetSelectedIndex();
    if (index < 0)
        return;
    const uint32_t entry = static_cast<uint32_t>(index);
    if (!IsSourceShown())
        m_pSource->RemoveByName(g_pCurrent->GetName(entry));
    g_pCurrent->RemoveAt(entry);
    RefillListView();
    m_nSel = -1;
    ShowSampleTotals();
    ShowSourceCount();
    UpdateButtons();
}

void CMainDlg::OnClearSample()
{
    g_pCurrent->RemoveAll();
    SendMessageA(m_pListCtrl, LVM_DELETEALLITEMS, 0, 0);
    m_nSel = -1;
    ShowSampleTotals();
    if (IsSourceShown())
        ShowSourceCount();
    UpdateButtons();
}

// The history is read again, so a save by another program counts as well.
void CMainDlg::OnSample()
{
    ReadRecentSaves();
    const std::vector<bool> leftOut = MarkRecentlySaved(*m_pSource, m_recentSaves);
    CFileList& other = g_pCurrent == m_pInternal.get() ? *m_pExternal : *m_pInternal;
    SampleLists lists = {*m_pSource, *g_pCurrent, other, *m_pTrial, *m_pBest};
    lists.leftOut = &leftOut;
    const FillRules fill{m_pSettings->TopUp != 0, 0};
    if (DrawSample(lists, GetDlgItemInt(IDC_MAX_KB), IsDlgButtonChecked(IDC_RESAMPLE), fill))
        RefillListView();
}

// New size limits and extensions apply to files added from now on; the day
// filters and start-up folders wait for the next start. A new FreshDays counts
// at once.
void CMainDlg::OnOptions()
{
    COptionsDlg options(m_pSettings.get(), nullptr);
    if (options.DoModal() != IDOK)
        return;
    ApplySourceFilters(*m_pSource, SourceFiltersOf(*m_pSettings),
                       FilterChange::kSizesAndExtensions);
    ReadRecentSaves();
    ShowSourceCount();
}
