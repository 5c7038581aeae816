// Filling a list from the disk: single files, folder trees and playlists. Whatever
// cannot be read or is refused is passed over without a word.
#include "catalogue/FileList.h"

#include "catalogue/Playlist.h"
#include "catalogue/ReadProgress.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/NameCompare.h"
#include "platform/Paths.h"
#include "platform/TextEncoding.h"
#include "shell/Shortcuts.h"

#include <memory>
#include <unordered_set>

namespace {

// Whole days from `then` to `now`, truncated toward zero; the difference wraps
// like the 32-bit clock it comes from.
int32_t AgeInDays(int32_t now, int32_t then)
{
    const uint32_t difference = static_cast<uint32_t>(now) - static_cast<uint32_t>(then);
    return static_cast<int32_t>(static_cast<int32_t>(difference) / platform::kSecondsPerDay);
}

// Kilobytes of 1000 bytes, plus one, so every file counts; the whole size
// counts, and only a size past what 32 bits of kilobytes hold is held at the top.
uint32_t SizeInKB(uint64_t bytes)
{
    const uint64_t kilobytes = bytes / 1000 + 1;
    return kilobytes > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(kilobytes);
}

// The two filters count the boundary day differently: "not accessed within N
// days" refuses an age below N, "modified within N days" refuses an age above N.
bool RefusedByDayFilters(int32_t accessedDays, int32_t modifiedDays,
                         const platform::FileFacts& facts, int32_t now)
{
    if (accessedDays > 0 && AgeInDays(now, facts.accessSeconds) < accessedDays)
        return true;
    return modifiedDays > 0 && AgeInDays(now, facts.writeSeconds) > modifiedDays;
}

// The folder's identity, so that a folder reached again through a link or a
// shortcut is recognised however its path is spelled; its spelling when the
// system cannot tell.
std::string ScanKey(const std::string& folder)
{
    std::string identity;
    if (platform::FolderIdentity(folder, identity))
        return "id:" + identity;
    return "path:" + platform::FoldAsciiCase(folder);
}

}  // namespace

// Depth-first: a subfolder is scanned to the end when it is met. No folder is
// scanned twice, which ends any cycle of links leading back into the tree.
class CFolderScan {
public:
    CFolderScan(CFileList& list, bool withSubfolders, CReadProgress* progress)
        : m_pList(&list), m_bWithSubfolders(withSubfolders), m_pProgress(progress),
          m_nCountBefore(list.GetCount())
    {
    }

    void Scan(std::string folder)
    {
        // "C:\" is read as "C:", listed as "C:\*.*", so that its entries' paths
        // hold one separator; the same for a folder shortcut's target. "/" is "".
        if (!folder.empty() && folder.back() == platform::kPathSeparator)
            folder.pop_back();
        if (!m_setScannedKeys.insert(ScanKey(folder)).second)
            return;
        const std::size_t folderLength = platform::PathLength(folder);
        platform::ListFolder(folder, [&](const platform::FolderItem& item) {
            Visit(folder, folderLength, item);
            if (m_bStopped || !m_pProgress)
                return !m_bStopped;
            m_bStopped =
                !m_pProgress->KeepReading(folder, m_pList->GetCount() - m_nCountBefore);
            return !m_bStopped;
        });
    }

private:
    void Visit(const std::string& folder, std::size_t folderLength,
               const platform::FolderItem& item)
    {
        // A path cut to the limit would name something else: leave the entry out.
        if (folderLength + 1 + platform::PathLength(item.name) > platform::kMaxPathLength)
            return;
        const std::string entryPath = platform::JoinPath(folder, item.name);
        std::string followed;
        const bool folderShortcut = IsFolderShortcut(entryPath, followed);
        if (folderShortcut || item.isFolder) {
            // Names beginning with "." (".", "..", ".cache") are never entered.
            if (m_bWithSubfolders && !item.name.empty() && item.name[0] != '.')
                Scan(folderShortcut ? followed : entryPath);
            return;
        }
        // A shortcut to a file is read where it points; any other entry as listed.
        if (followed == entryPath)
            m_pList->AddListedFile(entryPath, item);
        else
            m_pList->AddFile(followed);
    }

    CFileList* m_pList;
    bool m_bWithSubfolders;
    CReadProgress* m_pProgress;
    int m_nCountBefore;
    bool m_bStopped = false;
    std::unordered_set<std::string> m_setScannedKeys;
};

int CFileList::AddFile(const std::string& path)
{
    std::string filePath;
    if (IsFolderShortcut(path, filePath))
        return -1;
    platform::FileFacts facts;
    if (!platform::ReadFileFacts(filePath, HasDayFilters(), facts))
        return -1;
    return AdmitReadFile(filePath, facts);
}

int CFileList::AddListedFile(const std::string& path, const platform::FolderItem& item)
{
    platform::FileFacts facts;
    if (!platform::ReadListedFileFacts(path, item, HasDayFilters(), facts))
        return -1;
    return AdmitReadFile(path, facts);
}

int CFileList::AdmitReadFile(const std::string& path, const platform::FileFacts& facts)
{
    if (HasDayFilters() &&
        RefusedByDayFilters(m_nAccessedDays, m_nModifiedDays, facts, static_cast<int32_t>(platform::UtcNow())))
        return -1;
    return AddEntry(platform::FolderOf(path), platform::NameOf(path), SizeInKB(facts.size));
}

void CFileList::AddFolder(const std::string& folder, int withSubfolders, CReadProgress* progress)
{
    CFolderScan(*this, withSubfolders != 0, progress).Scan(folder);
}

int CFileList::AddPlaylist(const std::string& path, CReadProgress* progress)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(platform::OpenForReading(path),
                                                          &std::fclose);
    if (!file)
        return 0;
    const std::string baseFolder = path.substr(0, platform::NameStart(path));
    return AddPlaylistFrom(file.get(), path, baseFolder, PlaylistTextOf(path), progress);
}

int CFileList::AddPlaylistFrom(std::FILE* file, const std::string& label,
                               const std::string& baseFolder, PlaylistText kind,
                               CReadProgress* progress)
{
    const int countBefore = m_nCount;
    return ReadPlaylistPaths(file, baseFolder, kind, [&](const std::string& entry) {
        // A file refused by the filters is still named; only then is that asked.
        const bool named = AddFile(entry) >= 0 || platform::PathExists(entry);
        if (progress && !progress->KeepReading(label, m_nCount - countBefore))
            return PathOffer::kStop;
        return named ? PathOffer::kNamedAFile : PathOffer::kNamedNoFile;
    });
}
