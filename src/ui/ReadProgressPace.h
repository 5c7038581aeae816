#pragma once
#include "catalogue/ReadProgress.h"

#include <chrono>
#include <string>

// A long command's window shows once the command has run this long.
constexpr std::chrono::milliseconds kShowProgressAfter(333);

// The part of a long read's progress display that runs after every entry, kept
// cheap: it counts entries and reads the clock only every few of them. The front
// end is asked to refresh at most ten times a second, and to show itself once the
// read has run a third of a second. The first refresh comes at once, so that a
// key pressed before the window shows is heard too.
class CPacedReadProgress : public CReadProgress {
public:
    bool KeepReading(const std::string& source, int admitted) final;
    // True once a refresh asked to stop; every later entry is refused at once.
    bool Stopped() const { return m_bStopped; }

protected:
    CPacedReadProgress();
    // Shows `source` and `admitted` (once `show` is true) and hears the user;
    // false stops the read after the entry in hand.
    virtual bool Refresh(const std::string& source, int admitted, bool show) = 0;

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_tStart;
    Clock::duration m_tNextRefresh;  // since m_tStart
    int m_nEntriesUnclocked = 0;
    bool m_bStopped = false;
};
