#pragma once
#include "catalogue/ReadProgress.h"
#include "convert/Conversion.h"
#include "output/SaveFiles.h"

#include <chrono>
#include <string>

// Progress on standard error while reading and saving: one line rewritten in
// place, at most ten times a second, shown only where standard error is a
// terminal. Files that are not saved get a line of their own in any case.
class CTerminalProgress : public CReadProgress, public CSaveReport, public CConvertProgress {
public:
    explicit CTerminalProgress(bool show);
    ~CTerminalProgress() override;

    // The word that leads the line while saving: "Copying" or "Linking".
    void SetSaveVerb(const std::string& verb) { m_strVerb = verb; }
    // Removes the progress line, so that the next text starts on a clean line.
    void Clear();

    bool KeepReading(const std::string& source, int admitted) override;
    bool Saving(int index, int count, const std::string& destPath) override;
    void NotSaved(const SaveFailure& failure) override;
    bool Probing(std::size_t done, std::size_t count) override;
    bool Converting(std::size_t done, std::size_t count, std::size_t fromCache) override;

private:
    // Whether a line is to be shown now: on a terminal, and a tenth of a second
    // after the last one unless `now`.
    bool Due(bool now);
    void Show(const std::string& text);

    bool m_bShow;
    std::string m_strVerb = "Copying";
    std::size_t m_nShownLength = 0;  // in columns
    std::chrono::steady_clock::time_point m_tLastShown;
    bool m_bShownOnce = false;
};

// A message text of the window ("Save failed: ", "Destination and source
// same:\r") followed by its path, as one line.
std::string MessageLine(const char* prefix, const std::string& path);

// The progress line of a conversion: "Converting 5/12: 3 converted, 2 from the cache".
std::string ConvertingText(std::size_t done, std::size_t count, std::size_t fromCache);
