#include "catalogue/Playlist.h"

#include "catalogue/FileUri.h"
#include "platform/FileSystem.h"
#include "platform/NameCompare.h"
#include "platform/Paths.h"
#include "platform/TextEncoding.h"

#include <algorithm>
#include <cstring>

namespace {

// A line buffer of 260 characters holds at most 259 of a line per read; a longer
// line is handled as several, cut between characters, never inside one.
const std::size_t kPieceLength = 259;

// Bytes looked at before a line is cut: enough for a "file:" URI that spells
// every character of a path of the longest length in escapes ("%E6%97%A5").
const std::size_t kLookahead = 9 * kPieceLength + 3;

// A "file:" URI line is read whole, never cut; one of more bytes than this (its
// line feed aside) names no path within the limit, blanks aside, and is passed
// over, so memory stays bounded.
const std::size_t kLongestUriLine = 1 << 16;

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
    // A UTF-8 byte order mark is no part of the first line.
    explicit LineReader(std::FILE* file) : m_pFile(file)
    {
        while (m_strText.size() < 3 && m_strText.find('\n') == std::string::npos) {
            const int c = NextTextChar(m_pFile);
            if (c == EOF)
                break;
            m_strText.push_back(static_cast<char>(c));
        }
        if (m_strText == "\xEF\xBB\xBF")
            m_strText.clear();
    }

    // The next piece: the rest of the line when it is a URI, else at most
    // kPieceLength characters of it, the line feed included when it fits. An
    // over-long URI line reads as a blank line. False at the end and on a read
    // error, whose partial line is dropped.
    bool Next(std::string& piece)
    {
        Fill();
        if (std::ferror(m_pFile) || m_strText.empty())
            return false;
        if (m_bOverlong) {
            m_bOverlong = false;
            m_strText = "\n";
        }
        const std::size_t end = IsUri(m_strText) ? m_strText.size() : PieceEnd();
        piece = m_strText.substr(0, end);
        m_strText.erase(0, end);
        // The line is a C string to the rest of the program: a NUL byte ends it.
        piece.resize(std::strlen(piece.c_str()));
        return true;
    }

private:
    // Up to the end of the line in hand (the text never holds more), or
    // kLookahead bytes of it; a URI line to its end, keeping kLongestUriLine
    // bytes at most.
    void Fill()
    {
        while (m_strText.size() < kLookahead) {
            if (!m_strText.empty() && m_strText.back() == '\n')
                return;
            const int c = NextTextChar(m_pFile);
            if (c == EOF)
                return;
            m_strText.push_back(static_cast<char>(c));
        }
        if (m_strText.back() == '\n' || !IsUri(m_strText))
            return;
        for (int c; (c = NextTextChar(m_pFile)) != EOF;) {
            if (c != '\n' && m_strText.size() == kLongestUriLine)
                m_bOverlong = true;
            else
                m_strText.push_back(static_cast<char>(c));
            if (c == '\n')
                return;
        }
    }

    // Characters count as Windows counts them in a path; a byte that begins no
    // UTF-8 character is a character of legacy text.
    std::size_t PieceEnd() const
    {
        std::size_t units = 0, at = 0;
        while (at < m_strText.size()) {
            const std::size_t length = platform::Utf8CharLength(m_strText, at);
            const std::size_t cost = length == 4 ? 2 : 1;
            if (units + cost > kPieceLength)
                break;
            units += cost;
            at += length == 0 ? 1 : length;
            if (m_strText[at - 1] == '\n')
                break;
        }
        return at;
    }

    static bool IsUri(const std::string& line)
    {
        const std::string::size_type start = line.find_first_not_of(' ');
        return start != std::string::npos && IsFileUri(line.substr(start));
    }

    std::FILE* m_pFile;
    std::string m_strText;
    bool m_bOverlong = false;  // the URI line in hand was passed over
};

std::string InProgramCodePage(const std::string& text, PlaylistText kind)
{
    if (kind == PlaylistText::kUtf8 || platform::IsValidUtf8(text))
        return platform::NarrowFromUtf8(text);
    return platform::NarrowFromLegacy(text);
}

// The line's text as a path, offered unless no file can bear it.
PathOffer OfferPath(const std::string& text, const std::string& baseFolder,
                    const std::function<PathOffer(const std::string&)>& offer)
{
    // A decoded NUL would end the path early and name another file.
    if (text.empty() || text.find('\0') != std::string::npos)
        return PathOffer::kNamedNoFile;
    const std::string name = platform::SystemSeparators(text);
    const std::string path = platform::IsAbsolutePath(name) ? name : baseFolder + name;
    // Cutting a long path would name a different file; leave it out instead.
    if (platform::PathLength(path) > platform::kMaxPathLength)
        return PathOffer::kNamedNoFile;
    return offer(path);
}

}  // namespace

PlaylistText PlaylistTextOf(const std::string& path)
{
    const std::string::size_type dot = path.rfind('.');
    return dot != std::string::npos && platform::FoldAsciiCase(path.substr(dot)) == ".m3u8"
               ? PlaylistText::kUtf8
               : PlaylistText::kMixed;
}

int ReadPlaylistPaths(std::FILE* file, const std::string& baseFolder, PlaylistText kind,
                      const std::function<PathOffer(const std::string&)>& offer)
{
    LineReader reader(file);
    std::string piece;
    int namedNoFile = 0;
    while (reader.Next(piece)) {
        const std::string::size_type start = piece.find_first_not_of(' ');
        if (start == std::string::npos)
            break;  // nothing left, not even a line break
        const std::string::size_type end = piece.find_last_not_of(" \n");
        if (end == std::string::npos)
            continue;  // a blank line
        std::string text = piece.substr(start, end + 1 - start);
        const bool uri = IsFileUri(text);
        if (uri)
            text = PathOfFileUri(text);
        else if (IsOtherUrl(text))
            continue;  // not a file of this machine
        // On POSIX a name is bytes, which a URI's escapes spell exactly.
        text = InProgramCodePage(text, uri && platform::kNamesAreBytes ? PlaylistText::kUtf8 : kind);
        PathOffer outcome = OfferPath(text, baseFolder, offer);
        if (outcome == PathOffer::kNamedNoFile && platform::kPathSeparator != '\\' &&
            text.find('\\') != std::string::npos) {
            std::replace(text.begin(), text.end(), '\\', platform::kPathSeparator);
            outcome = OfferPath(text, baseFolder, offer);
        }
        if (outcome == PathOffer::kStop)
            break;
        if (outcome == PathOffer::kNamedNoFile && piece[start] != '#')
            ++namedNoFile;
    }
    return namedNoFile;
}
