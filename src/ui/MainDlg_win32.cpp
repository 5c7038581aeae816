#include "ui/MainDlg.h"

#include "catalogue/RandomGenerator.h"
#include "catalogue/SourceFilters.h"
#include "platform/Clock.h"
#include "platform/Profile.h"
#include "settings/DecimalText.h"
#include "settings/IniPath.h"
#include "settings/StartFolders.h"
#include "shell/Shortcuts.h"
#include "ui/FolderPicker.h"
#include "ui/HelpPage.h"
#include "ui/ReadProgressWindow.h"
#include "ui/RowOrder.h"
#include "ui/RowText.h"
#include "ui/SampleListView.h"
#include "ui/StartupDialogs.h"

#include <cstdint>
#include <optional>

CFileList* g_pCurrent = nullptr;

namespace {

// "Name" takes this share of the list's width, "KB" the rest.
const std::vector<float> kColumnFractions = {0.83f};

int CALLBACK CompareRows(LPARAM itemData1, LPARAM itemData2, LPARAM)
{
    return g_pCurrent != nullptr ? CompareEntries(*g_pCurrent, itemData1, itemData2, g_nSortKey)
                                 : 0;
}

// The window names no reason: the path is what the user can act on.
void ShowHistoryFailure(const char* prefix, const std::string& path, const std::string&)
{
    ShowPathMessage(prefix, path, 0);
}

}  // namespace

CMainDlg::CMainDlg(CDialog* parent)
    : CDialog(IDD_MAIN, parent), m_historyFailure(ShowHistoryFailure)
{
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    char aboutItem[256] = {};
    if (systemMenu != nullptr &&
        LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, aboutItem, sizeof(aboutItem)) > 0) {
        AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutItem);
    }
    SetIconsForDpi(WindowDpi(m_hWnd));

    m_hListView = GetDlgItem(IDC_SAMPLE_LIST);
    InsertColumns(m_hListView, kColumnFractions, {"Name", "KB"});
    SortRows();

    InitShortcuts(true);
    SeedRandom(SeedFromTime(static_cast<uint32_t>(platform::UtcNow())));

    m_pInternal = std::make_unique<CFileList>(50, 50);
    m_pExternal = std::make_unique<CFileList>(50, 50);
    m_pTrial = std::make_unique<CFileList>(50, 50);
    m_pBest = std::make_unique<CFileList>(50, 50);
    m_pSource = std::make_unique<CFileList>(500, 500);
    g_pCurrent = m_pInternal.get();

    m_pSettings = std::make_unique<CSettings>();
    m_pSettings->Load();
    CheckDlgButton(IDC_RESAMPLE, m_pSettings->BestFit != 0);
    SetDlgItemInt(IDC_MAX_KB, m_pSettings->MaxView1);
    SetDlgItemText(IDC_DEST, m_pSettings->Dest1);

    m_convertTools = FindConvertTools();
    MakeConvertFill();
    ApplySourceFilters(*m_pSource, FiltersNow());
    if (!m_pSettings->Start.empty())
        ReadStartFolders();
    m_pHistory = std::make_unique<CSaveHistory>(HistoryPathForSettings(platform::ProfilePath()));
    ReadRecentSaves();
    ShowListState();

    if (m_pSettings->LicenseMessage != 0)
        CAboutDlg().DoModal();
    if (m_pSettings->QuickStart != 0)
        PostMessageA(m_hWnd, WM_QUICKSTART, 0, 0);
    return TRUE;
}

// A stop ends the whole start-up read: folders not yet read are left out, and
// not listed. A folder named twice is read and listed once.
void CMainDlg::ReadStartFolders()
{
    CReadProgressWindow progress(*m_pSource);
    for (const StartFolder& folder : ParseStartFolders(m_pSettings->Start)) {
        if (progress.Stopped())
            break;
        ReadIntoSource(folder.bSubfolders ? SourceKind::kFolderTree : SourceKind::kFolder,
                       folder.strFolder, folder.strListed, progress);
    }
}

void CMainDlg::MakeConvertFill()
{
    // The one going keeps what it learnt for the next one.
    m_pConvertFill.reset();
    const std::optional<ConvertSetup> setup = ConvertSetupFor(m_pSettings->Convert, m_convertTools);
    if (setup)
        m_pConvertFill = std::make_unique<CConvertFill>(*setup);
}

SourceFilters CMainDlg::FiltersNow() const
{
    SourceFilters filters = SourceFiltersOf(*m_pSettings);
    if (m_pConvertFill)
        AdmitConvertedFormats(filters);
    return filters;
}

