#pragma once
#include <string>

// The folder chosen last in any folder picker of this run; a picker opens there
// unless its field names a folder. Empty at start, never saved.
extern std::string g_szLastFolder;

// Asks for a folder with a picker titled `title`, opening at `fieldFolder` (the
// folder in the caller's field) when that is an existing folder. True with the
// folder in `folder`; false, with `folder` empty, when the user cancelled.
bool BrowseForFolder(std::string& folder, const std::string& title,
                     const std::string& fieldFolder = std::string());

// Shows `prefix` followed by `path` in a message box kept above other windows,
// with the exclamation icon unless `style` names another; returns the button
// pressed. The text is shown whole, however long.
int ShowPathMessage(const std::string& prefix, const std::string& path, unsigned style);
