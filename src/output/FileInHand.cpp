#include "output/FileInHand.h"

#include "platform/RunProgram.h"
#include "platform/RunningPrograms.h"
#include "platform/SignalSafe.h"

#include <atomic>
#include <cstddef>

namespace {

// A handler reads each pointer in one step, which a lock-free atomic guarantees.
// One slot for each program that may run at once, and one for the save's copy.
const std::size_t kSlots = platform::kRunningProgramSlots + 1;
std::atomic<const char*> g_paths[kSlots]{};
static_assert(std::atomic<const char*>::is_always_lock_free, "a handler may read it");

}  // namespace

CFileInHand::CFileInHand(const std::string& path)
{
    for (std::atomic<const char*>& slot : g_paths) {
        const char* empty = nullptr;
        if (slot.compare_exchange_strong(empty, path.c_str())) {
            m_pSlot = &slot;
            return;
        }
    }
}

CFileInHand::~CFileInHand()
{
    if (m_pSlot != nullptr)
        m_pSlot->store(nullptr);
}

extern "C" void EndOnSignal(int signal)
{
    // The programs writing files go first, so nothing is written after its removal.
    platform::StopRunningPrograms();
    for (std::atomic<const char*>& slot : g_paths) {
        if (const char* path = slot.load())
            platform::RemoveFileFromHandler(path);
    }
    platform::EndAsSignalled(signal);
}
