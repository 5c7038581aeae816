#pragma once
#include "catalogue/FileList.h"
#include "catalogue/SaveHistory.h"

#include <string>
#include <vector>

// Why one entry of a save was not saved: what failed, the path it names, and
// the system's reason where the system refused (empty where the program itself
// refused). The window words it with its fixed texts, the command line adds the
// reason.
struct SaveFailure {
    enum What {
        kSameAsSource,  // the destination is the file itself
        kTooLong,       // the destination path would pass the path limit
        kNotWritten,    // the copy or link could not be written
        kNotConverted   // the source could not be converted; the reason is the converter's
    };
    What what = kNotWritten;
    std::string path;  // the destination for kSameAsSource, else the source file
    std::string reason;
};

// What a save tells the one who started it: the window shows the path in its
// "Copying ..." window and each refusal in a message box, the command-line
// program writes lines.
class CSaveReport {
public:
    virtual ~CSaveReport() = default;
    // Entry `index` of `count` is about to be saved as `destPath` (the path
    // before any link name change). False stops the save before this entry.
    virtual bool Saving(int index, int count, const std::string& destPath) = 0;
    // The entry was not saved.
    virtual void NotSaved(const SaveFailure& failure) = 0;
    // The entry was saved as `destPath`, under its own name or another (SaveNames.h).
    virtual void Saved(int /*index*/, const std::string& /*destPath*/) {}
    // Whether a file already at `destPath` may be replaced; where not, the entry
    // is saved under a numbered name.
    virtual bool MayReplace(const std::string& /*destPath*/) const { return true; }
};

// The fixed text (SaveTexts.h) that starts the message of a failure.
const char* FailurePrefix(const SaveFailure& failure);

// The destination folder made from `text`, a typed or picked folder. False when
// it is too long to hold or does not exist; `folder` then holds the path that the
// "Cannot access folder:" message names.
bool ReachDestFolder(const std::string& text, std::string& folder);

// Saves the entries of `list` into `destFolder` (as ReachDestFolder made it), in
// list order, as copies or as links, after removing what interrupted saves left
// there. A file that would replace itself, or cannot be saved, is reported and
// the rest are saved. Each file gets a name of its own in this save (a numbered
// one where another took it), and where the destination refuses a name, the
// name a card takes (CardSafeName). Each file saved is recorded in `history`
// (when given) at once, so an interrupted save keeps its record: as the path
// `recordedAs` gives for its index (the original of a converted copy), else as
// itself. The count is read at every step, as the window serves messages between
// files. Returns the number not saved.
int SaveFiles(const CFileList& list, const std::string& destFolder, bool links,
              CSaveReport& report, CSaveHistory* history,
              const std::vector<std::string>* recordedAs = nullptr);
