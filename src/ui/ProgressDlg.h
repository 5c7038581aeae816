#pragma once
// A modeless progress window with neither buttons nor a close box, shown while a
// long command runs (Windows only): the "Copying ..." and "Reading ..." windows.
#include "ui/Dialog.h"

class CProgressDlg : public CDialog {
public:
    // `pCancel` (may be null) goes to 1 when the user stops the command.
    CProgressDlg(UINT templateId, int* pCancel);

protected:
    // Escape and Enter both stop the command: the caller's flag goes to 1 and the
    // window closes. Enter must not close it as an OK, which would leave the
    // command running with nothing left to stop it by.
    void OnCancel() override;
    void OnOK() override;

private:
    int* m_pCancel;
};
