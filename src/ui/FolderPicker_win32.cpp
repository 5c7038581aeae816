#include "ui/FolderPicker.h"

#include "ui/App.h"
#include "ui/UserPrompts.h"

std::string g_szLastFolder;

bool BrowseForFolder(std::string& folder, const std::string& title)
{
    folder.clear();
    if (!UserPrompts().PickFolder(title, g_szLastFolder, folder) || folder.empty()) {
        folder.clear();
        return false;
    }
    g_szLastFolder = folder;
    return true;
}

int ShowPathMessage(const std::string& prefix, const std::string& path, unsigned style)
{
    return AppMessageBox(prefix + path, style | MB_TOPMOST);
}
