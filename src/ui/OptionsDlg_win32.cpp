#include "ui/OptionsDlg.h"

#include "catalogue/SaveHistory.h"
#include "settings/StartFolders.h"
#include "ui/FolderPicker.h"
#include "ui/resource.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// Every day box keeps to the days the history of saves keeps, which is more
// than any day filter needs.
const int kMaxDays = CSaveHistory::kHistoryDays;
const struct {
    int nEdit;
    int nSpin;
} kDayBoxes[] = {{IDC_OPT_MODIFIED, IDC_SPIN_MODIFIED},
                 {IDC_OPT_ACCESSED, IDC_SPIN_ACCESSED},
                 {IDC_OPT_FRESH, IDC_SPIN_FRESH}};

int DaysWithin(int days)
{
    return std::clamp(days, 0, kMaxDays);
}

}  // namespace

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
    const int days[] = {m_pSettings->Modified, m_pSettings->Accessed, m_pSettings->FreshDays};
    for (std::size_t i = 0; i < std::size(kDayBoxes); ++i) {
        SendDlgItemMessage(kDayBoxes[i].nEdit, EM_LIMITTEXT, 3);
        SendDlgItemMessage(kDayBoxes[i].nSpin, UDM_SETRANGE, 0, MAKELPARAM(kMaxDays, 0));
        SendDlgItemMessage(kDayBoxes[i].nSpin, UDM_SETPOS, 0, MAKELPARAM(DaysWithin(days[i]), 0));
        SetDlgItemInt(kDayBoxes[i].nEdit, DaysWithin(days[i]));
    }
    CheckDlgButton(IDC_OPT_TOP_UP, m_pSettings->TopUp != 0);
    return TRUE;
}

void COptionsDlg::OnOK()
{
    m_pSettings->Start = GetDlgItemText(IDC_OPT_START);
    m_pSettings->Ext = GetDlgItemText(IDC_OPT_EXT);
    m_pSettings->MinFileSize = GetDlgItemInt(IDC_OPT_MIN_SIZE);
    m_pSettings->MaxFileSize = GetDlgItemInt(IDC_OPT_MAX_SIZE);
    m_pSettings->Accessed = DaysWithin(GetDlgItemInt(IDC_OPT_ACCESSED));
    m_pSettings->Modified = DaysWithin(GetDlgItemInt(IDC_OPT_MODIFIED));
    m_pSettings->FreshDays = DaysWithin(GetDlgItemInt(IDC_OPT_FRESH));
    m_pSettings->TopUp = IsDlgButtonChecked(IDC_OPT_TOP_UP) ? 1 : 0;
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

// The picker opens at the folder the caret stands in. The folder goes in at the
// caret or over the selection; the user adds the commas and "+" marks, as the
// label above the field says.
void COptionsDlg::OnOptionsBrowse()
{
    DWORD selectionStart = 0;
    SendDlgItemMessage(IDC_OPT_START, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
    const std::string fieldFolder = StartFolderAt(GetDlgItemText(IDC_OPT_START), selectionStart);
    std::string folder;
    if (BrowseForFolder(folder, "Select folder", fieldFolder))
        SendDlgItemMessage(IDC_OPT_START, EM_REPLACESEL, FALSE,
                           reinterpret_cast<LPARAM>(folder.c_str()));
}
