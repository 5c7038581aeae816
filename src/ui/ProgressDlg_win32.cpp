#include "ui/ProgressDlg.h"

CProgressDlg::CProgressDlg(UINT templateId, int* pCancel)
    : CDialog(templateId, nullptr), m_pCancel(pCancel)
{
}

void CProgressDlg::OnCancel()
{
    if (m_pCancel != nullptr)
        *m_pCancel = 1;
    DestroyWindow();
}

void CProgressDlg::OnOK()
{
    OnCancel();
}
