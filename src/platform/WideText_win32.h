#pragma once
#include <string>

// Conversions between the program's narrow text (the active code page: UTF-8
// under the manifest) and the UTF-16 of the wide Windows functions, for the calls
// whose narrow forms limit a name to 260 bytes or draw in another code page.
namespace platform {

std::wstring WideFromNarrow(const std::string& narrow);
std::string NarrowFromWide(const std::wstring& wide);

// The legacy ANSI code page: the user locale's default, which the active code
// page no longer is.
unsigned LegacyCodePage();

// `wide` in the legacy code page; false when a character has no exact form there.
bool LegacyFromWide(const std::wstring& wide, std::string& legacy);

}  // namespace platform
