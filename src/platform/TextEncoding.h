#pragma once
#include <cstddef>
#include <string>

// Names and texts are narrow strings in the program's code page: UTF-8 on POSIX
// and on Windows 10 version 1903 and later, where the manifest asks for it; the
// legacy ANSI code page of the user's locale on older Windows. Files written by
// earlier versions hold text in that legacy code page.
namespace platform {

// Whether `text` is well-formed UTF-8: no stray or missing continuation bytes, no
// overlong forms, no surrogates, nothing past U+10FFFF. ASCII is UTF-8.
bool IsValidUtf8(const std::string& text);

// The length of the well-formed UTF-8 character that starts at `at`, or 0 when
// none does there (a byte of legacy text, or a broken sequence).
std::size_t Utf8CharLength(const std::string& text, std::size_t at);

// The longest start of `text` of at most `bytes` bytes that ends between two
// characters (a byte that begins no UTF-8 character counts as one).
std::size_t WholeCharsPrefix(const std::string& text, std::size_t bytes);

// The longest start of `text` of at most `units` UTF-16 units that ends between
// two characters, in bytes (a byte that begins no UTF-8 character is one unit).
std::size_t Utf16UnitsPrefix(const std::string& text, std::size_t units);

// The length of `text` in UTF-16 units: a character beyond U+FFFF counts two,
// every other character one (a byte that begins no UTF-8 character counts one).
std::size_t Utf16Length(const std::string& text);

// The length of a path as Windows limits it: in UTF-16 units, so a character
// beyond U+FFFF counts two and every other character one (a byte that begins no
// UTF-8 character counts one).
std::size_t PathLength(const std::string& path);

// Text in the program's code page from legacy text: Windows decodes it in the
// locale's default ANSI code page; POSIX, which has no such thing, in
// Windows-1252, the code page of earlier versions' Western installations.
std::string NarrowFromLegacy(const std::string& legacy);

// Text in the program's code page from UTF-8: unchanged where that code page is
// UTF-8; on older Windows characters outside the code page become "?".
std::string NarrowFromUtf8(const std::string& utf8);

}  // namespace platform
