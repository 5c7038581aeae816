#pragma once
// The "Copying ..." window of a save (Windows only): the path of each file as it
// is saved, from the first, and how many of the list it is; each file not saved
// gets a message box of its own. Before a copy or a drop of converted files it
// shows how the conversions go, and its stop ends them at once. It counts how
// the save went.
#include "convert/Conversion.h"
#include "output/SaveFiles.h"
#include "ui/ProgressWindow.h"
#include "ui/StatusText.h"

#include <atomic>

class CSaveProgressWindow : public CSaveReport, public CConvertProgress {
public:
    CSaveProgressWindow();

    bool Saving(int index, int count, const std::string& destPath) override;
    void NotSaved(const SaveFailure& failure) override;
    void Saved(int index, const std::string& destPath) override;

    bool Probing(std::size_t done, std::size_t count) override;
    bool Converting(std::size_t done, std::size_t count, std::size_t fromCache) override;

    // Set once the user stopped the conversions; they read it as they go.
    const std::atomic<bool>* StopFlag() const { return &m_bStop; }
    const SaveTally& Tally() const { return m_saveTally; }

private:
    // Shows the two lines of a step of converting and hears a stop.
    bool ShowConverting(const std::string& what, const std::string& count);

    CProgressWindow m_progressWindow;
    SaveTally m_saveTally;
    std::atomic<bool> m_bStop{false};
};
