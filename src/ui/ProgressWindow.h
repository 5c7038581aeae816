#pragma once
// The window of a long command of the main window (Windows only), shared by the
// "Reading ..." window of a read (ReadProgressWindow.h) and the "Copying ..."
// window of a save (SaveProgressWindow.h). While the command runs, the
// program's windows keep painting, the wait cursor shows, other input to the
// program's windows is dropped, and Escape, Enter or the window's Stop button
// stops the command.
#include "ui/ProgressDlg.h"

#include <string>

class CProgressWindow {
public:
    // `templateId`: the dialog template of the window to show.
    explicit CProgressWindow(UINT templateId);
    ~CProgressWindow();
    CProgressWindow(const CProgressWindow&) = delete;
    CProgressWindow& operator=(const CProgressWindow&) = delete;

    // Makes the window, once; the only window of the program (at start-up) it
    // also takes the keyboard. A window that cannot be made leaves the command
    // going on without one.
    void Show();
    // Sets a text of the window, where it shows.
    void SetText(int id, const std::string& text);
    // Lets the windows paint and hears the user; false once the command is to stop,
    // by a stop key or by the window's own Stop.
    bool Serve();

private:
    // Owned by the main window while it shows; before it shows (at start-up)
    // the window stands on its own, centred on the screen.
    class CWindow : public CProgressDlg {
    public:
        CWindow(UINT templateId, int* pCancel);

    protected:
        HWND OwnerWindow() const override;
    };

    int m_nCancel = 0;
    CWindow m_wndProgress;
    bool m_bShown = false;
    bool m_bServed = false;
    HCURSOR m_hWaitCursor = nullptr;
};
