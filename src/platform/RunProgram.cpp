#include "platform/RunProgram.h"

#include "platform/RunningPrograms.h"

#include <algorithm>
#include <thread>

namespace platform {

unsigned ProgramsAtOnce()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp<unsigned>(cores, 1, kRunningProgramSlots);
}

}  // namespace platform
