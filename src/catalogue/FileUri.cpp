#include "catalogue/FileUri.h"

#include "platform/NameCompare.h"
#include "platform/Paths.h"

#include <cctype>

namespace {

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

// "%" and two hex digits stand for that byte; any other "%" stands for itself.
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

}  // namespace

bool IsFileUri(const std::string& text)
{
    return platform::FoldAsciiCase(text.substr(0, 5)) == "file:";
}

std::string PathOfFileUri(const std::string& uri)
{
    std::string rest = uri.substr(5);
    if (rest.compare(0, 2, "//") == 0) {
        const std::string::size_type slash = rest.find('/', 2);
        const std::string host = rest.substr(2, slash == std::string::npos ? slash : slash - 2);
        const std::string path = slash == std::string::npos ? std::string() : rest.substr(slash);
        rest = host.empty() || platform::FoldAsciiCase(host) == "localhost" ? path : "//" + host + path;
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

std::string FileUriOfPath(const std::string& path)
{
    static const char kHexDigits[] = "0123456789ABCDEF";
    // "/music" and "//server/share" follow the empty host; "C:" takes a "/" first.
    std::string uri = path.empty() || path[0] == platform::kPathSeparator ? "file://" : "file:///";
    for (const char c : path) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == platform::kPathSeparator)
            uri += '/';
        else if ((byte < 0x80 && std::isalnum(byte)) || c == '-' || c == '.' || c == '_' || c == '~')
            uri += c;
        else
            uri += {'%', kHexDigits[byte >> 4], kHexDigits[byte & 15]};
    }
    return uri;
}

bool IsOtherUrl(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) ||
                               text[i] == '+' || text[i] == '-' || text[i] == '.'))
        ++i;
    return i >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) &&
           text.compare(i, 3, "://") == 0;
}
