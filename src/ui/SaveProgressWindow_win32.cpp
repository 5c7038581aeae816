#include "ui/SaveProgressWindow.h"

#include "catalogue/CountText.h"
#include "ui/FolderPicker.h"
#include "ui/resource.h"

CSaveProgressWindow::CSaveProgressWindow() : m_progressWindow(IDD_COPY_PROGRESS)
{
}

bool CSaveProgressWindow::Saving(int index, int count, const std::string& destPath)
{
    m_saveTally.nCount = count;
    m_progressWindow.Show();
    m_progressWindow.SetText(IDC_COPY_PATH, destPath);
    m_progressWindow.SetText(IDC_COPY_COUNT, FilesOfText(index + 1, count));
    // Repaints the window with the new path and hears a stop pressed while the
    // previous file was saved.
    m_saveTally.bStopped = !m_progressWindow.Serve();
    return !m_saveTally.bStopped;
}

// The window keeps its fixed texts; the system's reason is not shown.
void CSaveProgressWindow::NotSaved(const SaveFailure& failure)
{
    ++m_saveTally.nNotSaved;
    ShowPathMessage(FailurePrefix(failure), failure.path, 0);
}

void CSaveProgressWindow::Saved(int, const std::string&)
{
    ++m_saveTally.nSaved;
}
