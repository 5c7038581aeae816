// The Drop on Rio button: the list view's files dropped on a stand-in for the
// player manager, made in this process since Wine carries no drop block to
// another one.
#include "MainDlgHarness.h"

#include "support/DropReceiver_win32.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fixtures::DeliverPostedMessages;
using fixtures::DropReceiver;
using fixtures::ReceivedDrop;

std::string UniqueCaption()
{
    return "Memory " + std::to_string(GetCurrentProcessId());
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
std::vector<ReceivedDrop> DropAndCollect(HWND dialog, HWND target)
{
    fixtures::ForgetDrops();
    ClickButton(dialog, IDC_DROP_ON_RIO);
    DeliverPostedMessages();
    const std::vector<ReceivedDrop> received = fixtures::DropsReceivedBy(target);
    EXPECT_EQ(received.size(), fixtures::DropsReceived());
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
        harness.WriteQuietIni({"Caption=" + caption, "Child=" + std::to_string(child)});
        harness.prompts.fileAnswers = {std::vector<std::string>{a, b, c},
                                       std::vector<std::string>{d}};
        DropReceiver memory(caption, 2);
        const HWND internalTarget = child == 0 ? memory.Window() : memory.Child(child == 2 ? 1 : 0);
        const HWND externalTarget = child == 0 ? memory.Window() : memory.Child(0);
        harness.Run([&](HWND dialog) {
            ClickButton(dialog, IDC_SELECT);
            ClickHeader(dialog, 1);  // largest first
            const std::vector<std::string> rows = {b, c, a};
            std::vector<ReceivedDrop> received = DropAndCollect(dialog, internalTarget);
            ASSERT_EQ(1u, received.size());
            EXPECT_EQ(rows, received[0].paths);
            EXPECT_EQ(BlockSizeFor(rows), received[0].bytes.size());

            ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
            ClickButton(dialog, IDC_SELECT);
            received = DropAndCollect(dialog, externalTarget);
            ASSERT_EQ(1u, received.size());
            EXPECT_EQ(std::vector<std::string>{d}, received[0].paths);
            EXPECT_EQ(BlockSizeFor({d}), received[0].bytes.size());
            ClickButton(dialog, IDCANCEL);
        });
        // The files dropped are recorded, in the order they went.
        EXPECT_EQ((std::vector<std::string>{b, c, a, d}), harness.HistoryPaths());
    }
}

TEST(DropCommand, MissingWindowOrChildIsReportedAndNothingDropped)
{
    MainDlgHarness harness;
    const std::string caption = UniqueCaption();
    harness.WriteQuietIni({"Caption=" + caption});
    harness.prompts.messageAnswers = {IDOK, IDOK};
    harness.Run([&](HWND dialog) {
        ClickButton(dialog, IDC_DROP_ON_RIO);  // no such window
        {
            DropReceiver memory(caption, 1);
            ClickButton(dialog, IDC_DROP_ON_RIO);  // internal view: no second child
            DeliverPostedMessages();
            EXPECT_EQ(0u, fixtures::DropsReceived());
            // The external view takes the first child; an empty list still drops.
            ToggleCheckBox(dialog, IDC_EXTERNAL_MEM);
            const std::vector<ReceivedDrop> received = DropAndCollect(dialog, memory.Child(0));
            ASSERT_EQ(1u, received.size());
            EXPECT_EQ(BlockSizeFor({}), received[0].bytes.size());
        }
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(std::vector<std::string>{}, harness.HistoryPaths());  // nothing was dropped
    ASSERT_EQ(2u, harness.prompts.calls.size());
    for (const PromptCall& call : harness.prompts.calls) {
        EXPECT_EQ(kCannotFind, call.strText);
        EXPECT_EQ(static_cast<unsigned>(MB_TOPMOST | MB_ICONEXCLAMATION), call.nStyle);
    }
}
