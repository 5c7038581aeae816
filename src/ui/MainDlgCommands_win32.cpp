#include "ui/MainDlg.h"

#include "catalogue/CountText.h"
#include "catalogue/Sampling.h"
#include "catalogue/SourceFilters.h"
#include "settings/DecimalText.h"
#include "ui/App.h"
#include "ui/FolderPicker.h"
#include "ui/OptionsDlg.h"
#include "ui/PlanProgressWindow.h"
#include "ui/PlannedSizes.h"
#include "ui/ReadProgressWindow.h"
#include "ui/StatusText.h"
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
    // Never on to the next button, which may delete files or the source.
    MoveFocusOffDisabled(focus, {IDC_SAMPLE, IDC_SAMPLE_LIST});
}

// Enter never ends the program, which would lose the samples: in the Max KB box
// it takes the typed capacity, in the list it does what a double click does,
// elsewhere nothing. On a push button the dialog presses that button instead.
void CMainDlg::OnOK()
{
    HWND focus = GetFocus();
    HWND maxKB = GetDlgItem(IDC_MAX_KB);
    if (focus != nullptr && (focus == maxKB || IsChild(maxKB, focus))) {
        UpdateButtons();
    } else if (focus != nullptr && focus == m_hListView) {
        LRESULT result = 0;
        OnListDblClk(result);
    }
}

void CMainDlg::RefillListView(int selectedRow)
{
    SendMessageA(m_hListView, WM_SETREDRAW, FALSE, 0);
    SendMessageA(m_hListView, LVM_DELETEALLITEMS, 0, 0);
    m_nSel = -1;
    const int count = g_pCurrent->GetCount();
    for (int index = 0; index < count; ++index)
        InsertRow(index, false);
    SortRows();
    if (selectedRow >= 0 && count > 0)
        SelectRow(std::min(selectedRow, count - 1));
    SendMessageA(m_hListView, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_hListView, nullptr, TRUE);
    ShowListState();
}

void CMainDlg::ShowListState()
{
    ShowSampleTotals();
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
                                                     IsDlgButtonChecked(IDC_EXTERNAL_MEM),
                                                     Digits::kGrouped));
}

void CMainDlg::ShowSourceChange()
{
    if (IsSourceShown())
        RefillListView();
    else
        ShowListState();
}

void CMainDlg::ShowStatus(const std::string& text)
{
    SetDlgItemText(IDC_STATUS, text);
}

// A read stopped by the user keeps what it admitted and is listed all the same.
bool CMainDlg::ReadIntoSource(SourceKind kind, const std::string& path, const std::string& listed,
                              CReadProgress& progress)
{
    if (!m_sourcesRead.Add(path, kind == SourceKind::kFolderTree)) {
        ShowStatus(AlreadyInSourceText(listed));
        return false;
    }
    AddSource(*m_pSource, kind, path, &progress);
    SendDlgItemMessage(IDC_SOURCE_FOLDERS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(listed.c_str()));
    return true;
}

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
    CReadProgressWindow progress(*m_pSource);
    if (ReadIntoSource(kind, added, added, progress))
        ShowSourceChange();
}

// The question defaults to Cancel: a Return meant for the main window must not
// empty the source.
void CMainDlg::OnClearSource()
{
    if (AppMessageBox("Clear list of source files?", MB_OKCANCEL | MB_DEFBUTTON2) != IDOK)
        return;
    m_pSource->RemoveAll();
    m_sourcesRead.Clear();
    SendDlgItemMessage(IDC_SOURCE_FOLDERS, LB_RESETCONTENT);
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
    const bool leavingExternal = !IsInternalShown();
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
    if (m_pConvertFill) {
        CPlanProgressWindow progress;
        ResizeForConverting(*g_pCurrent, m_pConvertFill.get(), progress);
        RefillListView(m_nSel);
    }
}

