#pragma once
#include <string>

// URLs met as playlist lines, which several players write instead of paths.

// Whether `text` begins with "file:", in any letter case.
bool IsFileUri(const std::string& text);

// The path a "file:" URI names, its escapes decoded and its slashes kept:
// "file:///C:/a%20b.mp3" is "C:/a b.mp3", "file://server/share/x.mp3" is
// "//server/share/x.mp3", and a host of "localhost" is this machine.
std::string PathOfFileUri(const std::string& uri);

// A "file:" URI that PathOfFileUri turns back into `path` (an absolute path
// spelled as the system spells it): "/" separates folders, and every byte but
// ASCII letters, digits, "-", ".", "_" and "~" is escaped, so the URI is ASCII
// whatever bytes the name holds.
std::string FileUriOfPath(const std::string& path);

// Whether `text` is another URL ("http://" and the like): a scheme of two or more
// characters followed by "://"; one letter and a colon is a drive.
bool IsOtherUrl(const std::string& text);
