#include "platform/IniFile.h"

#include "platform/NameCompare.h"
#include "platform/TextEncoding.h"
#include "platform/WholeFile.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

namespace {

// The buffer sizes the Windows functions read into: a string read of ours and
// the one inside GetPrivateProfileInt.
const std::size_t kStringBuffer = 4096;
const std::size_t kIntBuffer = 30;

const char kLineEnd[] = "\r\n";

struct Line {
    std::size_t begin;
    std::size_t contentEnd;  // where the line end starts
    std::size_t end;         // after the line end
};

enum class Kind { Other, Section, Key };

struct Entry {
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

bool IsBlank(char c)
{
    // Ctrl-Z ends the text of files from old editors.
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAsciiChar(a[i]) != FoldAsciiChar(b[i]))
            return false;
    }
    return true;
}

std::vector<Line> SplitLines(const std::string& text)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t stop = text.find_first_of("\r\n", pos);
        Line line{pos, stop == std::string::npos ? text.size() : stop, text.size()};
        if (stop != std::string::npos) {
            const bool crlf = text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n';
            line.end = stop + (crlf ? 2 : 1);
        }
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

Entry ParseLine(const std::string& text, const Line& line)
{
    std::string_view content(text.data() + line.begin, line.contentEnd - line.begin);
    static const std::string_view kByteOrderMark("\xEF\xBB\xBF");
    if (line.begin == 0 && content.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        content.remove_prefix(kByteOrderMark.size());
    content = Trim(content);

    Entry entry;
    if (content.empty() || content.front() == ';')
        return entry;
    if (content.front() == '[') {
        const std::size_t close = content.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            entry.kind = Kind::Section;
            entry.name = Trim(content.substr(1, close - 1));
        }
        return entry;
    }
    const std::size_t equals = content.find('=');
    if (equals != std::string_view::npos) {
        entry.kind = Kind::Key;
        entry.name = Trim(content.substr(0, equals));
        entry.value = Trim(content.substr(equals + 1));
    }
    return entry;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The file's text; empty when it is missing or cannot be read.
std::string FileText(const std::string& path)
{
    std::string text;
    return ReadWholeFile(path, text) ? text : std::string();
}

// What a Windows string read with a buffer of `bufferSize` characters returns.
std::string ReadCut(const std::string& text, const std::string& section, const std::string& key,
                    const std::string& fallback, std::size_t bufferSize)
{
    std::string value;
    if (!FindIniValue(text, section, key, value)) {
        // Windows drops the trailing blanks of a default value.
        value = fallback;
        while (!value.empty() && value.back() == ' ')
            value.pop_back();
    }
    // The buffer counts characters, as the wide functions beneath the narrow
    // ones do, and a character is never cut in half.
    value.resize(Utf16UnitsPrefix(value, bufferSize - 1));
    return value;
}

}  // namespace

bool FindIniValue(const std::string& text, const std::string& section, const std::string& key,
                  std::string& value)
{
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    bool inSection = false;
    bool sectionFound = false;
    for (const Line& line : SplitLines(text)) {
        const Entry entry = ParseLine(text, line);
        if (entry.kind == Kind::Section) {
            // Only the first section of a name counts.
            if (sectionFound)
                return false;
            inSection = SameName(entry.name, sectionName);
            sectionFound = inSection;
        } else if (entry.kind == Kind::Key && inSection && SameName(entry.name, keyName)) {
            value = std::string(Unquote(entry.value));
            return true;
        }
    }
    return false;
}

std::string WithIniValue(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value)
{
    const std::string sectionName(Trim(section));
    const std::string keyName(Trim(key));
    const std::vector<Line> lines = SplitLines(text);

    bool inSection = false;
    const Line* lastOfSection = nullptr;  // its last line that is not blank
    for (const Line& line : lines) {
        const Entry entry = ParseLine(text, line);
        if (entry.kind == Kind::Section) {
            // Only the first section of a name counts.
            if (lastOfSection != nullptr)
                break;
            inSection = SameName(entry.name, sectionName);
            if (inSection)
                lastOfSection = &line;
            continue;
        }
        if (!inSection)
            continue;
        // The key keeps its spelling from the file; only the value changes.
        if (entry.kind == Kind::Key && SameName(entry.name, keyName))
            return text.substr(0, line.begin) + std::string(entry.name) + "=" + value + kLineEnd +
                   text.substr(line.end);
        if (!Trim(std::string_view(text).substr(line.begin, line.contentEnd - line.begin)).empty())
            lastOfSection = &line;
    }

    const std::string written = keyName + "=" + value + kLineEnd;
    if (lastOfSection != nullptr) {
        const Line& after = *lastOfSection;
        const std::string lineEnd = after.end == after.contentEnd ? kLineEnd : "";
        return text.substr(0, after.end) + lineEnd + written + text.substr(after.end);
    }
    std::string result = text;
    if (!result.empty() && result.back() != '\n' && result.back() != '\r')
        result += kLineEnd;
    return result + "[" + sectionName + "]" + kLineEnd + written;
}

bool IsStorableIniEntry(const std::string& section, const std::string& key,
                        const std::string& value)
{
    const auto breaksLines = [](const std::string& s) {
        return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
    };
    if (Trim(section).empty() || Trim(key).empty())
        return false;
    if (breaksLines(section) || breaksLines(key) || breaksLines(value))
        return false;
    return key.find('=') == std::string::npos && section.find(']') == std::string::npos &&
           Trim(key).front() != ';' && Trim(key).front() != '[';
}

int IniIntFromText(const std::string& value, int fallback)
{
    if (value.empty())
        return fallback;
    std::size_t i = 0;
    while (i < value.size() && static_cast<unsigned char>(value[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i + 1 < value.size() && value[i] == '0') {
        const char prefix = value[i + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10)
            i += 2;
    }
    uint32_t total = 0;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        unsigned digit = 36;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'z')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'Z')
            digit = static_cast<unsigned>(c - 'A' + 10);
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    if (negative)
        total = 0u - total;
    return static_cast<int>(total);
}

std::string IniTextString(const std::string& text, const std::string& section,
                          const std::string& key, const std::string& fallback)
{
    return ReadCut(text, section, key, fallback, kStringBuffer);
}

int IniTextInt(const std::string& text, const std::string& section, const std::string& key,
               int fallback)
{
    return IniIntFromText(ReadCut(text, section, key, std::string(), kIntBuffer), fallback);
}

std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& fallback)
{
    return IniTextString(FileText(path), section, key, fallback);
}

int IniReadInt(const std::string& path, const std::string& section, const std::string& key,
               int fallback)
{
    return IniTextInt(FileText(path), section, key, fallback);
}

bool IniWriteString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value)
{
    if (!IsStorableIniEntry(section, key, value))
        return false;
    std::string text;
    if (!ReadWholeFile(path, text))
        return false;
    const std::string updated = WithIniValue(text, section, key, value);
    if (updated == text)
        return CanWriteFile(path);
    return static_cast<bool>(WriteWholeFile(path, updated));
}

}  // namespace platform
