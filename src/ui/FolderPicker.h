#pragma once
#include <string>

// The folder chosen last in any folder picker of this run; every picker opens
// there. Empty at start, never saved.
extern std::string g_szLastFolder;

// Asks for a folder with a picker titled `title`. True with the folder in
// `folder`; false, with `folder` empty, when the user cancelled.
bool BrowseForFolder(std::string& folder, const std::string& title);

// Shows `prefix` followed by `path` in a message box kept above other windows,
// with the exclamation icon unless `style` names another; returns the button
// pressed. The text is shown whole, however long.
int ShowPathMessage(const std::string& prefix, const std::string& path, unsigned style);
