#include "support/DropReceiver_win32.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <map>

namespace fixtures {
namespace {

std::map<HWND, std::vector<ReceivedDrop>> g_drops;

const char kReceiverClass[] = "TarrowbyTestDropReceiver";

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_DROPFILES)
        return DefWindowProcA(window, message, wParam, lParam);
    HDROP drop = reinterpret_cast<HDROP>(wParam);
    ReceivedDrop received;
    if (const void* data = GlobalLock(drop)) {
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        received.bytes.assign(bytes, bytes + GlobalSize(drop));
        GlobalUnlock(drop);
    }
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, NULL, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(DragQueryFileA(drop, i, NULL, 0) + 1, '\0');
        path.resize(DragQueryFileA(drop, i, &path[0], static_cast<UINT>(path.size())));
        received.paths.push_back(path);
    }
    received.inClientArea = DragQueryPoint(drop, &received.point) != 0;
    DragFinish(drop);
    g_drops[window].push_back(received);
    return 0;
}

bool RegisterReceiverClass()
{
    static const bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ReceiverProc;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kReceiverClass;
        return RegisterClassA(&windowClass) != 0;
    }();
    return registered;
}

}  // namespace

DropReceiver::DropReceiver(const std::string& caption, int children)
{
    EXPECT_TRUE(RegisterReceiverClass());
    m_hWnd = CreateWindowExA(WS_EX_ACCEPTFILES, kReceiverClass, caption.c_str(),
                               WS_OVERLAPPEDWINDOW, 120, 90, 420, 260, NULL, NULL,
                               GetModuleHandleA(NULL), NULL);
    EXPECT_TRUE(m_hWnd != NULL);
    for (int i = 0; i < children; ++i) {
        HWND child = CreateWindowExA(WS_EX_ACCEPTFILES, kReceiverClass, "",
                                     WS_CHILD | WS_VISIBLE, 20 + 180 * i, 30, 160, 120,
                                     m_hWnd, NULL, GetModuleHandleA(NULL), NULL);
        EXPECT_TRUE(child != NULL);
        m_vecChildren.push_back(child);
    }
    g_drops.clear();
}

DropReceiver::~DropReceiver()
{
    DestroyWindow(m_hWnd);
    g_drops.clear();
}

void DeliverPostedMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

std::vector<ReceivedDrop> DropsReceivedBy(HWND window)
{
    const auto found = g_drops.find(window);
    return found == g_drops.end() ? std::vector<ReceivedDrop>() : found->second;
}

size_t DropsReceived()
{
    size_t count = 0;
    for (const auto& entry : g_drops)
        count += entry.second.size();
    return count;
}

void ForgetDrops()
{
    g_drops.clear();
}

}  // namespace fixtures
