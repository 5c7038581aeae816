#include "ui/FolderPicker.h"

#include "platform/FileSystem.h"
#include "ui/App.h"
#include "ui/UserPrompts.h"

std::string g_szLastFolder;

bool BrowseForFolder(std::string& folder, const std::string& title,
                     const std::string& fieldFolder)
{
    folder.clear();
    const bool fieldIsFolder =
        !fieldFolder.empty() && platform::KindOfPath(fieldFolder) == platform::PathKind::kFolder;
    const std::string start = fieldIsFolder ? fieldFolder : g_szLastFolder;
    if (!UserPrompts().PickFolder(title, start, folder) || folder.empty()) {
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
