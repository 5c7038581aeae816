#pragma once
#include <string>

// True when the text from the last "." of `path` is ".lnk", in any letter case.
bool HasLinkExtension(const std::string& path);
