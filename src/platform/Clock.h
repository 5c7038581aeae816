#pragma once
#include <cstdint>

// The one clock of the program: every age, day filter, history time and fresh
// seed counts from it.
namespace platform {

constexpr int64_t kSecondsPerDay = 86400;

// The current time in seconds since 1970, UTC.
int64_t UtcNow();

}  // namespace platform
