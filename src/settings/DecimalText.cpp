#include "settings/DecimalText.h"

#include <algorithm>
#include <climits>
#include <cstdint>

bool ReadDigits(const std::string& text, std::size_t& at, uint64_t most, uint64_t& value,
                int& digits)
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

int DecimalPrefix(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const uint64_t limit = negative ? uint64_t{1} + INT_MAX : INT_MAX;
    uint64_t total = 0;
    int digits = 0;
    ReadDigits(text, i, limit, total, digits);
    total = std::min(total, limit);
    return static_cast<int>(negative ? -static_cast<int64_t>(total) : static_cast<int64_t>(total));
}

int NumberFromText(const std::string& text)
{
    return DecimalPrefix(text.substr(0, 98));
}
