#pragma once
#include "platform/WriteResult.h"

#include <functional>
#include <string>

// Taking turns at a file that several programs change: each holds the lock on
// the file's lock file (its path + ".lock", made when missing and left in place)
// while it changes the file. The lock goes with the program should it end.
namespace platform {

// Runs `work` while holding the lock of `path`, waiting up to two seconds for
// another program to release it, and gives what `work` gives. Fails without
// running it when the lock stays taken. Where the lock file cannot be made or
// the system keeps no locks there, `work` runs all the same: the lock keeps
// programs apart, and without it they write as they did before.
WriteResult WithFileLock(const std::string& path, const std::function<WriteResult()>& work);

}  // namespace platform
