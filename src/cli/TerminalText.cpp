#include "cli/TerminalText.h"

#include "platform/TerminalColumns.h"
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
        // A byte that begins no character takes the one column of the mark shown
        // in its place.
        const int columns =
            length == 0 ? 1 : platform::TerminalColumns(CodePoint(printable, at, length));
        // A mark stays with the character it joins: no line is cut between them.
        if (columns > 0 || characters.empty())
            characters.push_back({at, static_cast<std::size_t>(columns)});
        at += length == 0 ? 1 : length;
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
