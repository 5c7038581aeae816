#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CReadProgress;
enum class PlaylistText;
namespace platform {
struct FileFacts;
struct FolderItem;
}

// No sample holds a file under kSampleMinKB or over kSampleMaxKB: they are the
// size limits of every new list, and only the source's limits are ever set.
constexpr uint32_t kSampleMinKB = 1000;
constexpr uint32_t kSampleMaxKB = 1000000;

// One file: its name, its folder (no trailing backslash; empty when the file was
// given without a folder) and its size in KB of 1000 bytes.
struct FileEntry {
    std::string strName;
    std::string strFolder;
    uint32_t nSizeKB = 0;
};

// The one container of the program: the source and every sample. Entries stay in
// admission order; the filters decide what may enter.
class CFileList {
public:
    CFileList(int reserve, int growBy);
    virtual ~CFileList();

    int AddEntry(const std::string& folder, const std::string& name, uint32_t sizeKB);
    // Whether AddEntry would take a file of this name and size: its extension and
    // size filters.
    bool Admits(const std::string& name, uint32_t sizeKB) const;
    int AddFile(const std::string& path);
    // A long read tells `progress` (when given) how it goes, and stops when told.
    void AddFolder(const std::string& folder, int withSubfolders,
                   CReadProgress* progress = nullptr);
    // A playlist's read returns the number of its lines that named no file.
    int AddPlaylist(const std::string& path, CReadProgress* progress = nullptr);
    // The same for a playlist already open, such as standard input: its relative
    // lines start from `baseFolder` (ending in a separator), and `label` names it
    // to `progress`.
    int AddPlaylistFrom(std::FILE* file, const std::string& label, const std::string& baseFolder,
                        PlaylistText kind, CReadProgress* progress = nullptr);

    void RemoveAll();
    void RemoveAt(uint32_t index);
    void RemoveByName(const std::string& name);
    int Contains(const std::string& name) const;
    CFileList& CopyFrom(const CFileList& other);

    int GetCount() const { return m_nCount; }
    uint32_t GetTotalKB() const { return m_nTotalKB; }
    std::string GetName(uint32_t index) const;
    std::string GetFolder(uint32_t index) const;
    uint32_t GetSizeKB(uint32_t index) const;
    // Counts entry `index` at `sizeKB` from now on, whatever the filters say: its
    // size on the player once it is converted.
    void SetSizeKB(uint32_t index, uint32_t sizeKB);
    // Entry `index`, which must be below GetCount(), read in place by passes over
    // a whole list.
    const FileEntry& GetEntry(uint32_t index) const { return m_vecEntries[index]; }

    void SetMinKB(uint32_t kb) { m_nMinKB = kb; }
    void SetMaxKB(uint32_t kb) { m_nMaxKB = kb; }
    void SetExtensions(const std::string& list);
    void SetAccessedDays(int days) { m_nAccessedDays = days; }
    void SetModifiedDays(int days) { m_nModifiedDays = days; }

private:
    friend class CFolderScan;
    // A file met in a folder listing, read from what the listing told of it.
    int AddListedFile(const std::string& path, const platform::FolderItem& item);
    bool HasDayFilters() const { return m_nAccessedDays != 0 || m_nModifiedDays != 0; }
    // The day filters on a file read from the disk, then AddEntry.
    int AdmitReadFile(const std::string& path, const platform::FileFacts& facts);

    std::vector<FileEntry> m_vecEntries;
    uint32_t m_nTotalKB = 0;
    uint32_t m_nMinKB = kSampleMinKB;
    uint32_t m_nMaxKB = kSampleMaxKB;
    int32_t m_nAccessedDays = 0;
    int32_t m_nModifiedDays = 0;
    int32_t m_nCount = 0;
    std::string m_strExtensions;
    int m_nGrowBy;
};
