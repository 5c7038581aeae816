#pragma once
// The "Reading ..." window while the files of a list are read for their length,
// to plan what they take on the player once converted (Windows only).
#include "convert/Conversion.h"
#include "ui/ProgressWindow.h"

#include <chrono>
#include <cstddef>

class CPlanProgressWindow : public CConvertProgress {
public:
    CPlanProgressWindow();

    bool Probing(std::size_t done, std::size_t count) override;
    // Planning converts nothing.
    bool Converting(std::size_t, std::size_t, std::size_t) override { return true; }
    // True once the user stopped the reading.
    bool Stopped() const { return m_bStopped; }

private:
    std::chrono::steady_clock::time_point m_tStart;
    CProgressWindow m_progressWindow;
    bool m_bStopped = false;
};
