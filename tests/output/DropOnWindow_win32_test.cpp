// Drops on windows of this process: the block posted with WM_DROPFILES does not
// reach another process under Wine.
#include "output/DropOnWindow_win32.h"

#include "output/DropBlock.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct ReceivedDrop {
    std::vector<uint8_t> bytes;
    std::vector<std::string> paths;
    POINT point = {0, 0};
    bool inClientArea = false;
};

std::map<HWND, std::vector<ReceivedDrop>> g_drops;

// Takes a drop as a shell drop target does and releases the block.
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

const char kReceiverClass[] = "TarrowbyTestDropReceiver";

void RegisterReceiverClass()
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
    ASSERT_TRUE(registered);
}

// A stand-in for the player manager: a top-level window with the given caption
// and the given number of children, every one of them taking dropped files. It
// stays hidden: on an X server without a window manager Wine spends two seconds
// on taking down a window that was shown, and a drop does not need it seen.
class ManagerWindow {
public:
    ManagerWindow(const std::string& caption, int children)
    {
        RegisterReceiverClass();
        m_window = CreateWindowExA(WS_EX_ACCEPTFILES, kReceiverClass, caption.c_str(),
                                   WS_OVERLAPPEDWINDOW, 120, 90, 420, 260, NULL,
                                   NULL, GetModuleHandleA(NULL), NULL);
        EXPECT_TRUE(m_window != NULL);
        for (int i = 0; i < children; ++i) {
            HWND child = CreateWindowExA(WS_EX_ACCEPTFILES, kReceiverClass, "",
                                         WS_CHILD | WS_VISIBLE, 20 + 180 * i, 30, 160, 120,
                                         m_window, NULL, GetModuleHandleA(NULL), NULL);
            EXPECT_TRUE(child != NULL);
            m_children.push_back(child);
        }
    }
    ~ManagerWindow()
    {
        DestroyWindow(m_window);
        g_drops.clear();
    }
    ManagerWindow(const ManagerWindow&) = delete;
    ManagerWindow& operator=(const ManagerWindow&) = delete;

    HWND Window() const { return m_window; }
    HWND Child(int i) const { return m_children.at(static_cast<size_t>(i)); }

private:
    HWND m_window = NULL;
    std::vector<HWND> m_children;
};

std::string UniqueCaption()
{
    return "Media Memory " + std::to_string(GetCurrentProcessId());
}

void DeliverPostedMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

size_t DropCount()
{
    size_t count = 0;
    for (const auto& entry : g_drops)
        count += entry.second.size();
    return count;
}

POINT ScreenPointOf(HWND window, int x, int y)
{
    POINT point = {x, y};
    EXPECT_TRUE(ClientToScreen(window, &point));
    return point;
}

void ExpectPointerAt(const POINT& expected)
{
    POINT pointer = {-1, -1};
    ASSERT_TRUE(GetCursorPos(&pointer));
    EXPECT_EQ(expected.x, pointer.x);
    EXPECT_EQ(expected.y, pointer.y);
}

}  // namespace

TEST(DropOnWindow, ChildSettingAndMemoryViewChooseTheReceiver)
{
    const std::string caption = UniqueCaption();
    ManagerWindow manager(caption, 2);
    struct Case {
        int child;
        bool externalMem;
        HWND expected;
    };
    const Case cases[] = {
        {0, true, manager.Window()},  {0, false, manager.Window()},
        {1, true, manager.Child(0)},  {1, false, manager.Child(0)},
        {2, true, manager.Child(0)},  {2, false, manager.Child(1)},
        {7, false, manager.Child(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Child " + std::to_string(c.child) + (c.externalMem ? " external" : " internal"));
        g_drops.clear();
        EXPECT_EQ(c.expected, FindDropTarget(caption, c.child, c.externalMem));
        ASSERT_EQ(DropOutcome::kPosted,
                  DropOnWindow(caption, c.child, c.externalMem, {"C:\\a\\1.mp3"}));
        ExpectPointerAt(ScreenPointOf(c.expected, kDropPointX, kDropPointY));
        DeliverPostedMessages();
        ASSERT_EQ(1u, DropCount());
        ASSERT_EQ(1u, g_drops[c.expected].size());
        EXPECT_EQ(std::vector<std::string>{"C:\\a\\1.mp3"}, g_drops[c.expected][0].paths);
    }
}

TEST(DropOnWindow, BlockCarriesThePathsInTheOrderGiven)
{
    const std::string caption = UniqueCaption();
    ManagerWindow manager(caption, 2);
    const std::vector<std::string> paths = {"D:\\b\\3.mp3", "C:\\a\\1.mp3", "C:\\a\\2.mp3"};
    ASSERT_EQ(DropOutcome::kPosted, DropOnWindow(caption, 2, false, paths));
    DeliverPostedMessages();
    ASSERT_EQ(1u, g_drops[manager.Child(1)].size());
    const ReceivedDrop& received = g_drops[manager.Child(1)][0];
    EXPECT_EQ(paths, received.paths);
    // 20-byte header, each path and its zero byte, the closing zero byte.
    EXPECT_EQ(54u, received.bytes.size());
    EXPECT_EQ(MakeDropBlock(paths), received.bytes);
    EXPECT_TRUE(received.inClientArea);
    EXPECT_EQ(kDropPointX, received.point.x);
    EXPECT_EQ(kDropPointY, received.point.y);
}

TEST(DropOnWindow, EmptyListIsStillDropped)
{
    const std::string caption = UniqueCaption();
    ManagerWindow manager(caption, 0);
    ASSERT_EQ(DropOutcome::kPosted, DropOnWindow(caption, 0, true, {}));
    DeliverPostedMessages();
    ASSERT_EQ(1u, g_drops[manager.Window()].size());
    // Only the bytes: Wine's DragQueryFileA counts one file in an empty list.
    EXPECT_EQ(21u, g_drops[manager.Window()][0].bytes.size());
    EXPECT_EQ(MakeDropBlock({}), g_drops[manager.Window()][0].bytes);
}

TEST(DropOnWindow, NoTargetWhenTheWindowOrTheChildIsMissing)
{
    const std::string caption = UniqueCaption();
    const POINT rest = {33, 44};
    ASSERT_TRUE(SetCursorPos(rest.x, rest.y));
    EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow(caption, 2, true, {"C:\\a\\1.mp3"}));
    {
        ManagerWindow childless(caption, 0);
        EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow(caption, 1, true, {"C:\\a\\1.mp3"}));
        EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow(caption, 2, true, {"C:\\a\\1.mp3"}));
    }
    {
        ManagerWindow oneChild(caption, 1);
        EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow(caption, 2, false, {"C:\\a\\1.mp3"}));
        // An empty caption names no window, not the first untitled one.
        ManagerWindow untitled("", 0);
        EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow("", 0, false, {"C:\\a\\1.mp3"}));
        DeliverPostedMessages();
        EXPECT_EQ(0u, DropCount());
    }
    ExpectPointerAt(rest);
}
