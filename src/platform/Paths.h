#pragma once
#include <cstddef>
#include <string>

// How the system spells paths: Windows separates folders with "\" and also takes
// "/", where letter case does not matter; POSIX systems separate with "/" only, a
// "\" is an ordinary character of a name, and case matters.
namespace platform {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
constexpr bool kPathsIgnoreCase = true;  // of A to Z, as the program compares names
constexpr char kTextLineEnd[] = "\r\n";  // the line end of the text files it writes
constexpr bool kNamesAreBytes = false;   // names are characters, whatever the code page
#else
constexpr char kPathSeparator = '/';
constexpr bool kPathsIgnoreCase = false;
constexpr char kTextLineEnd[] = "\n";
constexpr bool kNamesAreBytes = true;  // any bytes but "/" and NUL, UTF-8 or not
#endif

// The longest path the program forms or follows, in UTF-16 units as Windows
// counts it (platform::PathLength).
constexpr std::size_t kMaxPathLength = 259;

// Where the name of `path` starts: after its last separator ("\\" or "/" on
// Windows, "/" elsewhere), or 0 when it has none.
std::string::size_type NameStart(const std::string& path);

// The parts of `path` before and after its last separator; a path without one is
// all name, in the current folder ("").
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

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
