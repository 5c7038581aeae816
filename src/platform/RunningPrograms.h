#pragma once
#include <atomic>
#include <cstddef>

// The programs RunProgram runs now, in slots that a signal handler reads in one
// step each. ProgramsAtOnce never asks for more runs than there are slots; a
// run beyond them is stopped at once.
namespace platform {

constexpr std::size_t kRunningProgramSlots = 64;

template <typename Handle>
class CRunningPrograms {
public:
    // The slot now holding `handle`, or kRunningProgramSlots when all are taken.
    std::size_t Hold(Handle handle)
    {
        for (std::size_t slot = 0; slot < kRunningProgramSlots; ++slot) {
            Handle empty{};
            if (m_arrSlots[slot].compare_exchange_strong(empty, handle))
                return slot;
        }
        return kRunningProgramSlots;
    }
    void Release(std::size_t slot) { m_arrSlots[slot] = Handle{}; }
    // Calls `stop` for every program held.
    template <typename Stop>
    void StopAll(Stop stop)
    {
        for (std::atomic<Handle>& slot : m_arrSlots) {
            if (const Handle handle = slot.load())
                stop(handle);
        }
    }

private:
    std::atomic<Handle> m_arrSlots[kRunningProgramSlots]{};
};

}  // namespace platform
