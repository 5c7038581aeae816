#include "output/FileInHand.h"

#include "platform/SignalSafe.h"

#include <atomic>
#include <csignal>
#include <cstring>

namespace {

// A handler may read only what no one is writing: the path is complete before
// it is marked as recorded, and unmarked before it changes (one file is in hand
// at a time).
char g_path[4096];
volatile std::sig_atomic_t g_recorded = 0;

}  // namespace

CFileInHand::CFileInHand(const std::string& path)
{
    if (path.size() >= sizeof g_path)
        return;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    std::memcpy(g_path, path.c_str(), path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    g_recorded = 1;
}

CFileInHand::~CFileInHand()
{
    g_recorded = 0;
}

extern "C" void EndOnSignal(int signal)
{
    if (g_recorded)
        platform::RemoveFileFromHandler(g_path);
    platform::EndAsSignalled(signal);
}
