#include "catalogue/Playlist.h"

#include "platform/FileSystem.h"

#include <cstring>

namespace {

// A line buffer of 260 characters holds at most 259 of a line per read; a longer
// line is handled as several.
const std::string::size_type kPieceLength = 259;

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

// One read: up to the first line feed, at most kPieceLength characters. False at
// the end of the file, and on a read error, whose partial piece is dropped.
bool ReadPiece(std::FILE* file, std::string& piece)
{
    piece.clear();
    while (piece.size() < kPieceLength) {
        const int c = NextTextChar(file);
        if (c == EOF)
            break;
        piece.push_back(static_cast<char>(c));
        if (c == '\n')
            break;
    }
    if (std::ferror(file) || piece.empty())
        return false;
    // The line is a C string to the rest of the program: a NUL byte ends it.
    piece.resize(std::strlen(piece.c_str()));
    return true;
}

}  // namespace

void ReadPlaylistPaths(std::FILE* file, const std::string& baseFolder,
                       const std::function<bool(const std::string&)>& offer)
{
    std::string piece;
    while (ReadPiece(file, piece)) {
        const std::string::size_type start = piece.find_first_not_of(' ');
        if (start == std::string::npos)
            return;  // nothing left, not even a line break
        const std::string::size_type end = piece.find_last_not_of(" \n");
        if (end == std::string::npos)
            continue;  // a blank line
        std::string text = piece.substr(start, end + 1 - start);
        for (char& c : text) {
            if (c == '/')
                c = '\\';
        }
        const bool absolute = text[0] == '\\' || (text.size() > 1 && text[1] == ':');
        std::string path = absolute ? text : baseFolder + text;
        // Cutting a long path would name a different file; leave it out instead.
        if (path.size() > platform::kMaxPathLength)
            continue;
        if (!offer(path))
            return;
    }
}
