// The file seam on POSIX systems: paths are the system's own, "/" separating
// folders.
#include "platform/FileSystem.h"

#include "platform/FileIdentity.h"
#include "platform/FileTimes_posix.h"
#include "platform/LocalTime.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <memory>
#include <vector>

namespace platform {
namespace {

// The folder as the listing sees it: "" is the root, like "\*.*" on Windows.
std::string NativeFolder(const std::string& folder)
{
    return folder + '/';
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// Opens `path` for reading when it is a regular file, told before opening, since
// opening a device or a pipe can stall or disturb it; -1 otherwise. Non-blocking,
// should the path turn into a pipe in between; the caller checks the type again.
int OpenRegularFile(const std::string& path)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return -1;
    return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

// Like opening the file for reading: follows links, and refuses what is no
// regular file or what this process may not read.
bool StatReadableFile(const std::string& path, struct stat& status)
{
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return false;
    const bool isFile = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    close(fd);
    return isFile;
}

// Describes an entry the way opening it for reading would see it: links are
// followed, so a link to a folder is a folder like on Windows. A regular file
// this process may read is vouched for, with its size and stamps, looked at
// relative to the open folder, which spares the system a walk down the whole
// path for each file of a large tree.
void DescribeListedEntry(int folderFd, uid_t user, const dirent& entry, FolderItem& item)
{
    item.isFolder = entry.d_type == DT_DIR;
    item.isKnownFile = false;
    struct stat status;
    if (item.isFolder || fstatat(folderFd, entry.d_name, &status, 0) != 0)
        return;
    item.isFolder = S_ISDIR(status.st_mode);
    // For its owner the owner's read bit answers exactly; anyone else asks the
    // system, which knows about groups, access lists and privileges.
    item.isKnownFile = S_ISREG(status.st_mode) &&
                       ((status.st_uid == user && (status.st_mode & S_IRUSR)) ||
                        faccessat(folderFd, entry.d_name, R_OK, AT_EACCESS) == 0);
    item.size = static_cast<uint64_t>(status.st_size);
    item.accessStamp = AccessTime(status).tv_sec;
    item.writeStamp = WriteTime(status).tv_sec;
}

int32_t LocalSeconds(std::time_t seconds)
{
    std::tm fields;
    if (!localtime_r(&seconds, &fields))
        return 0;
    return LocalCalendarToSeconds(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
                                  fields.tm_hour, fields.tm_min, fields.tm_sec);
}

}  // namespace

bool ListFolder(const std::string& folder, const std::function<bool(const FolderItem&)>& visit)
{
    const std::string native = NativeFolder(folder);
    std::unique_ptr<DIR, DirCloser> dir(opendir(native.c_str()));
    if (!dir)
        return false;
    const int folderFd = dirfd(dir.get());
    const uid_t user = geteuid();
    FolderItem item;
    while (const dirent* entry = readdir(dir.get())) {
        item.name = entry->d_name;
        DescribeListedEntry(folderFd, user, *entry, item);
        if (!visit(item))
            break;
    }
    return true;
}

bool FolderIdentity(const std::string& folder, std::string& identity)
{
    struct stat facts;
    if (stat(NativeFolder(folder).c_str(), &facts) != 0 || !S_ISDIR(facts.st_mode))
        return false;
    return IdentityFromFileNumber(facts.st_dev, facts.st_ino, identity);
}

bool ReadFileFacts(const std::string& path, bool withTimes, FileFacts& facts)
{
    struct stat status;
    if (!StatReadableFile(path, status))
        return false;
    facts.size = static_cast<uint64_t>(status.st_size);
    if (withTimes) {
        facts.accessSeconds = LocalSeconds(AccessTime(status).tv_sec);
        facts.writeSeconds = LocalSeconds(WriteTime(status).tv_sec);
    }
    return true;
}

bool ReadListedFileFacts(const std::string& path, const FolderItem& item, bool withTimes,
                         FileFacts& facts)
{
    if (!item.isKnownFile)
        return ReadFileFacts(path, withTimes, facts);
    facts.size = item.size;
    if (withTimes) {
        facts.accessSeconds = LocalSeconds(static_cast<std::time_t>(item.accessStamp));
        facts.writeSeconds = LocalSeconds(static_cast<std::time_t>(item.writeStamp));
    }
    return true;
}

std::FILE* OpenForReading(const std::string& path)
{
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return nullptr;
    struct stat status;
    std::FILE* file = nullptr;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        file = fdopen(fd, "rb");
    if (!file)
        close(fd);
    return file;
}

bool PathExists(const std::string& path)
{
    return !path.empty() && access(path.c_str(), F_OK) == 0;
}

PathKind KindOfPath(const std::string& path)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return PathKind::kMissing;
    if (S_ISREG(status.st_mode))
        return PathKind::kFile;
    return S_ISDIR(status.st_mode) ? PathKind::kFolder : PathKind::kOther;
}

std::string AbsolutePath(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return path;
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE)
            return path;
        buffer.resize(buffer.size() * 2);
    }
    const std::string folder = buffer.data();
    if (path.empty())
        return folder;
    return folder == "/" ? folder + path : folder + '/' + path;
}

}  // namespace platform
