#include "ui/CopyProgressDlg.h"

#include "ui/resource.h"

CCopyProgressDlg::CCopyProgressDlg(int* pCancel, CDialog*)
    : CDialog(IDD_COPY_PROGRESS, nullptr), m_pCancel(pCancel)
{
}

void CCopyProgressDlg::OnCancel()
{
    if (m_pCancel != nullptr)
        *m_pCancel = 1;
    DestroyWindow();
}
