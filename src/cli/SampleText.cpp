#include "cli/SampleText.h"

#include "catalogue/FileUri.h"
#include "output/DestPaths.h"
#include "platform/NameCompare.h"
#include "platform/Paths.h"
#include "platform/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

std::string PathOf(const CFileList& sample, uint32_t index)
{
    return FullPath(sample.GetFolder(index), sample.GetName(index));
}

// `path` as a line of a UTF-8 playlist that reads back whole: spelled as given
// (the path, or the part of it below the playlist's folder) where a plain line
// carries it, else as a "file:" URI (a name that is not UTF-8, holds a control
// character, ends in a space that reading would trim, or would read as a comment).
std::string PlaylistLine(const std::string& path, const std::string& spelled)
{
    const bool plain = platform::IsValidUtf8(spelled) && !spelled.empty() &&
                       spelled.back() != ' ' && spelled.front() != ' ' && spelled.front() != '#' &&
                       std::none_of(spelled.begin(), spelled.end(), [](char c) {
                           return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
                       });
    return plain ? spelled : FileUriOfPath(path);
}

}  // namespace

std::vector<uint32_t> NameOrder(const CFileList& sample)
{
    std::vector<std::string> names;
    for (int index = 0; index < sample.GetCount(); ++index)
        names.push_back(sample.GetName(static_cast<uint32_t>(index)));
    std::vector<uint32_t> order(names.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        return platform::CompareFileNames(names[a], names[b]) < 0;
    });
    return order;
}

std::string SampleLines(const CFileList& sample, const std::vector<uint32_t>& order, char lineEnd)
{
    std::string text;
    for (uint32_t index : order)
        text += std::to_string(sample.GetSizeKB(index)) + "\t" + PathOf(sample, index) + lineEnd;
    return text;
}

std::string JsonString(const std::string& text)
{
    std::string json = "\"";
    for (std::string::size_type at = 0; at < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[at]);
        if (byte == '"' || byte == '\\') {
            json += '\\';
            json += static_cast<char>(byte);
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else if (byte < 0x80) {
            json += static_cast<char>(byte);
        } else if (const std::size_t length = platform::Utf8CharLength(text, at)) {
            json += text.substr(at, length);
            at += length;
            continue;
        } else {
            // The surrogate escape of a byte that is no part of a UTF-8 character,
            // which a reader turns back into that byte (Python's os.fsencode).
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\udc%02x", byte);
            json += escaped;
        }
        ++at;
    }
    return json + "\"";
}

std::string SampleJson(const CFileList& sample, const std::vector<uint32_t>& order,
                       uint32_t maxKB, bool externalMem, uint32_t seed,
                       const std::vector<bool>* converted)
{
    std::string json = "{\"files\": [";
    const char* separator = "\n  ";
    for (uint32_t index : order) {
        json += separator;
        json += "{\"name\": " + JsonString(sample.GetName(index)) +
                ", \"folder\": " + JsonString(sample.GetFolder(index)) +
                ", \"path\": " + JsonString(PathOf(sample, index)) +
                ", \"kb\": " + std::to_string(sample.GetSizeKB(index));
        if (converted != nullptr)
            json += std::string(", \"converted\": ") + ((*converted)[index] ? "true" : "false");
        json += "}";
        separator = ",\n  ";
    }
    json += order.empty() ? "]" : "\n]";
    json += ",\n \"count\": " + std::to_string(sample.GetCount()) +
            ",\n \"total_kb\": " + std::to_string(sample.GetTotalKB()) +
            ",\n \"max_kb\": " + std::to_string(maxKB) +
            ",\n \"view\": \"" + (externalMem ? "external" : "internal") + "\"" +
            ",\n \"seed\": " + std::to_string(seed) + "}\n";
    return json;
}

std::string SamplePlaylist(const CFileList& sample, const std::vector<uint32_t>& order)
{
    std::string text;
    for (const std::string& path : SamplePaths(sample, order))
        text += PlaylistLine(path, path) + platform::kTextLineEnd;
    return text;
}

std::string SavedFileLine(const std::string& path, const std::string& folder)
{
    const bool below = !folder.empty() && path.size() > folder.size() &&
                       path.compare(0, folder.size(), folder) == 0;
    return PlaylistLine(path, below ? path.substr(folder.size()) : path) + platform::kTextLineEnd;
}

std::string SavedFilesPlaylist(const std::vector<std::string>& paths, const std::string& folder)
{
    std::string text = std::string("#EXTM3U") + platform::kTextLineEnd;
    for (const std::string& path : paths)
        text += SavedFileLine(path, folder);
    return text;
}

std::vector<std::string> SamplePaths(const CFileList& sample, const std::vector<uint32_t>& order)
{
    std::vector<std::string> paths;
    for (uint32_t index : order)
        paths.push_back(PathOf(sample, index));
    return paths;
}
