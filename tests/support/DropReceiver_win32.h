#pragma once
// A stand-in for the player manager's memory window, made in this process since
// Wine carries no drop block to another one: a top-level window with a caption
// and a number of children, every one of them taking dropped files as a shell
// drop target does and releasing the block.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace fixtures {

// What one window received in one WM_DROPFILES.
struct ReceivedDrop {
    std::vector<uint8_t> bytes;       // the whole block as posted
    std::vector<std::string> paths;   // as DragQueryFileA lists them
    POINT point = {0, 0};             // DragQueryPoint's drop point
    bool inClientArea = false;
};

// Kept hidden: on an X server without a window manager Wine spends two seconds
// on taking down a window that was shown, and a drop does not need it seen.
// Creating or destroying one forgets every drop received so far.
class DropReceiver {
public:
    DropReceiver(const std::string& caption, int children);
    ~DropReceiver();
    DropReceiver(const DropReceiver&) = delete;
    DropReceiver& operator=(const DropReceiver&) = delete;

    HWND Window() const { return m_hWnd; }
    HWND Child(int i) const { return m_vecChildren.at(static_cast<size_t>(i)); }

private:
    HWND m_hWnd = NULL;
    std::vector<HWND> m_vecChildren;
};

// Dispatches what was posted to this thread, so that a posted drop arrives.
void DeliverPostedMessages();

// The drops `window` received since they were last forgotten.
std::vector<ReceivedDrop> DropsReceivedBy(HWND window);

// How many drops all windows together received.
size_t DropsReceived();

void ForgetDrops();

}  // namespace fixtures
