#pragma once
// The application object: one copy at a time, settings beside the program, the
// main dialog for the whole run (Windows only).
#include "ui/App.h"

#include <string>

class CMainApp : public CWinApp {
public:
    BOOL InitInstance() override;

    // The INI file every profile read and write goes to.
    std::string m_strProfileName;
};
