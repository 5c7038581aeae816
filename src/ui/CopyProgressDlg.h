#pragma once
// The "Copying ..." window shown while a sample is saved (Windows only). It is
// modeless and lives for one save; the save loop sets the path it shows.
#include "ui/Dialog.h"

class CCopyProgressDlg : public CDialog {
public:
    // `parent` is accepted for symmetry with the other dialogs and not used: the
    // window is created without one, so the main window owns it.
    CCopyProgressDlg(int* pCancel, CDialog* parent);

protected:
    // Escape, the only way to cancel (the window has no button and no close
    // box): the caller's flag goes to 1 and the window closes.
    void OnCancel() override;

private:
    int* m_pCancel;
};
