// Drops on windows of this process: the block posted with WM_DROPFILES does not
// reach another process under Wine.
#include "output/DropOnWindow_win32.h"

#include "output/DropBlock.h"
#include "support/DropReceiver_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fixtures::DeliverPostedMessages;
using fixtures::DropReceiver;
using fixtures::DropsReceived;
using fixtures::DropsReceivedBy;
using fixtures::ReceivedDrop;

std::string UniqueCaption()
{
    return "Media Memory " + std::to_string(GetCurrentProcessId());
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
    DropReceiver manager(caption, 2);
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
        fixtures::ForgetDrops();
        EXPECT_EQ(c.expected, FindDropTarget(caption, c.child, c.externalMem));
        ASSERT_EQ(DropOutcome::kPosted,
                  DropOnWindow(caption, c.child, c.externalMem, {"C:\\a\\1.mp3"}));
        ExpectPointerAt(ScreenPointOf(c.expected, kDropPointX, kDropPointY));
        DeliverPostedMessages();
        ASSERT_EQ(1u, DropsReceived());
        ASSERT_EQ(1u, DropsReceivedBy(c.expected).size());
        EXPECT_EQ(std::vector<std::string>{"C:\\a\\1.mp3"}, DropsReceivedBy(c.expected)[0].paths);
    }
}

TEST(DropOnWindow, BlockCarriesThePathsInTheOrderGivenOrNone)
{
    const std::string caption = UniqueCaption();
    DropReceiver manager(caption, 2);
    const std::vector<std::string> paths = {"D:\\b\\3.mp3", "C:\\a\\1.mp3", "C:\\a\\2.mp3"};
    ASSERT_EQ(DropOutcome::kPosted, DropOnWindow(caption, 2, false, paths));
    ASSERT_EQ(DropOutcome::kPosted, DropOnWindow(caption, 2, false, {}));
    DeliverPostedMessages();
    const std::vector<ReceivedDrop> drops = DropsReceivedBy(manager.Child(1));
    ASSERT_EQ(2u, drops.size());
    EXPECT_EQ(paths, drops[0].paths);
    EXPECT_EQ(MakeDropBlock(paths), drops[0].bytes);
    EXPECT_TRUE(drops[0].inClientArea);
    EXPECT_EQ(kDropPointX, drops[0].point.x);
    EXPECT_EQ(kDropPointY, drops[0].point.y);
    // Only the bytes of an empty list: Wine's DragQueryFileA counts one file in it.
    EXPECT_EQ(MakeDropBlock({}), drops[1].bytes);
}

TEST(DropOnWindow, NoTargetWhenTheWindowOrTheChildIsMissing)
{
    const std::string caption = UniqueCaption();
    const POINT rest = {33, 44};
    ASSERT_TRUE(SetCursorPos(rest.x, rest.y));
    EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow(caption, 2, true, {"C:\\a\\1.mp3"}));
    {
        DropReceiver childless(caption, 0);
        EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow(caption, 1, true, {"C:\\a\\1.mp3"}));
        EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow(caption, 2, true, {"C:\\a\\1.mp3"}));
    }
    {
        DropReceiver oneChild(caption, 1);
        EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow(caption, 2, false, {"C:\\a\\1.mp3"}));
        // An empty caption names no window, not the first untitled one.
        DropReceiver untitled("", 0);
        EXPECT_EQ(DropOutcome::kNoTarget, DropOnWindow("", 0, false, {"C:\\a\\1.mp3"}));
        DeliverPostedMessages();
        EXPECT_EQ(0u, DropsReceived());
    }
    ExpectPointerAt(rest);
}

// The receiver, a UTF-8 program like this one, reads both kinds of block with
// DragQueryFileA; the legacy code page here is Windows-1252.
TEST(DropOnWindow, NamesGoInTheLegacyCodePageUnlessOneDoesNotFitThere)
{
    const std::string caption = UniqueCaption();
    DropReceiver manager(caption, 0);
    const std::string hoer = "C:\\h\xC3\xB6r.mp3", nichi = "C:\\\xE6\x97\xA5.mp3";
    ASSERT_EQ(DropOutcome::kPosted, DropOnWindow(caption, 0, true, {hoer, "C:\\a.mp3"}));
    ASSERT_EQ(DropOutcome::kPosted, DropOnWindow(caption, 0, true, {hoer, nichi}));
    DeliverPostedMessages();
    const std::vector<ReceivedDrop> drops = DropsReceivedBy(manager.Window());
    ASSERT_EQ(2u, drops.size());
    EXPECT_EQ(MakeDropBlock({"C:\\h\xF6r.mp3", "C:\\a.mp3"}), drops[0].bytes);
    EXPECT_EQ(MakeWideDropBlock({u"C:\\h\u00F6r.mp3", u"C:\\\u65E5.mp3"}), drops[1].bytes);
    EXPECT_EQ((std::vector<std::string>{hoer, nichi}), drops[1].paths);
}
