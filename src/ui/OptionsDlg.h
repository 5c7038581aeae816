#pragma once
// The Options dialog: the settings that govern the source list and what the draw
// leaves out (Windows only).
#include "settings/Settings.h"
#include "ui/Dialog.h"

class COptionsDlg : public CDialog {
public:
    COptionsDlg(CSettings* settings, CDialog* parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code) override;

private:
    void OnOptionsBrowse();

    CSettings* m_pSettings;
};
