#pragma once
// The progress of a long command of the main window (Windows only): the
// "Reading ..." window of a read into a list and the "Copying ..." window of a
// save. While the command runs, the program's windows keep painting, the wait
// cursor shows, other input to the program's windows is dropped, and Escape or
// Enter stops the command.
#include "catalogue/FileList.h"
#include "output/SaveFiles.h"
#include "ui/ProgressDlg.h"
#include "ui/ReadProgressPace.h"

class CProgressWindow : public CPacedReadProgress, public CSaveReport {
public:
    // Reading into `list`: counts what the list gains from now on (one object may
    // serve several reads); the window shows once the read has run a while.
    explicit CProgressWindow(const CFileList& list);
    // Saving: the window shows the path of each file as it is saved, from the first.
    CProgressWindow();
    ~CProgressWindow() override;

    bool Saving(int index, int count, const std::string& destPath) override;
    // Each file not saved gets a message box of its own.
    void NotSaved(const SaveFailure& failure) override;

protected:
    bool Refresh(const std::string& source, int admitted, bool show) override;

private:
    // Owned by the main window while it shows; before it shows (at start-up)
    // the window stands on its own, centred on the screen.
    class CWindow : public CProgressDlg {
    public:
        CWindow(UINT templateId, int* pCancel);

    protected:
        HWND OwnerWindow() const override;
    };

    // Makes the window, once; the only window of the program (at start-up) it
    // also takes the keyboard.
    void Show();
    // Lets the windows paint and hears the user; false once the command is to stop,
    // by a stop key or by the window's own cancel.
    bool Serve();

    const CFileList* m_pList;
    const int m_nCountBefore;
    int m_nCancel = 0;
    CWindow m_wndProgress;
    bool m_bShown = false;
    bool m_bServed = false;
    HCURSOR m_hWaitCursor = nullptr;
};
