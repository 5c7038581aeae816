#pragma once
#include <cstdint>
#include <string>

// A capacity as people give it: a size in the units disks and shops use, or the
// destination's free space.
struct Capacity {
    bool isFreeSpace = false;  // the destination's free space; `bytes` unused
    uint64_t bytes = 0;
};

// The largest capacity in KB that a draw can count.
constexpr uint64_t kMaxCapacityKB = 0xFFFFFFFFu;

// "free", or a number (at most six decimals after a ".") with a unit: K, M, G, T
// (powers of 1000, also KB..TB) or KiB, MiB, GiB, TiB (powers of 1024), in any
// case. False, with `problem` saying why, for anything else, and for a size
// under 1 KB or over kMaxCapacityKB, which a sample cannot count.
bool ParseCapacity(const std::string& text, Capacity& capacity, std::string& problem);

// `bytes` in KB of 1000 bytes, rounded down, at most kMaxCapacityKB.
uint32_t CapacityKB(uint64_t bytes);

// What a run may fill of a destination's `freeBytes`: a thousandth of it, and at
// least sixteen allocation units, stay free for the folder's own entries, the
// playlist and the file system's records of the new files.
uint64_t FillableBytes(uint64_t freeBytes, uint32_t allocationUnit);
