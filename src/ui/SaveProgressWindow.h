#pragma once
// The "Copying ..." window of a save (Windows only): the path of each file as it
// is saved, from the first, and how many of the list it is; each file not saved
// gets a message box of its own. It counts how the save went.
#include "output/SaveFiles.h"
#include "ui/ProgressWindow.h"
#include "ui/StatusText.h"

class CSaveProgressWindow : public CSaveReport {
public:
    CSaveProgressWindow();

    bool Saving(int index, int count, const std::string& destPath) override;
    void NotSaved(const SaveFailure& failure) override;
    void Saved(int index, const std::string& destPath) override;

    const SaveTally& Tally() const { return m_saveTally; }

private:
    CProgressWindow m_progressWindow;
    SaveTally m_saveTally;
};
