#include "output/CopyToDest.h"

#include "output/FileInHand.h"
#include "output/PartFile.h"
#include "platform/FileCopy.h"

namespace {

// The last error is read at once, before any other call can change it.
platform::WriteResult CopyOnce(FileCopier copy, const std::string& source, const std::string& part,
                               bool& noRoom)
{
    if (copy(source, part))
        return platform::WriteResult::Done();
    noRoom = platform::LastErrorIsNoRoom();
    return platform::FailedWithLastError();
}

}  // namespace

platform::WriteResult CopyToDest(const std::string& source, const std::string& dest)
{
    return CopyToDest(source, dest, platform::CopyFileTo);
}

platform::WriteResult CopyToDest(const std::string& source, const std::string& dest,
                                 FileCopier copy)
{
    // Copying a file onto itself, under whatever spelling, would destroy it.
    if (platform::IsSameFile(source, dest))
        return platform::WriteResult::Failed("it is the source file itself");
    const std::string part = PartFilePath(dest);

    // A source whose size and time cannot be read is not copied: no copy of it
    // could be told whole.
    platform::FileStamp before, after;
    if (!platform::ReadFileStamp(source, before))
        return platform::FailedWithLastError();
    const CFileInHand inHand(part);
    // What an interrupted save of this name left is replaced.
    platform::RemoveFile(part);
    bool noRoom = false;
    platform::WriteResult result = CopyOnce(copy, source, part, noRoom);
    // Re-copying a file already there must not need room for two copies of it.
    if (noRoom && platform::RemoveFile(dest)) {
        platform::RemoveFile(part);
        result = CopyOnce(copy, source, part, noRoom);
    }
    if (result && !platform::ReadFileStamp(source, after))
        result = platform::FailedWithLastError();
    else if (result && !(after == before))
        result = platform::WriteResult::Failed(kChangedWhileCopying);
    if (result && !platform::MoveFileOver(part, dest))
        result = platform::FailedWithLastError();
    if (!result)
        platform::RemoveFile(part);
    return result;
}
