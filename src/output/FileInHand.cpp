#include "output/FileInHand.h"

#include "platform/SignalSafe.h"

#include <atomic>

namespace {

// A handler reads the pointer in one step, which a lock-free atomic guarantees.
std::atomic<const char*> g_path{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free, "a handler may read it");

}  // namespace

CFileInHand::CFileInHand(const std::string& path)
{
    g_path = path.c_str();
}

CFileInHand::~CFileInHand()
{
    g_path = nullptr;
}

extern "C" void EndOnSignal(int signal)
{
    if (const char* path = g_path)
        platform::RemoveFileFromHandler(path);
    platform::EndAsSignalled(signal);
}
