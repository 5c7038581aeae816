#pragma once
#include <optional>
#include <string>

// The destination folder made from the Dest field's text (or a picked folder): a
// separator is appended to a text of two or more characters that lacks one. A text
// longer than platform::kMaxPathLength is refused rather than cut, since the cut text would
// name another folder.
std::optional<std::string> MakeDestFolder(const std::string& text);

// A file's full path: its folder, the system's separator, its name.
std::string FullPath(const std::string& folder, const std::string& name);

// A shortcut's file name for `name`: the text from the name's last "." replaced
// by ".lnk", or ".lnk" appended to a name without one.
std::string LinkName(const std::string& name);

// What saving one entry into the destination folder amounts to.
struct SaveStep {
    enum Outcome {
        kWrite,         // copy strSource to strWritten, or write a link there
        kSameAsSource,  // refused: strDest is the file itself (A-Z case ignored on Windows)
        kTooLong        // refused: strWritten would be longer than platform::kMaxPathLength
    };
    Outcome outcome = kWrite;
    std::string strSource;   // FullPath: the copy's source, the link's target
    std::string strDest;     // destination folder + name, before any ".lnk" change
    std::string strWritten;  // the file to write: strDest, or its link (LinkFileName)
};

SaveStep PlanSave(const std::string& destFolder, const std::string& folder,
                  const std::string& name, bool links);

// The shell's delete request for every file of the destination folder: the
// folder, "*.*", and the two zero characters that end the request's list.
std::string DeleteRequestSource(const std::string& destFolder);
