#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The window that receives the drop: the top-level window captioned `caption`, or
// the child of it that the Child setting and the current memory view choose.
// Null when that window does not exist or the caption is empty.
HWND FindDropTarget(const std::string& caption, int child, bool externalMem);

enum class DropOutcome {
    kPosted,     // the receiver now owns the block
    kNoTarget,   // no window to drop on; nothing was allocated
    kNotPosted   // the block could not be made or posted; it was freed
};

// Drops `paths`, in the order given, on the window FindDropTarget finds, as the
// desktop shell would: the pointer is moved to the drop point, the window is
// asked to come to the foreground and WM_DROPFILES is posted to it.
DropOutcome DropOnWindow(const std::string& caption, int child, bool externalMem,
                         const std::vector<std::string>& paths);
