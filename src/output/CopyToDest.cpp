#include "output/CopyToDest.h"

#include "output/FileInHand.h"
#include "output/PartFile.h"

CopyOutcome CopyToDest(const std::string& source, const std::string& dest)
{
    return CopyToDest(source, dest, platform::CopyFileTo);
}

CopyOutcome CopyToDest(const std::string& source, const std::string& dest, FileCopier copy)
{
    // Copying a file onto itself, under whatever spelling, would destroy it.
    if (platform::IsSameFile(source, dest))
        return {false, "source and destination are the same file"};
    const std::string part = PartFilePath(dest);

    platform::FileStamp before, after;
    const bool stamped = platform::ReadFileStamp(source, before);
    const CFileInHand inHand(part);
    // What an interrupted save of this name left is replaced.
    platform::RemoveFile(part);
    platform::FileOutcome outcome = copy(source, part);
    // Re-copying a file already there must not need room for two copies of it.
    if (outcome.noRoom && platform::RemoveFile(dest)) {
        platform::RemoveFile(part);
        outcome = copy(source, part);
    }
    if (outcome.done && !(stamped && platform::ReadFileStamp(source, after) && after == before)) {
        outcome.done = false;
        outcome.reason = kChangedWhileCopying;
    }
    if (outcome.done)
        outcome = platform::MoveFileOver(part, dest);
    if (!outcome.done)
        platform::RemoveFile(part);
    return {outcome.done, outcome.reason};
}
