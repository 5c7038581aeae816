#include "cli/Capacity.h"

#include "platform/NameCompare.h"
#include "settings/DecimalText.h"

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

}  // namespace

bool ParseCapacity(const std::string& text, Capacity& capacity, std::string& problem)
{
    capacity = Capacity();
    if (platform::FoldAsciiCase(text) == "free") {
        capacity.isFreeSpace = true;
        return true;
    }
    const char kDigits[] = "0123456789";
    // The shape first: digits, a "." and decimals, a unit.
    const std::size_t wholeEnd = std::min(text.find_first_not_of(kDigits), text.size());
    std::size_t numberEnd = wholeEnd;
    if (numberEnd < text.size() && text[numberEnd] == '.')
        numberEnd = std::min(text.find_first_not_of(kDigits, numberEnd + 1), text.size());
    const int decimals = numberEnd > wholeEnd ? static_cast<int>(numberEnd - wholeEnd - 1) : 0;
    const std::string unitName = platform::FoldAsciiCase(text.substr(numberEnd));
    const Unit* unit = std::find_if(std::begin(kUnits), std::end(kUnits),
                                    [&](const Unit& known) { return unitName == known.name; });
    if (wholeEnd == 0 || (numberEnd > wholeEnd && decimals == 0) || unit == std::end(kUnits)) {
        problem = "\"" + text + "\" is no size: give a number with K, M, G, T, KiB, MiB, GiB or "
                  "TiB (for example 4G or 3.7GiB), or free";
        return false;
    }
    if (decimals > kMaxDecimals) {
        problem = "\"" + text + "\": at most six decimals";
        return false;
    }
    std::size_t at = 0;
    uint64_t whole = 0, fraction = 0, scale = 1;
    int digits = 0;
    const bool inRange = ReadDigits(text, at, kMaxBytes / unit->bytes, whole, digits);
    at = wholeEnd + 1;
    if (decimals > 0)
        ReadDigits(text, at, 999999, fraction, digits);
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    // A fraction under 10^6 times a unit of at most 2^40 stays far below 2^64.
    capacity.bytes = whole * unit->bytes + fraction * unit->bytes / scale;
    if (!inRange || CapacityKB(capacity.bytes) == 0 || capacity.bytes > kMaxBytes) {
        problem = "\"" + text + "\" is outside the 1 to " + std::to_string(kMaxCapacityKB) +
                  " KB a sample can count";
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
