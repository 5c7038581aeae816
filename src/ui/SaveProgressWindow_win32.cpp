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

// The window keeps its fixed texts; the system's reason is not shown, but the
// converter's is, as only it tells what is wrong with the file.
void CSaveProgressWindow::NotSaved(const SaveFailure& failure)
{
    ++m_saveTally.nNotSaved;
    const bool converter = failure.what == SaveFailure::kNotConverted;
    ShowPathMessage(FailurePrefix(failure), converter ? failure.path + ": " + failure.reason : failure.path,
                    0);
}

void CSaveProgressWindow::Saved(int, const std::string&)
{
    ++m_saveTally.nSaved;
}

bool CSaveProgressWindow::Probing(std::size_t done, std::size_t count)
{
    return ShowConverting("Reading the length of " + FileCountText(static_cast<int>(count)),
                          FilesOfText(static_cast<int>(done), static_cast<int>(count)) + " read");
}

// Files converted before need no window.
bool CSaveProgressWindow::Converting(std::size_t done, std::size_t count, std::size_t fromCache)
{
    if (count == 0)
        return !m_bStop;
    return ShowConverting("Converting " + FileCountText(static_cast<int>(count)),
                          FilesOfText(static_cast<int>(done), static_cast<int>(count)) + " done, " +
                              GroupedCount(static_cast<int>(fromCache)) + " from the cache");
}

bool CSaveProgressWindow::ShowConverting(const std::string& what, const std::string& count)
{
    m_progressWindow.Show();
    m_progressWindow.SetText(IDC_COPY_PATH, what);
    m_progressWindow.SetText(IDC_COPY_COUNT, count);
    // Running encoders read the flag and end at once.
    if (!m_progressWindow.Serve())
        m_bStop = true;
    return !m_bStop;
}
