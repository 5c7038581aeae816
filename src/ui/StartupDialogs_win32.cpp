#include "ui/StartupDialogs.h"

CQuickStartDlg::CQuickStartDlg(int* quickStart, CDialog* parent)
    : CDialog(IDD_QUICKSTART, parent), m_pQuickStart(quickStart)
{
}

BOOL CQuickStartDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckDlgButton(IDC_SHOW_AT_START, true);
    return TRUE;
}

// However the box is closed (OK, Escape, the close box), the check box counts.
void CQuickStartDlg::OnDestroy()
{
    CDialog::OnDestroy();
    if (m_pQuickStart != nullptr)
        *m_pQuickStart = IsDlgButtonChecked(IDC_SHOW_AT_START) ? 1 : 0;
}
