#pragma once
// The "Reading ..." window of a long read into a list (Windows only): it shows
// the folder or playlist in hand and the files admitted so far, keeps the
// program's windows painted, shows the wait cursor and stops the read on Escape
// or Enter. Other input to the program's windows is dropped meanwhile.
#include "catalogue/FileList.h"
#include "ui/ProgressDlg.h"
#include "ui/ReadProgressPace.h"

class CReadProgressWindow : public CPacedReadProgress {
public:
    // Counts what `list` gains from now on; one object may serve several reads.
    explicit CReadProgressWindow(const CFileList& list);
    ~CReadProgressWindow() override;

protected:
    bool Refresh(const std::string& source, int admitted, bool show) override;

private:
    // Owned by the main window while it shows; before it shows (at start-up)
    // the window stands on its own, centred on the screen.
    class CReadProgressDlg : public CProgressDlg {
    public:
        explicit CReadProgressDlg(int* pCancel);

    protected:
        HWND OwnerWindow() const override;
    };

    const CFileList& m_list;
    const int m_nCountBefore;
    int m_nCancel = 0;
    CReadProgressDlg m_dialog;
    bool m_bShown = false;
    bool m_bServed = false;
    HCURSOR m_hWaitCursor = nullptr;
};