void CMainDlg::OnDestroy()
{
    if (m_pSettings) {
        m_pSettings->BestFit = IsDlgButtonChecked(IDC_RESAMPLE) ? 1 : 0;
        const bool external = !IsInternalShown();
        m_pSettings->MaxView(external) = NumberFromText(GetDlgItemText(IDC_MAX_KB));
        m_pSettings->Dest(external) = GetDlgItemText(IDC_DEST);
        m_pSettings->Save();
    }
    g_pCurrent = nullptr;
    m_pInternal.reset();
    m_pExternal.reset();
    m_pTrial.reset();
    m_pBest.reset();
    m_pSource.reset();
    m_pSettings.reset();
    m_pHistory.reset();
    m_pConvertFill.reset();
    InitShortcuts(false);
    CDialog::OnDestroy();
}

// The icons at the sizes of the window's scaling, so that neither is a
// stretched copy of another size.
void CMainDlg::SetIconsForDpi(UINT dpi)
{
    UniqueIcon big = LoadIconForDpi(IDR_MAINFRAME, SM_CXICON, dpi);
    UniqueIcon small = LoadIconForDpi(IDR_MAINFRAME, SM_CXSMICON, dpi);
    if (big != nullptr) {
        SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
        m_hIcon = std::move(big);
    }
    if (small != nullptr) {
        SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
        m_hSmallIcon = std::move(small);
    }
}

// The system scales the controls and their font after this message; the list
// is fitted once that is done.
void CMainDlg::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetIconsForDpi(dpi);
    PostMessageA(m_hWnd, WM_FIT_LIST, 0, 0);
}

void CMainDlg::FitListToScaling()
{
    FitColumns(m_hListView, kColumnFractions);
    RemeasureRows(m_hListView);
}

// The list is measured first while it is made, before the dialog gives it its
// font; then the dialog's own font stands in.
bool CMainDlg::OnMeasureItem(int id, MEASUREITEMSTRUCT* item)
{
    if (id != IDC_SAMPLE_LIST || item == nullptr)
        return false;
    HWND measured = m_hListView != nullptr ? m_hListView : m_hWnd;
    const UINT height =
        RowHeight(reinterpret_cast<HFONT>(SendMessageA(measured, WM_GETFONT, 0, 0)));
    if (height == 0)
        return false;
    item->itemHeight = height;
    return true;
}

bool CMainDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg().DoModal();
        return true;
    }
    return CDialog::OnSysCommand(id, lParam);
}

INT_PTR CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_QUICKSTART:
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, OnQuickStart());
        return TRUE;
    case WM_DPICHANGED:
        if (lParam != 0)
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        // Not handled in full: the system still scales the controls.
        return FALSE;
    case WM_FIT_LIST:
        FitListToScaling();
        return TRUE;
    default:
        return CDialog::OnMessage(message, wParam, lParam);
    }
}

LRESULT CMainDlg::OnQuickStart()
{
    if (m_pSettings)
        CQuickStartDlg(&m_pSettings->QuickStart, nullptr).DoModal();
    return 0;
}

// Every command of the dialog, by control id.
bool CMainDlg::OnCommand(int id, int code)
{
    if (code != BN_CLICKED)
        return false;
    ShowStatus("");
    switch (id) {
    case IDC_ADD_FOLDER:
        AddToSource(SourceKind::kFolder);
        return true;
    case IDC_ADD_FOLDER_SUBS:
        AddToSource(SourceKind::kFolderTree);
        return true;
    case IDC_ADD_PLAYLIST:
        AddToSource(SourceKind::kPlaylist);
        return true;
    case IDC_CLEAR_SOURCE:
        OnClearSource();
        return true;
    case IDC_LOAD_SOURCE:
        OnLoadSource();
        return true;
    case IDC_EXTERNAL_MEM:
        OnExternalMem();
        return true;
    case IDC_SELECT:
        OnSelect();
        return true;
    case IDC_EXCLUDE:
        ExcludeSelected();
        return true;
    case IDC_CLEAR_SAMPLE:
        OnClearSample();
        return true;
    case IDC_SAMPLE:
        OnSample();
        return true;
    case IDC_OPTIONS:
        OnOptions();
        return true;
    case IDC_COPY_TO_DEST:
        OnCopyToDest();
        return true;
    case IDC_LINKS_TO_DEST:
        OnLinksToDest();
        return true;
    case IDC_BROWSE_DEST:
        OnBrowseDest();
        return true;
    case IDC_DROP_ON_RIO:
        OnDropOnRio();
        return true;
    case IDC_DELETE_DEST_FILES:
        OnDeleteDestFiles();
        return true;
    case IDC_FULL_PATH:
        OnFullPath();
        return true;
    case IDC_PLAY:
        OnPlay();
        return true;
    case ID_HELP:
        ShowHelpPage();
        return true;
    default:
        return CDialog::OnCommand(id, code);
    }
}

