#include "ui/ReadProgressWindow.h"

#include "catalogue/CountText.h"
#include "ui/resource.h"

CReadProgressWindow::CReadProgressWindow(const CFileList& list)
    : m_rList(list), m_nCountBefore(list.GetCount()), m_progressWindow(IDD_READ_PROGRESS)
{
}

// The read's own `admitted` starts again with every folder of the start-up read;
// the window counts what the list gained since the first.
bool CReadProgressWindow::Refresh(const std::string& source, int, bool show)
{
    if (show)
        m_progressWindow.Show();
    m_progressWindow.SetText(IDC_READ_SOURCE, source);
    m_progressWindow.SetText(IDC_READ_COUNT, FileCountText(m_rList.GetCount() - m_nCountBefore));
    return m_progressWindow.Serve();
}
