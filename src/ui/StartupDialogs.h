#pragma once
// The About box and the Quick start box (Windows only).
#include "ui/Dialog.h"
#include "ui/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};

// Shows the first steps; its check box decides whether it opens at every start.
class CQuickStartDlg : public CDialog {
public:
    CQuickStartDlg(int* quickStart, CDialog* parent);

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;

private:
    int* m_pQuickStart;
};
