#pragma once
#include <string>

// URLs met as playlist lines, which several players write instead of paths.

// Whether `text` begins with "file:", in any letter case.
bool IsFileUri(const std::string& text);

// The path a "file:" URI names, its escapes decoded and its slashes kept:
// "file:///C:/a%20b.mp3" is "C:/a b.mp3", "file://server/share/x.mp3" is
// "//server/share/x.mp3", and a host of "localhost" is this machine.
std::string PathOfFileUri(const std::string& uri);

// Whether `text` is another URL ("http://" and the like): a scheme of two or more
// characters followed by "://"; one letter and a colon is a drive.
bool IsOtherUrl(const std::string& text);
