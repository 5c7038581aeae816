#include "ui/OptionsDlg.h"

#include "catalogue/SaveHistory.h"
#include "ui/FolderPicker.h"
#include "ui/resource.h"

#include <commctrl.h>

namespace {
const int kMaxDays = 500;
// The history keeps no more days than this.
const int kMaxFreshDays = CSaveHistory::kHistoryDays;
}

COptionsDlg::COptionsDlg(CSettings* settings, CDialog* parent)
    : CDialog(IDD_OPTIONS, parent), m_pSettings(settings)
{
}

BOOL COptionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_OPT_START, m_pSettings->Start);
    SetDlgItemText(IDC_OPT_EXT, m_pSettings->Ext);
    SetDlgItemInt(IDC_OPT_MIN_SIZE, m_pSettings->MinFileSize);
    SetDlgItemInt(IDC_OPT_MAX_SIZE, m_pSettings->MaxFileSize);
    // The "accessed" edit shows what its up-down control writes; the "modified"
    // edit is also written directly.
    SendDlgItemMessage(IDC_SPIN_ACCESSED, UDM_SETRANGE, 0, MAKELPARAM(kMaxDays, 0));
    SendDlgItemMessage(IDC_SPIN_ACCESSED, UDM_SETPOS, 0,
                       MAKELPARAM(LOWORD(m_pSettings->Accessed), 0));
    SendDlgItemMessage(IDC_SPIN_MODIFIED, UDM_SETRANGE, 0, MAKELPARAM(kMaxDays, 0));
    SendDlgItemMessage(IDC_SPIN_MODIFIED, UDM_SETPOS, 0,
                       MAKELPARAM(LOWORD(m_pSettings->Modified), 0));
    SetDlgItemInt(IDC_OPT_MODIFIED, m_pSettings->Modified);
    SendDlgItemMessage(IDC_SPIN_FRESH, UDM_SETRANGE, 0, MAKELPARAM(kMaxFreshDays, 0));
    SendDlgItemMessage(IDC_SPIN_FRESH, UDM_SETPOS, 0, MAKELPARAM(LOWORD(m_pSettings->FreshDays), 0));
    SetDlgItemInt(IDC_OPT_FRESH, m_pSettings->FreshDays);
    return TRUE;
}

void COptionsDlg::OnOK()
{
    m_pSettings->Start = GetDlgItemText(IDC_OPT_START);
    m_pSettings->Ext = GetDlgItemText(IDC_OPT_EXT);
    m_pSettings->MinFileSize = GetDlgItemInt(IDC_OPT_MIN_SIZE);
    m_pSettings->MaxFileSize = GetDlgItemInt(IDC_OPT_MAX_SIZE);
    m_pSettings->Accessed = GetDlgItemInt(IDC_OPT_ACCESSED);
    m_pSettings->Modified = GetDlgItemInt(IDC_OPT_MODIFIED);
    m_pSettings->FreshDays = GetDlgItemInt(IDC_OPT_FRESH);
    CDialog::OnOK();
}

bool COptionsDlg::OnCommand(int id, int code)
{
    if (id == IDC_OPT_BROWSE && code == BN_CLICKED) {
        OnOptionsBrowse();
        return true;
    }
    return CDialog::OnCommand(id, code);
}

// The folder goes in at the caret or over the selection; the user adds the
// commas and "+" marks, as the label above the field says.
void COptionsDlg::OnOptionsBrowse()
{
    std::string folder;
    if (BrowseForFolder(folder, "Select folder"))
        SendDlgItemMessage(IDC_OPT_START, EM_REPLACESEL, FALSE,
                           reinterpret_cast<LPARAM>(folder.c_str()));
}
