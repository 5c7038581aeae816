#pragma once
#include <string>

// How the system spells paths: Windows separates folders with "\" and also takes
// "/", where letter case does not matter; POSIX systems separate with "/" only, a
// "\" is an ordinary character of a name, and case matters.
namespace platform {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
constexpr bool kPathsIgnoreCase = true;  // of A to Z, as the program compares names
#else
constexpr char kPathSeparator = '/';
constexpr bool kPathsIgnoreCase = false;
#endif

// folder + separator + name.
std::string JoinPath(const std::string& folder, const std::string& name);
// The same into `path`, which keeps its storage, for passes over many files.
void JoinPathInto(const std::string& folder, const std::string& name, std::string& path);

// A playlist line with its separators as the system spells them: on Windows
// every "/" becomes "\"; elsewhere the line is kept as it is.
std::string SystemSeparators(const std::string& text);

// Whether a playlist line (after SystemSeparators) names a path on its own rather
// than one relative to the playlist's folder: on Windows one beginning with "\"
// or whose second character is ":"; elsewhere one beginning with "/".
bool IsAbsolutePath(const std::string& text);

}  // namespace platform
