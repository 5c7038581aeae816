#include "ui/ReadProgressPace.h"

namespace {

// A slow entry (a file on a network share) can take milliseconds, so the clock
// is still read often enough for ten refreshes a second.
const int kEntriesPerClockReading = 16;
const std::chrono::milliseconds kRefreshInterval(100);

}  // namespace

CPacedReadProgress::CPacedReadProgress() : m_tStart(Clock::now()), m_tNextRefresh(0)
{
}

bool CPacedReadProgress::KeepReading(const std::string& source, int admitted)
{
    if (m_bStopped)
        return false;
    if (++m_nEntriesUnclocked < kEntriesPerClockReading)
        return true;
    m_nEntriesUnclocked = 0;
    const Clock::duration elapsed = Clock::now() - m_tStart;
    if (elapsed < m_tNextRefresh)
        return true;
    m_tNextRefresh = elapsed + kRefreshInterval;
    m_bStopped = !Refresh(source, admitted, elapsed >= kShowProgressAfter);
    return !m_bStopped;
}
