#include "ui/PlanProgressWindow.h"

#include "catalogue/CountText.h"
#include "ui/ReadProgressPace.h"
#include "ui/resource.h"

CPlanProgressWindow::CPlanProgressWindow()
    : m_tStart(std::chrono::steady_clock::now()), m_progressWindow(IDD_READ_PROGRESS)
{
}

// Files read before are not read again, so a plan with nothing new shows nothing.
bool CPlanProgressWindow::Probing(std::size_t done, std::size_t count)
{
    if (m_bStopped || count == 0)
        return !m_bStopped;
    if (std::chrono::steady_clock::now() - m_tStart >= kShowProgressAfter)
        m_progressWindow.Show();
    m_progressWindow.SetText(IDC_READ_SOURCE, "Reading the length of each new file");
    m_progressWindow.SetText(IDC_READ_COUNT,
                             FilesOfText(static_cast<int>(done), static_cast<int>(count)));
    m_bStopped = !m_progressWindow.Serve();
    return !m_bStopped;
}
