// The Drop on Rio button: the list view's files dropped on a stand-in for the
// player manager, made in this process since Wine carries no drop block to
// another one.
#include "MainDlgHarness.h"

#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <map>

namespace {

const char kReceiverClass[] = "TarrowbyTestDropTarget";

struct Drop {
    size_t blockSize = 0;
    std::vector<std::string> paths;
};

std::map<HWND, std::vector<Drop>> g_drops;

// Takes dropped files as a shell drop target does, and releases the block.
LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_DROPFILES)
        return DefWindowProcA(window, message, wParam, lParam);
    HDROP block = reinterpret_cast<HDROP>(wParam);
    Drop drop;
    drop.blockSize = GlobalSize(block);
    const UINT count = DragQueryFileA(block, 0xFFFFFFFF, NULL, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(DragQueryFileA(block, i, NULL, 0) + 1, '\0');
        path.resize(DragQueryFileA(block, i, &path[0], static_cast<UINT>(path.size())));
        drop.paths.push_back(path);
    }
    DragFinish(block);
    g_drops[window].push_back(drop);
    return 0;
}

// The player manager's memory window with two children that take files. Kept
// hidden: a drop does not need it seen.
class MemoryWindow {
public:
    MemoryWindow(const std::string& caption, int children)
    {
        static const bool registered = [] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = ReceiverProc;
            windowClass.hInstance = GetModuleHandleA(NULL);
            windowClass.lpszClassName = kReceiverClass;
            return RegisterClassA(&windowClass) != 0;
        }();
        EXPECT_TRUE(registered);
        m_window = CreateWindowExA(WS_EX_ACCEPTFILES, kReceiverClass, caption.c_str(),
                                   WS_OVERLAPPEDWINDOW, 100, 100, 400, 200, NULL, NULL,
                                   GetModuleHandleA(NULL), NULL);
        EXPECT_TRUE(m_window != NULL);
        for (int i = 0; i < children; ++i)
            m_children.push_back(CreateWindowExA(WS_EX_ACCEPTFILES, kReceiverClass, "",
                                                 WS_CHILD | WS_VISIBLE, 10 + 190 * i, 10, 180,
                                                 150, m_window, NULL, GetModuleHandleA(NULL), NULL));
        g_drops.clear();
    }
    ~MemoryWindow()
    {
        DestroyWindow(m_window);
        g_drops.clear();
    }
    MemoryWindow(const MemoryWindow&) = delete;
    MemoryWindow& operator=(const MemoryWindow&) = delete;

    HWND Window() const { return m_window; }
    HWND Child(int i) const { return m_children.at(static_cast<size_t>(i)); }

private:
    HWND m_window = NULL;
    std::vector<HWND> m_children;
};

std::string UniqueCaption()
{
    return "Memory " + std::to_string(GetCurrentProcessId());
}

// Lets the posted drop arrive.
void DeliverPostedMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

size_t BlockSizeFor(const std::vector<std::string>& paths)
{
    size_t size = 20 + 1;
    for (const std::string& path : paths)
        size += path.size() + 1;
    return size;
}

// Clicks Drop on Rio and returns what `target` received; fails when anything
// else received the drop.
std::vector<Drop> DropAndCollect(HWND dialog, HWND target)
{
    g_drops.clear();
    ClickButton(dialog, IDC_DROP_ON_RIO);
    DeliverPostedMessages();
    const std::vector<Drop> received = g_drops[target];
    EXPECT_EQ(1u, g_drops.size());
    return received;
}

const std::string kCannotFind =
    "Cannot find Rio memory Window.\rPlease start Rio Manager and select Mem";

}  // namespace

TEST(DropCommand, ChildAndViewChooseTheReceiverAndPathsFollowTheRows)
{
    for (int child : {0, 1, 2}) {
        SCOPED_TRACE("Child=" + std::to_string(child));
        MainDlgHarness harness;
        const std::string a = harness.MakeFile("Music\\a.mp3", 1100);
        const std::string b = harness.MakeFile("Music\\bb.mp3", 1300);
        const std::string c = harness.MakeFile("Other\\c.mp3", 1200);
        const std::string d = harness.MakeFile("Music\\d.mp3", 1400);
        const std::string caption = UniqueCaption();
        harness.WriteIni({"LicenseMessage=0", "QuickStart=0", "Caption=" + caption,
                          "Child=" + std::to_string(child)});
        harness.prompts.fileAnswers = {std::vector<std::string>{a, b, c},
                                       std::vector<std::string>{d}};
        MemoryWindow memory(caption, 2);
        const HWND internalTarget = child == 0 ? memory.Window() : memory.Child(child == 2 ? 1 : 0);
        const HWND externalTarget = child == 0 ? memory.Window() : memory.Child(0);
        harness.Run([&](HWND dialog) {
            ClickButton(dialog, IDC_SELECT);
            ClickHeader(dialog, 1);  // largest first
            const std::vector<std::string> rows = {b, c, a};
            std::vector<Drop> received = DropAndCollect(dialog, internalTarget);
            ASSERT_EQ(1u, received.size());
            EXPECT_EQ(rows, received[0].paths);
            EXPECT_EQ(BlockSizeFor(rows), received[0].blockSize);

            ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
            ClickButton(dialog, IDC_SELECT);
            received = DropAndCollect(dialog, externalTarget);
            ASSERT_EQ(1u, received.size());
            EXPECT_EQ(std::vector<std::string>{d}, received[0].paths);
            EXPECT_EQ(BlockSizeFor({d}), received[0].blockSize);
            ClickButton(dialog, IDCANCEL);
        });
    }
}

TEST(DropCommand, MissingWindowOrChildIsReportedAndNothingDropped)
{
    MainDlgHarness harness;
    const std::string caption = UniqueCaption();
    harness.WriteIni({"LicenseMessage=0", "QuickStart=0", "Caption=" + caption});
    harness.prompts.messageAnswers = {IDOK, IDOK};
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_DROP_ON_RIO);  // no such window
        {
            MemoryWindow memory(caption, 1);
            ClickButton(dialog, IDC_DROP_ON_RIO);  // internal view: no second child
            DeliverPostedMessages();
            EXPECT_TRUE(g_drops.empty());
            // The external view takes the first child; an empty list still drops.
            ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
            const std::vector<Drop> received = DropAndCollect(dialog, memory.Child(0));
            ASSERT_EQ(1u, received.size());
            EXPECT_EQ(BlockSizeFor({}), received[0].blockSize);
        }
        ClickButton(dialog, IDCANCEL);
    });
    ASSERT_EQ(2u, harness.prompts.calls.size());
    for (const PromptCall& call : harness.prompts.calls) {
        EXPECT_EQ(kCannotFind, call.strText);
        EXPECT_EQ(static_cast<unsigned>(MB_TOPMOST | MB_ICONEXCLAMATION), call.nStyle);
    }
}
