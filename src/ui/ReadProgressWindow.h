#pragma once
// The "Reading ..." window of a long read into a list (Windows only): the
// folder or playlist in hand and the files the list gained.
#include "catalogue/FileList.h"
#include "ui/ProgressWindow.h"
#include "ui/ReadProgressPace.h"

class CReadProgressWindow : public CPacedReadProgress {
public:
    // Counts what `list` gains from now on (one object may serve several reads);
    // the window shows once the read has run a while.
    explicit CReadProgressWindow(const CFileList& list);

protected:
    bool Refresh(const std::string& source, int admitted, bool show) override;

private:
    const CFileList& m_rList;
    const int m_nCountBefore;
    CProgressWindow m_progressWindow;
};
