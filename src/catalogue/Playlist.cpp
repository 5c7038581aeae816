#include "catalogue/Playlist.h"

#include "catalogue/NameCompare.h"
#include "platform/FileSystem.h"
#include "platform/TextEncoding.h"

#include <cctype>
#include <cstring>

namespace {

// A line buffer of 260 characters holds at most 259 of a line per read; a longer
// line is handled as several, cut between characters, never inside one.
const std::size_t kPieceLength = 259;

// Bytes looked at before a line is cut: enough for a "file:" URI that spells
// every character of a path of the longest length in escapes ("%E6%97%A5").
const std::size_t kLookahead = 9 * kPieceLength + 3;

bool StartsWithFolded(const std::string& text, const char* prefix)
{
    const std::size_t length = std::strlen(prefix);
    return text.size() >= length && FoldAsciiCase(text.substr(0, length)) == prefix;
}

int NextTextChar(std::FILE* file)
{
    const int c = std::getc(file);
    if (c != '\r')
        return c;
    const int next = std::getc(file);
    if (next == '\n')
        return '\n';
    if (next != EOF)
        std::ungetc(next, file);
    return '\r';
}

// The file's text with a line of lookahead, so that a line can be cut between
// two characters and a URI line can be taken whole.
class LineReader {
public:
    explicit LineReader(std::FILE* file) : m_file(file)
    {
        Fill();
        if (m_text.compare(0, 3, "\xEF\xBB\xBF") == 0)
            m_text.erase(0, 3);
    }

    // The next piece: the rest of the line when it is a URI, else at most
    // kPieceLength characters of it, the line feed included when it fits. False
    // at the end and on a read error, whose partial line is dropped.
    bool Next(std::string& piece)
    {
        Fill();
        if (std::ferror(m_file) || m_text.empty())
            return false;
        const std::size_t lineFeed = m_text.find('\n');
        std::size_t end = 0;
        if (lineFeed != std::string::npos && IsUri(m_text.substr(0, lineFeed)))
            end = lineFeed + 1;
        else
            end = PieceEnd();
        piece = m_text.substr(0, end);
        m_text.erase(0, end);
        // The line is a C string to the rest of the program: a NUL byte ends it.
        piece.resize(std::strlen(piece.c_str()));
        return true;
    }

private:
    void Fill()
    {
        while (m_text.size() < kLookahead && m_text.find('\n') == std::string::npos) {
            const int c = NextTextChar(m_file);
            if (c == EOF)
                return;
            m_text.push_back(static_cast<char>(c));
        }
    }

    // Characters count as Windows counts them in a path; a byte that begins no
    // UTF-8 character is a character of legacy text.
    std::size_t PieceEnd() const
    {
        std::size_t units = 0, at = 0;
        while (at < m_text.size()) {
            const std::size_t length = platform::Utf8CharLength(m_text, at);
            const std::size_t cost = length == 4 ? 2 : 1;
            if (units + cost > kPieceLength)
                break;
            units += cost;
            at += length == 0 ? 1 : length;
            if (m_text[at - 1] == '\n')
                break;
        }
        return at;
    }

    static bool IsUri(const std::string& line)
    {
        const std::string::size_type start = line.find_first_not_of(' ');
        return start != std::string::npos && StartsWithFolded(line.substr(start), "file:");
    }

    std::FILE* m_file;
    std::string m_text;
};

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string PercentDecoded(const std::string& text)
{
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low < 0) {
            decoded.push_back(text[i]);
            continue;
        }
        decoded.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return decoded;
}

// The path a "file:" URI names: "file:///C:/a%20b.mp3" is "C:/a b.mp3",
// "file://server/share/x.mp3" is "//server/share/x.mp3", and a host of
// "localhost" is this machine.
std::string PathOfFileUri(const std::string& uri)
{
    std::string rest = uri.substr(5);
    if (rest.compare(0, 2, "//") == 0) {
        const std::string::size_type slash = rest.find('/', 2);
        const std::string host = rest.substr(2, slash == std::string::npos ? slash : slash - 2);
        const std::string path = slash == std::string::npos ? std::string() : rest.substr(slash);
        rest = host.empty() || FoldAsciiCase(host) == "localhost" ? path : "//" + host + path;
    }
    rest = PercentDecoded(rest);
    // "/C:/x" and the older "/C|/x" name a drive.
    if (rest.size() >= 3 && rest[0] == '/' && std::isalpha(static_cast<unsigned char>(rest[1])) &&
        (rest[2] == ':' || rest[2] == '|')) {
        rest.erase(0, 1);
        rest[1] = ':';
    }
    return rest;
}

// "scheme://" with a scheme of two or more letters; one letter is a drive.
bool IsOtherUrl(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) ||
                               text[i] == '+' || text[i] == '-' || text[i] == '.'))
        ++i;
    return i >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) &&
           text.compare(i, 3, "://") == 0;
}

std::string InProgramCodePage(const std::string& text, PlaylistText kind)
{
    if (kind == PlaylistText::kUtf8 || platform::IsValidUtf8(text))
        return platform::NarrowFromUtf8(text);
    return platform::NarrowFromLegacy(text);
}

}  // namespace

PlaylistText PlaylistTextOf(const std::string& path)
{
    const std::string::size_type dot = path.rfind('.');
    return dot != std::string::npos && FoldAsciiCase(path.substr(dot)) == ".m3u8"
               ? PlaylistText::kUtf8
               : PlaylistText::kMixed;
}

void ReadPlaylistPaths(std::FILE* file, const std::string& baseFolder, PlaylistText kind,
                       const std::function<bool(const std::string&)>& offer)
{
    LineReader reader(file);
    std::string piece;
    while (reader.Next(piece)) {
        const std::string::size_type start = piece.find_first_not_of(' ');
        if (start == std::string::npos)
            return;  // nothing left, not even a line break
        const std::string::size_type end = piece.find_last_not_of(" \n");
        if (end == std::string::npos)
            continue;  // a blank line
        std::string text = piece.substr(start, end + 1 - start);
        if (StartsWithFolded(text, "file:"))
            text = PathOfFileUri(text);
        else if (IsOtherUrl(text))
            continue;  // not a file of this machine
        text = InProgramCodePage(text, kind);
        // A decoded NUL would end the path early and name another file.
        if (text.empty() || text.find('\0') != std::string::npos)
            continue;
        for (char& c : text) {
            if (c == '/')
                c = '\\';
        }
        const bool absolute = text[0] == '\\' || (text.size() > 1 && text[1] == ':');
        std::string path = absolute ? text : baseFolder + text;
        // Cutting a long path would name a different file; leave it out instead.
        if (platform::PathLength(path) > platform::kMaxPathLength)
            continue;
        if (!offer(path))
            return;
    }
}
