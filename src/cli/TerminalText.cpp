#include "cli/TerminalText.h"

#include "platform/TextEncoding.h"

#include <vector>

namespace {

char32_t CodePoint(const std::string& text, std::size_t at, std::size_t length)
{
    static const unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = static_cast<unsigned char>(text[at]) & kLeadBits[length];
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return c;
}

bool IsWide(char32_t c)
{
    static const char32_t kWideRanges[][2] = {
        {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF}, {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},
        {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F},
        {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD}};
    for (const auto& range : kWideRanges) {
        if (c >= range[0] && c <= range[1])
            return true;
    }
    return false;
}

// Where each character of printable text starts, and the columns it takes.
struct Character {
    std::size_t at;
    std::size_t columns;
};

std::vector<Character> Characters(const std::string& printable)
{
    std::vector<Character> characters;
    for (std::size_t at = 0; at < printable.size();) {
        const std::size_t length = platform::Utf8CharLength(printable, at);
        characters.push_back({at, IsWide(CodePoint(printable, at, length)) ? 2u : 1u});
        at += length;
    }
    return characters;
}

// The longest start of `printable` that takes at most `width` columns.
std::string ColumnsPrefix(const std::string& printable, std::size_t width)
{
    std::size_t columns = 0;
    for (const Character& character : Characters(printable)) {
        columns += character.columns;
        if (columns > width)
            return printable.substr(0, character.at);
    }
    return printable;
}

// The longest end of `printable` that takes at most `width` columns.
std::string ColumnsSuffix(const std::string& printable, std::size_t width)
{
    const std::vector<Character> characters = Characters(printable);
    std::size_t columns = 0, start = printable.size();
    for (auto character = characters.rbegin(); character != characters.rend(); ++character) {
        columns += character->columns;
        if (columns > width)
            break;
        start = character->at;
    }
    return printable.substr(start);
}

std::string PrintableText(const std::string& text)
{
    std::string printable;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = platform::Utf8CharLength(text, at);
        const char32_t c = length == 0 ? 0 : CodePoint(text, at, length);
        // C0 and C1 controls, DEL, and bytes of no character.
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            printable += '?';
        else
            printable.append(text, at, length);
        at += length == 0 ? 1 : length;
    }
    return printable;
}

}  // namespace

std::string FitLine(const std::string& head, const std::string& path, const std::string& tail,
                    std::size_t width)
{
    const std::string shown = PrintableText(path);
    const std::size_t around = LineColumns(head) + LineColumns(tail);
    if (around + LineColumns(shown) <= width)
        return head + shown + tail;
    const std::size_t room = width > around + 3 ? width - around - 3 : 0;
    // On a terminal too narrow even for head and tail, the line's start stays.
    return ColumnsPrefix(head + "..." + ColumnsSuffix(shown, room) + tail, width);
}

std::size_t LineColumns(const std::string& line)
{
    std::size_t columns = 0;
    for (const Character& character : Characters(line))
        columns += character.columns;
    return columns;
}
