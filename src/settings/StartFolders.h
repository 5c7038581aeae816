#pragma once
#include <string>
#include <vector>

// One folder of the "Start" setting, read into the source at every start.
struct StartFolder {
    std::string strFolder;    // the path handed to AddFolder; lower case where case
                              // does not matter in paths, as listed otherwise
    bool bSubfolders = false; // the item ended with "+"
    std::string strListed;    // the item as listed: trimmed, lower case, "+" kept
};

// Splits the comma-separated setting into its items, trimmed of white space;
// empty items, and items that are only "+", are skipped.
std::vector<StartFolder> ParseStartFolders(const std::string& start);

// The folder of the item at `caret` in the setting's text, for a folder picker
// to open at: the item the caret stands in, else the last one before it, else
// the first; empty when the setting names no folder.
std::string StartFolderAt(const std::string& start, std::string::size_type caret);
