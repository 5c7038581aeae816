// The shortcut service over the shell's link object. One object serves every
// call, one after the other, on the user-interface thread. Paths go through its
// wide interface: the narrow one holds at most 260 bytes of a UTF-8 path.
#include "shell/Shortcuts.h"

#include "platform/DeviceNames.h"
#include "platform/WideText_win32.h"
#include "shell/ShortcutName.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

IShellLinkW* g_pShellLink = nullptr;
IPersistFile* g_pPersistFile = nullptr;

namespace {

// CoUninitialize must only balance a CoInitialize that took effect.
bool g_bComStarted = false;

const int kMaxPath = 260;

// Never ask the user to look for a moved target; give up after 1 ms.
const DWORD kResolveQuietly = MAKELONG(SLR_NO_UI, 1);

// The path in UTF-16. A path that does not fit the system's limit is refused
// rather than cut, since a cut path names another file.
bool ToWidePath(const std::string& path, std::wstring& wide)
{
    if (path.find('\0') != std::string::npos)
        return false;
    wide = platform::WideFromNarrow(path);
    return !wide.empty() && wide.size() <= static_cast<std::size_t>(kMaxPath);
}

bool Started()
{
    return g_pShellLink != nullptr && g_pPersistFile != nullptr;
}

}  // namespace

void InitShortcuts(bool start)
{
    if (start) {
        if (g_pShellLink != nullptr)
            return;
        g_bComStarted = SUCCEEDED(CoInitialize(NULL));
        void* link = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER,
                                       IID_IShellLinkW, &link))) {
            g_pShellLink = static_cast<IShellLinkW*>(link);
            void* file = nullptr;
            if (SUCCEEDED(g_pShellLink->QueryInterface(IID_IPersistFile, &file)))
                g_pPersistFile = static_cast<IPersistFile*>(file);
        }
        return;
    }
    if (g_pPersistFile != nullptr)
        g_pPersistFile->Release();
    if (g_pShellLink != nullptr)
        g_pShellLink->Release();
    g_pPersistFile = nullptr;
    g_pShellLink = nullptr;
    if (g_bComStarted)
        CoUninitialize();
    g_bComStarted = false;
}

bool ResolveShortcut(const std::string& linkPath, std::string& target)
{
    target.clear();
    if (!Started())
        return false;
    std::wstring wide;
    // A device named like a shortcut ("con.lnk") is not read.
    if (platform::NamesWindowsDevice(linkPath) || !ToWidePath(linkPath, wide))
        return false;
    if (FAILED(g_pPersistFile->Load(wide.c_str(), STGM_READ)))
        return false;
    if (FAILED(g_pShellLink->Resolve(NULL, kResolveQuietly)))
        return false;
    WCHAR buffer[kMaxPath + 1] = {};
    WIN32_FIND_DATAW found;
    if (FAILED(g_pShellLink->GetPath(buffer, kMaxPath, &found, 0)))
        return false;
    target = platform::NarrowFromWide(buffer);
    return !target.empty();
}

bool IsFolderShortcut(const std::string& path, std::string& out)
{
    out = path;
    if (!HasLinkExtension(path))
        return false;
    if (!ResolveShortcut(path, out))
        return false;
    // A target that is gone reads as INVALID_FILE_ATTRIBUTES, all bits set, and
    // so counts as a folder: the scan that follows finds nothing there.
    return (GetFileAttributesA(out.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateShortcut(const std::string& linkPath, const std::string& description,
                    const std::string& target)
{
    if (!Started())
        return false;
    // The shared object still holds whatever shortcut was loaded last; a saved
    // shortcut must not inherit its arguments, folder, icon or hot key.
    if (FAILED(g_pShellLink->SetArguments(L"")) ||
        FAILED(g_pShellLink->SetWorkingDirectory(L"")) ||
        FAILED(g_pShellLink->SetIconLocation(L"", 0)) || FAILED(g_pShellLink->SetHotkey(0)) ||
        FAILED(g_pShellLink->SetShowCmd(SW_SHOWNORMAL)))
        return false;
    g_pShellLink->SetPath(platform::WideFromNarrow(target).c_str());
    g_pShellLink->SetDescription(platform::WideFromNarrow(description).c_str());
    std::wstring wide;
    if (!ToWidePath(linkPath, wide))
        return false;
    return g_pPersistFile->Save(wide.c_str(), TRUE) == S_OK;
}
