// Names on POSIX systems are UTF-8 bytes; only text of earlier versions' files
// needs converting, from Windows-1252.
#include "platform/TextEncoding.h"

namespace platform {
namespace {

// The characters of Windows-1252 at 0x80 to 0x9F; 0 where it has none (those
// bytes stand for the C1 control of the same value, as Windows maps them).
const char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::size_t PathLength(const std::string& path)
{
    return Utf16Length(path);
}

std::string NarrowFromLegacy(const std::string& legacy)
{
    std::string out;
    out.reserve(legacy.size() * 2);
    for (const char byte : legacy) {
        const unsigned char c = static_cast<unsigned char>(byte);
        const char16_t high = c >= 0x80 && c < 0xA0 ? kWindows1252High[c - 0x80] : 0;
        AppendUtf8(out, high != 0 ? high : c);
    }
    return out;
}

std::string NarrowFromUtf8(const std::string& utf8)
{
    return utf8;
}

}  // namespace platform
