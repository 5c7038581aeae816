#include "output/ReplaceFile_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

const int kNameTries = 100;

std::string TempPath(const std::string& dest, int attempt)
{
    const std::string::size_type slash = dest.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : dest.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? dest : dest.substr(slash + 1);
    return folder + "." + name + ".part" + std::to_string(getpid()) + "-" +
           std::to_string(attempt);
}

}  // namespace

bool IsSameFile(const std::string& file, const std::string& dest)
{
    struct stat first, second;
    return stat(file.c_str(), &first) == 0 && lstat(dest.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

platform::WriteResult ReplaceFile(
    const std::string& dest, const std::function<bool(const std::string& temp, bool& failed)>& make)
{
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const std::string temp = TempPath(dest, attempt);
        bool failed = false;
        const bool made = make(temp, failed);
        if (made && std::rename(temp.c_str(), dest.c_str()) == 0)
            return platform::WriteResult::Done();
        if (made || failed) {
            const platform::WriteResult reason = platform::FailedWithLastError();
            unlink(temp.c_str());
            return reason;
        }
    }
    return platform::WriteResult::Failed("no free temporary name beside the file");
}
