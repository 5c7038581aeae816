#include "ui/CopyProgressDlg.h"

#include "ui/resource.h"

CCopyProgressDlg::CCopyProgressDlg(int* pCancel, CDialog*)
    : CProgressDlg(IDD_COPY_PROGRESS, pCancel)
{
}
