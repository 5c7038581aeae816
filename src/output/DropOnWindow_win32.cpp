#include "output/DropOnWindow_win32.h"

#include "output/DropBlock.h"
#include "platform/WideText_win32.h"

#include <cstring>

namespace {

// The names go as the player manager has always read them, in the legacy code
// page; only a list with a name that code page cannot hold goes in UTF-16, which
// the system's drop functions read for any receiver.
std::vector<uint8_t> DropBytes(const std::vector<std::string>& paths)
{
    std::vector<std::string> legacyPaths;
    std::vector<std::u16string> widePaths;
    bool allLegacy = true;
    for (const std::string& path : paths) {
        const std::wstring wide = platform::WideFromNarrow(path);
        widePaths.emplace_back(wide.begin(), wide.end());
        std::string legacy;
        allLegacy = allLegacy && platform::LegacyFromWide(wide, legacy);
        legacyPaths.push_back(legacy);
    }
    return allLegacy ? MakeDropBlock(legacyPaths) : MakeWideDropBlock(widePaths);
}

// The block in movable, zero-filled global memory, as a shell drop carries it;
// null when it cannot be allocated or filled.
HGLOBAL MakeGlobalDropBlock(const std::vector<std::string>& paths)
{
    const std::vector<uint8_t> bytes = DropBytes(paths);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
    if (block == NULL)
        return NULL;
    void* data = GlobalLock(block);
    if (data == NULL) {
        GlobalFree(block);
        return NULL;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

// Puts the pointer on the drop point, where a dragging user would have released
// it. Where the pointer cannot be moved the drop goes ahead without it.
void MovePointerToDropPoint(HWND target)
{
    POINT point = {kDropPointX, kDropPointY};
    if (ClientToScreen(target, &point))
        SetCursorPos(point.x, point.y);
}

}  // namespace

HWND FindDropTarget(const std::string& caption, int child, bool externalMem)
{
    // An empty caption would name whichever untitled window comes first.
    if (caption.empty())
        return NULL;
    HWND window = FindWindowA(NULL, caption.c_str());
    if (window == NULL)
        return NULL;
    switch (ChooseDropTarget(child, externalMem)) {
    case DropTarget::kWindow:
        return window;
    case DropTarget::kFirstChild:
        return GetWindow(window, GW_CHILD);
    case DropTarget::kFirstChildsNext: {
        HWND first = GetWindow(window, GW_CHILD);
        return first == NULL ? NULL : GetWindow(first, GW_HWNDNEXT);
    }
    }
    return NULL;
}

DropOutcome DropOnWindow(const std::string& caption, int child, bool externalMem,
                         const std::vector<std::string>& paths)
{
    HWND target = FindDropTarget(caption, child, externalMem);
    if (target == NULL)
        return DropOutcome::kNoTarget;
    HGLOBAL block = MakeGlobalDropBlock(paths);
    if (block == NULL)
        return DropOutcome::kNotPosted;
    MovePointerToDropPoint(target);
    // The system may refuse to change the foreground window; the drop is still
    // delivered, as the receiver reads its queue whether it is in front or not.
    SetForegroundWindow(target);
    if (!PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0)) {
        // Never delivered, so no receiver will free it.
        GlobalFree(block);
        return DropOutcome::kNotPosted;
    }
    return DropOutcome::kPosted;
}
