#include "platform/RemoveFile.h"

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

WriteResult RemoveFile(const std::string& path)
{
    struct stat facts;
    if (lstat(path.c_str(), &facts) != 0)
        return FailedWithLastError();
    if (S_ISDIR(facts.st_mode))
        return WriteResult::Failed("is a folder");
    return unlink(path.c_str()) == 0 ? WriteResult::Done() : FailedWithLastError();
}

}  // namespace platform
