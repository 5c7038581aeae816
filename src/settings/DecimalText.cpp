#include "settings/DecimalText.h"

#include <climits>
#include <cstdint>

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
    const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    int64_t total = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        total = total * 10 + (text[i] - '0');
        if (total > limit) {
            total = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -total : total);
}

int NumberFromText(const std::string& text)
{
    return DecimalPrefix(text.substr(0, 98));
}
