#pragma once
#include "platform/WriteResult.h"

#include <functional>
#include <string>

// Writing a file in the destination so that it appears whole or not at all: the
// new file is made under a hidden temporary name beside `dest` and then renamed
// over it, and removed when anything failed.

// True when `dest` itself (a link there is not followed) is the file `file`,
// however the two paths are spelled.
bool IsSameFile(const std::string& file, const std::string& dest);

// Calls `make` with a fresh temporary path beside `dest` until it makes the file
// there (it answers false when the name was taken, and sets `failed` when it
// cannot make the file at all); then renames that file over `dest`. On failure,
// with the system's reason, nothing is left behind.
platform::WriteResult ReplaceFile(const std::string& dest,
                 const std::function<bool(const std::string& temp, bool& failed)>& make);
