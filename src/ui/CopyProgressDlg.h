#pragma once
// The "Copying ..." window shown while a sample is saved (Windows only). It is
// modeless and lives for one save; the save loop sets the path it shows.
#include "ui/ProgressDlg.h"

class CCopyProgressDlg : public CProgressDlg {
public:
    // `parent` is accepted for symmetry with the other dialogs and not used: the
    // window is created without one, so the main window owns it.
    CCopyProgressDlg(int* pCancel, CDialog* parent);
};