// While the source itself is shown the selected entry is removed once; otherwise
// the first source entry of the same name goes too. The row that takes its place
// is selected, so that Exclude can go on down the list.
void CMainDlg::ExcludeSelected()
{
    const int index = GetSelectedIndex();
    if (index < 0)
        return;
    const int row = m_nSel;
    const uint32_t entry = static_cast<uint32_t>(index);
    if (!IsSourceShown())
        m_pSource->RemoveByName(g_pCurrent->GetName(entry));
    g_pCurrent->RemoveAt(entry);
    RefillListView(row);
}

void CMainDlg::OnClearSample()
{
    g_pCurrent->RemoveAll();
    RefillListView();
}

// The history is read again, so a save by another program counts as well. A
// Sample that adds nothing says why.
//
// While converting, the draw counts every file at the size it will take on the
// player: the source is planned first, reading the length of each file not read
// before, and a stop there leaves the sample as it was.
void CMainDlg::OnSample()
{
    ReadRecentSaves();
    CFileList planned(0, 500);
    if (m_pConvertFill) {
        CPlanProgressWindow progress;
        planned = *m_pSource;
        m_pConvertFill->Plan(planned, *g_pCurrent, progress);
        if (progress.Stopped()) {
            ShowStatus("Stopped: the sample is as it was.");
            return;
        }
        // Files of the sample read only now take their planned size too.
        m_pConvertFill->Replan(*g_pCurrent);
    } else {
        // Converting may have opened the sample's sizes; a file of its own size
        // keeps to them.
        g_pCurrent->SetMinKB(kSampleMinKB);
        g_pCurrent->SetMaxKB(kSampleMaxKB);
    }
    CFileList& source = m_pConvertFill ? planned : *m_pSource;
    const std::vector<bool> leftOut = MarkRecentlySaved(source, m_recentSaves);
    CFileList& other = IsInternalShown() ? *m_pExternal : *m_pInternal;
    SampleLists lists = {source, *g_pCurrent, other, *m_pTrial, *m_pBest};
    lists.leftOut = &leftOut;
    const FillRules fill{m_pSettings->TopUp != 0, 0};
    const int countBefore = g_pCurrent->GetCount();
    const uint32_t totalBefore = g_pCurrent->GetTotalKB();
    const uint32_t maxKB = static_cast<uint32_t>(GetDlgItemInt(IDC_MAX_KB));
    const bool drawn = DrawSample(lists, static_cast<int>(maxKB), IsDlgButtonChecked(IDC_RESAMPLE), fill);
    if (drawn)
        RefillListView();
    if (g_pCurrent->GetCount() == countBefore && g_pCurrent->GetTotalKB() == totalBefore)
        ShowStatus(SampleFullText(maxKB > totalBefore ? maxKB - totalBefore : 0, drawn));
}

// New size limits and extensions apply to files added from now on; the day
// filters and start-up folders wait for the next start. A new FreshDays and a
// new conversion count at once.
void CMainDlg::OnOptions()
{
    const std::string convertBefore = m_pSettings->Convert;
    m_convertTools = FindConvertTools();
    COptionsDlg options(m_pSettings.get(), m_convertTools, nullptr);
    if (options.DoModal() != IDOK)
        return;
    const bool converting = ConvertSetupFor(m_pSettings->Convert, m_convertTools).has_value();
    if (m_pSettings->Convert != convertBefore || converting != (m_pConvertFill != nullptr)) {
        MakeConvertFill();
        ResizeSamples();
    }
    ApplySourceFilters(*m_pSource, FiltersNow(), FilterChange::kSizesAndExtensions);
    ReadRecentSaves();
    ShowSourceCount();
}

// A stop leaves the files not read yet at their own size, until a Sample reads
// them.
void CMainDlg::ResizeSamples()
{
    CPlanProgressWindow progress;
    for (CFileList* sample : {m_pInternal.get(), m_pExternal.get()})
        ResizeForConverting(*sample, m_pConvertFill.get(), progress);
    RefillListView(m_nSel);
}
