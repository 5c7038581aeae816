#include "platform/Clock.h"

#include <ctime>

namespace platform {

int64_t UtcNow()
{
    return static_cast<int64_t>(std::time(nullptr));
}

}  // namespace platform
