#pragma once
#include <string>

// An INI file engine that reads and writes like the Windows private profile
// functions: section and key names in any letter case, blanks around names and
// values ignored (the caller's names too), a value's outer matching quotes
// dropped, the first of duplicate keys taken, CR, LF and CRLF line ends read.
// Writing keeps every line it does not write byte for byte and replaces the file
// through a temporary file, so a crash never leaves half a file behind; only where
// the folder takes no new file is the file written in place.
namespace platform {

// The value of `key` in `section` of INI text; false when either is missing.
bool FindIniValue(const std::string& text, const std::string& section, const std::string& key,
                  std::string& value);

// `text` with `key` of `section` set to `value`: an existing key is rewritten in
// its place with the key spelled as in the text, a new key goes after the last
// line of its section, a new section at the end of the text. Lines written end in
// CRLF.
std::string WithIniValue(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value);

// Whether an entry can be stored without changing the file's structure: no line
// breaks anywhere, no "=" in a key, no "]" in a section, and no empty name.
bool IsStorableIniEntry(const std::string& section, const std::string& key,
                        const std::string& value);

// The integer that GetPrivateProfileInt makes of a value: `fallback` for an empty
// one; else optional blanks, a sign, a "0x", "0o" or "0b" base prefix and the
// digits up to the first that is not one, wrapping around in 32 bits.
int IniIntFromText(const std::string& value, int fallback);

// The reads, with the limits of the Windows functions: a string read takes at
// most 4095 characters, of the value or of the fallback. First from INI text in
// memory, then from a file.
std::string IniTextString(const std::string& text, const std::string& section,
                          const std::string& key, const std::string& fallback);
int IniTextInt(const std::string& text, const std::string& section, const std::string& key,
               int fallback);
std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& fallback);
int IniReadInt(const std::string& path, const std::string& section, const std::string& key,
               int fallback);
// The new text goes to the file's path + ".new" first and then replaces the file;
// where that file cannot be made, the file itself is rewritten. False when the
// entry cannot be stored, or the file cannot be read, written or replaced; the
// file then stays as it was (unless a write in place failed midway).
bool IniWriteString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value);

}  // namespace platform
