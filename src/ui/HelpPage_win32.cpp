#include "ui/HelpPage.h"

#include "ui/App.h"
#include "ui/ProgramFiles.h"

#include <shellapi.h>

void ShowHelpPage()
{
    const std::string page = HelpPagePath(ExecutablePath());
    if (GetFileAttributesA(page.c_str()) == INVALID_FILE_ATTRIBUTES) {
        AppMessageBox("The help page is missing. It belongs beside the program:\r" + page);
        return;
    }
    HINSTANCE opened =
        ShellExecuteA(AppMainWindow(), "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(opened) <= 32)
        AppMessageBox("The help page could not be opened:\r" + page);
}
