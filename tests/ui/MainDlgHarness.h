#pragma once
// Runs the real main dialog against a temporary INI file and folder of music,
// with every question answered by script.
#include "DialogDriver.h"
#include "ScriptedPrompts.h"
#include "platform/FileSystem.h"
#include "support/TestFiles.h"
#include "ui/App.h"

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The program's application object, with nothing to run: the dialog under test
// is its main window, and owns the windows it opens, as in the program.
class CHarnessApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
};

class MainDlgHarness {
public:
    MainDlgHarness();
    ~MainDlgHarness();

    // Writes the INI file the dialog starts from: lines of section "General".
    void WriteIni(const std::vector<std::string>& lines);
    // The same, after the lines that keep the first-run boxes away.
    void WriteQuietIni(const std::vector<std::string>& more = {});
    std::string ReadIni() const;  // line ends as "\n"

    // The paths the history of saves beside the INI file holds, in its order.
    std::vector<std::string> HistoryPaths() const;

    // A file of `sizeKB` KB (as the program counts) at folder\name, folders made.
    std::string MakeFile(const std::string& relativePath, uint32_t sizeKB);

    // Opens the main dialog; `script` runs in its message loop once it shows and
    // must end it. Returns the dialog's result.
    INT_PTR Run(const std::function<void(HWND)>& script);

    CHarnessApp app;
    fixtures::TempFolder folder;
    std::string ini;
    std::string history;
    CDialogDriver driver;
    CScriptedPrompts prompts;
};

extern const char kOptionsCaption[];

using platform::PathExists;
int64_t FileSize(const std::string& path);  // -1 for none
std::string Lower(std::string text);
// Serves the queue as the dialog's own loop does, keys included.
void ServeQueue(HWND dialog);
bool KeyLeftInQueue();

struct ShortcutFile {
    bool loaded = false;
    std::string description;
    std::string target;  // as the link object resolves it
};
// Reads a written shortcut back through the shell's own link object.
ShortcutFile LoadShortcut(const std::string& path);

// The list view's texts of one column, row by row from the top.
std::vector<std::string> ColumnTexts(HWND dialog, int column);
// Row `row` of the list view becomes the selected and focused row.
void SelectRow(HWND dialog, int row);
int SelectedRow(HWND dialog);
// A click on the list view's header of `column`.
void ClickHeader(HWND dialog, int column);
std::vector<std::string> ListBoxTexts(HWND dialog, int id);
// The width in pixels of the window's ICON_SMALL or ICON_BIG icon; 0 for none.
int IconWidth(HWND window, WPARAM which);
