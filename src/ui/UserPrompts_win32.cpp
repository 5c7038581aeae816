#include "ui/UserPrompts.h"

#include "platform/WideText_win32.h"
#include "ui/App.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

namespace {

// Posts, not sends: the picker is not ready for a selection while it is still
// initialising.
int CALLBACK OnPickerEvent(HWND picker, UINT message, LPARAM, LPARAM startFolder)
{
    if (message == BFFM_INITIALIZED)
        PostMessageA(picker, BFFM_SETSELECTIONA, TRUE, startFolder);
    return 0;
}

// Every box and picker is owned by the program's window in front, the one that
// asks (Options, when its Browse asks), so that window stays disabled, and the
// main window under it, until the answer comes.
class CWindowPrompts : public CUserPrompts {
public:
    int ShowMessage(const std::string& text, unsigned style) override
    {
        return MessageBoxA(SafeOwnerWindow(), text.c_str(), AppName().c_str(), style);
    }

    bool PickFolder(const std::string& title, const std::string& startFolder,
                    std::string& folder) override
    {
        folder.clear();
        char display[MAX_PATH + 1] = {};
        BROWSEINFOA info = {};
        info.hwndOwner = SafeOwnerWindow();
        info.pszDisplayName = display;
        info.lpszTitle = title.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS;
        info.lpfn = OnPickerEvent;
        info.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
        PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
        if (item == nullptr)
            return false;
        // The wide path: the narrow one holds 260 bytes, too few for UTF-8.
        WCHAR path[MAX_PATH + 1] = {};
        const bool gotPath = SHGetPathFromIDListW(item, path) != FALSE;
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
            allocator->Free(item);
            allocator->Release();
        }
        // An item without a file-system path would read as the empty folder,
        // which means the root of the current drive.
        if (!gotPath || path[0] == L'\0')
            return false;
        folder = platform::NarrowFromWide(path);
        return !folder.empty();
    }

    bool PickFiles(const FileRequest& request, std::vector<std::string>& paths) override
    {
        paths.clear();
        std::string filter = request.strFilter;
        for (char& c : filter)
            if (c == '|')
                c = '\0';
        // Room for a few thousand names at once, or for one path of the longest
        // length in UTF-8 (up to three bytes a character).
        std::vector<char> buffer(request.bMultiSelect ? 65536 : 3 * MAX_PATH + 4, '\0');
        OPENFILENAMEA dialog = {};
        dialog.lStructSize = sizeof(dialog);
        dialog.hwndOwner = SafeOwnerWindow();
        dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
        dialog.lpstrFile = buffer.data();
        dialog.nMaxFile = static_cast<DWORD>(buffer.size() - 1);
        dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        if (request.bMultiSelect)
            dialog.Flags |= OFN_ALLOWMULTISELECT;
        if (!GetOpenFileNameA(&dialog))
            return false;
        // One file: its full path. Several: the folder, then each name.
        const std::string first = buffer.data();
        const char* next = buffer.data() + first.size() + 1;
        if (!request.bMultiSelect || *next == '\0') {
            paths.push_back(first);
            return true;
        }
        const std::string folder =
            (!first.empty() && first.back() == '\\') ? first : first + "\\";
        for (; *next != '\0'; next += std::string(next).size() + 1)
            paths.push_back(folder + next);
        return true;
    }
};

CWindowPrompts g_windowPrompts;
CUserPrompts* g_pPrompts = &g_windowPrompts;

}  // namespace

CUserPrompts& UserPrompts()
{
    return *g_pPrompts;
}

void InstallUserPrompts(CUserPrompts* prompts)
{
    g_pPrompts = prompts != nullptr ? prompts : &g_windowPrompts;
}
