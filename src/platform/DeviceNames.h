#pragma once
#include <string>

namespace platform {

// Whether Windows would open a device rather than a file for `path`: a path into
// the device namespace ("\\.\COM1", but not "\\.\C:\x"), or a last part that is
// a reserved device name, with or without an extension or a drive ("CON",
// "D:\music\nul.mp3", "C:LPT1", "aux :").
bool NamesWindowsDevice(const std::string& path);

}  // namespace platform
