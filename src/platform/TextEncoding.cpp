#include "platform/TextEncoding.h"

namespace platform {
namespace {

// A character of four UTF-8 bytes lies beyond U+FFFF and takes a surrogate pair.
std::size_t Utf16UnitsOf(std::size_t utf8Length)
{
    return utf8Length == 4 ? 2 : 1;
}

}  // namespace

std::size_t Utf8CharLength(const std::string& text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;  // overlong below
        else if (lead == 0xED)
            high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;  // past U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - at < length || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

bool IsValidUtf8(const std::string& text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8CharLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::size_t WholeCharsPrefix(const std::string& text, std::size_t bytes)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t length = Utf8CharLength(text, at);
        const std::size_t next = at + (length == 0 ? 1 : length);
        if (next > bytes)
            break;
        at = next;
    }
    return at;
}

std::size_t Utf16UnitsPrefix(const std::string& text, std::size_t units)
{
    std::size_t at = 0, counted = 0;
    while (at < text.size()) {
        const std::size_t length = Utf8CharLength(text, at);
        counted += Utf16UnitsOf(length);
        if (counted > units)
            break;
        at += length == 0 ? 1 : length;
    }
    return at;
}

std::size_t Utf16Length(const std::string& text)
{
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8CharLength(text, at);
        units += Utf16UnitsOf(length);
        at += length == 0 ? 1 : length;
    }
    return units;
}

}  // namespace platform
