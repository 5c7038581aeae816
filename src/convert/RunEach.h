#pragma once
#include <cstddef>
#include <functional>

// Does `work(index)` for every index below `count`, on `threads` threads at once
// (at least one), each index once, while the calling thread calls `tick(done)`
// about ten times a second and once at the end. When `tick` answers false, the
// work not begun yet is skipped; the work begun is waited for.
void RunEach(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work,
             const std::function<bool(std::size_t)>& tick);
