#include "ui/SaveProgressWindow.h"

#include "ui/CountText.h"
#include "ui/FolderPicker.h"
#include "ui/resource.h"

CSaveProgressWindow::CSaveProgressWindow() : m_window(IDD_COPY_PROGRESS)
{
}

bool CSaveProgressWindow::Saving(int index, int count, const std::string& destPath)
{
    m_tally.nCount = count;
    m_window.Show();
    m_window.SetText(IDC_COPY_PATH, destPath);
    m_window.SetText(IDC_COPY_COUNT, FilesOfText(index + 1, count));
    // Repaints the window with the new path and hears a stop pressed while the
    // previous file was saved.
    m_tally.bStopped = !m_window.Serve();
    return !m_tally.bStopped;
}

// The window keeps its fixed texts; the system's reason is not shown.
void CSaveProgressWindow::NotSaved(const SaveFailure& failure)
{
    ++m_tally.nNotSaved;
    ShowPathMessage(FailurePrefix(failure), failure.path, 0);
}

void CSaveProgressWindow::Saved(int, const std::string&)
{
    ++m_tally.nSaved;
}