// Every notification of the list view; each answers 0.
bool CMainDlg::OnNotify(int id, NMHDR* header, LRESULT& result)
{
    if (id != IDC_SAMPLE_LIST || g_pCurrent == nullptr)
        return false;
    result = 0;
    switch (header->code) {
    case LVN_GETDISPINFOA:
        OnGetDispInfo(reinterpret_cast<NMLVDISPINFOA*>(header));
        return true;
    case LVN_COLUMNCLICK:
        OnColumnClick(reinterpret_cast<NMLISTVIEW*>(header));
        return true;
    case LVN_ITEMCHANGED:
        OnItemChanged(reinterpret_cast<NMLISTVIEW*>(header));
        return true;
    case LVN_KEYDOWN:
        OnListKeyDown(reinterpret_cast<NMLVKEYDOWN*>(header));
        return true;
    case NM_DBLCLK:
        OnListDblClk(result);
        return true;
    default:
        return false;
    }
}

bool CMainDlg::OnDrawItem(int id, DRAWITEMSTRUCT* item)
{
    if (id != IDC_SAMPLE_LIST || item == nullptr)
        return false;
    DrawRow(item, m_hListView);
    return true;
}

void CMainDlg::OnGetDispInfo(NMLVDISPINFOA* info)
{
    if (info->item.mask & LVIF_TEXT)
        FormatRowText(*g_pCurrent, info->item.lParam, info->item.iSubItem, info->item.pszText,
                      info->item.cchTextMax);
}

void CMainDlg::OnColumnClick(NMLISTVIEW* click)
{
    g_nSortKey = NextSortKey(g_nSortKey, click->iSubItem);
    SortRows();
}

// The selection follows the user: a row that becomes selected is the one the
// commands act on, and a row that loses it leaves none selected.
void CMainDlg::OnItemChanged(NMLISTVIEW* change)
{
    if (change->iItem < 0 || !(change->uChanged & LVIF_STATE))
        return;
    if (change->uNewState & LVIS_SELECTED) {
        m_nSel = change->iItem;
        UpdateButtons();
    } else if ((change->uOldState & LVIS_SELECTED) && change->iItem == m_nSel) {
        m_nSel = -1;
        UpdateButtons();
    }
}

void CMainDlg::OnListKeyDown(NMLVKEYDOWN* key)
{
    if (key->wVKey == VK_DELETE)
        ExcludeSelected();
}

void CMainDlg::InsertRow(int index, bool update)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = LPSTR_TEXTCALLBACKA;
    const int row = static_cast<int>(
        SendMessageA(m_hListView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0)
        return;
    LVITEMA data = {};
    data.mask = LVIF_PARAM;
    data.iItem = row;
    data.lParam = index;
    SendMessageA(m_hListView, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    if (update) {
        SortRows();
        ShowListState();
    }
}

void CMainDlg::SelectRow(int row)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (SendMessageA(m_hListView, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item)))
        SendMessageA(m_hListView, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

// Sorting moves the selected row with its file; m_nSel moves along. The header
// shows the order.
void CMainDlg::SortRows()
{
    SendMessageA(m_hListView, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(CompareRows));
    const SortArrow arrow = SortArrowOf(g_nSortKey);
    ShowSortArrow(m_hListView, arrow.nColumn, arrow.bAscending);
    m_nSel = static_cast<int>(
        SendMessageA(m_hListView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CMainDlg::ReadRecentSaves()
{
    m_recentSaves.Clear();
    if (m_pSettings->FreshDays <= 0)
        return;
    m_historyFailure.AfterRead(
        m_pHistory->ReadRecent(m_pSettings->FreshDays, platform::UtcNow(), m_recentSaves),
        m_pHistory->Path());
    ShowSourceCount();
}

void CMainDlg::RecordSaves(const std::vector<std::string>& paths)
{
    m_historyFailure.AfterWrite(m_pHistory->Record(paths, platform::UtcNow()), m_pHistory->Path());
}

int CMainDlg::GetRowIndex(int row) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (row < 0 || !SendMessageA(m_hListView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return -1;
    return static_cast<int>(item.lParam);
}

int CMainDlg::GetSelectedIndex() const
{
    if (m_nSel < 0 || g_pCurrent == nullptr)
        return -1;
    const int index = GetRowIndex(m_nSel);
    return index < g_pCurrent->GetCount() ? index : -1;
}
