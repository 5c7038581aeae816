#include "output/ShellRequests_win32.h"

#include "output/DestPaths.h"

#include <windows.h>
#include <shellapi.h>

void DeleteDestFiles(const std::string& destFolder)
{
    // Ends in the two zero characters that close the shell's list of names.
    const std::string source = DeleteRequestSource(destFolder);
    SHFILEOPSTRUCTA request;
    ZeroMemory(&request, sizeof request);
    request.hwnd = NULL;
    request.wFunc = FO_DELETE;
    request.pFrom = source.c_str();
    request.pTo = NULL;
    request.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_FILESONLY;
    SHFileOperationA(&request);
}

void PlayFile(const std::string& path)
{
    ShellExecuteA(NULL, NULL, path.c_str(), "", "", SW_SHOW);
}
