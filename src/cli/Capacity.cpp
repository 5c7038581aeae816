#include "cli/Capacity.h"

#include "platform/NameCompare.h"

#include <algorithm>

namespace {

const int kMaxDecimals = 6;
const uint64_t kKiB = 1024;
// The most bytes whose KB a draw can count.
const uint64_t kMaxBytes = kMaxCapacityKB * 1000 + 999;

struct Unit {
    const char* name;
    uint64_t bytes;
};

const Unit kUnits[] = {
    {"k", 1000},          {"kb", 1000},          {"kib", kKiB},
    {"m", 1000000},       {"mb", 1000000},       {"mib", kKiB * kKiB},
    {"g", 1000000000},    {"gb", 1000000000},    {"gib", kKiB * kKiB * kKiB},
    {"t", 1000000000000}, {"tb", 1000000000000}, {"tib", kKiB * kKiB * kKiB * kKiB},
};

// The digits from `at` on as a number, no more than `most`; `at` moves past them.
// False when there are none or they make more than `most`.
bool ReadDigits(const std::string& text, std::string::size_type& at, uint64_t most,
                uint64_t& value, int& digits)
{
    value = 0;
    digits = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits) {
        value = value * 10 + static_cast<uint64_t>(text[at] - '0');
        if (value > most)
            return false;
    }
    return digits > 0;
}

}  // namespace

bool ParseCapacity(const std::string& text, Capacity& capacity, std::string& problem)
{
    capacity = Capacity();
    if (platform::FoldAsciiCase(text) == "free") {
        capacity.isFreeSpace = true;
        return true;
    }
    const std::string tooLarge = "\"" + text + "\" is more than the " +
                                 std::to_string(kMaxCapacityKB) + " KB a sample can count";
    problem = "\"" + text + "\" is no size: give a number with K, M, G, T, KiB, MiB, GiB or TiB "
              "(for example 4G or 3.7GiB), or free";
    std::string::size_type at = 0;
    uint64_t whole = 0, fraction = 0, scale = 1;
    int digits = 0;
    if (!ReadDigits(text, at, kMaxBytes, whole, digits)) {
        if (digits > 0)
            problem = tooLarge;
        return false;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        const bool read = ReadDigits(text, at, kMaxBytes, fraction, digits);
        if (digits > kMaxDecimals) {
            problem = "\"" + text + "\": at most six decimals";
            return false;
        }
        if (!read)
            return false;
        while (digits-- > 0)
            scale *= 10;
    }
    const std::string unitName = platform::FoldAsciiCase(text.substr(at));
    const Unit* unit = std::find_if(std::begin(kUnits), std::end(kUnits),
                                    [&](const Unit& known) { return unitName == known.name; });
    if (unit == std::end(kUnits))
        return false;
    // A fraction under 10^6 times a unit of at most 2^40 stays far below 2^64.
    if (whole > kMaxBytes / unit->bytes) {
        problem = tooLarge;
        return false;
    }
    capacity.bytes = whole * unit->bytes + fraction * unit->bytes / scale;
    if (capacity.bytes > kMaxBytes) {
        problem = tooLarge;
        return false;
    }
    return true;
}

uint32_t CapacityKB(uint64_t bytes)
{
    return static_cast<uint32_t>(std::min<uint64_t>(bytes / 1000, kMaxCapacityKB));
}

uint64_t FillableBytes(uint64_t freeBytes, uint32_t allocationUnit)
{
    const uint64_t kept = std::max<uint64_t>(freeBytes / 1000, uint64_t{16} * allocationUnit);
    return freeBytes > kept ? freeBytes - kept : 0;
}
