#include "convert/ConvertCache.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/StateFolder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char kPartEnd[] = ".part";

// FNV-1a: a stable key of the source and the target, short enough for a name.
std::string KeyOf(const std::string& text)
{
    uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(hash));
    return key;
}

// The name with its extension replaced by the target's.
std::string CopyName(const std::string& name, const ConvertTarget& target)
{
    const std::string::size_type dot = name.rfind('.');
    return (dot == std::string::npos || dot == 0 ? name : name.substr(0, dot)) +
           TargetExtension(target.format);
}

bool EndsWithPart(const std::string& name)
{
    const std::size_t length = sizeof kPartEnd - 1;
    return name.size() > length && name.compare(name.size() - length, length, kPartEnd) == 0;
}

struct CachedCopy {
    fs::path path;
    uint64_t bytes;
    fs::file_time_type used;
};

}  // namespace

CConvertCache::CConvertCache(std::string folder, uint64_t limitBytes)
    : m_strFolder(std::move(folder)), m_nLimitBytes(limitBytes)
{
}

std::string CConvertCache::CopyPath(const std::string& source, const std::string& name,
                                    const platform::FileStamp& stamp,
                                    const ConvertTarget& target) const
{
    const std::string key = KeyOf(source + '\n' + std::to_string(stamp.size) + '\n' +
                                  std::to_string(stamp.writtenHigh) + '\n' +
                                  std::to_string(stamp.writtenLow) + '\n' +
                                  ConvertTargetText(target));
    return platform::JoinPath(platform::JoinPath(m_strFolder, key), CopyName(name, target));
}

std::string CConvertCache::PartPath(const std::string& copy)
{
    return platform::FolderOf(copy) + kPartEnd;
}

bool CConvertCache::Holds(const std::string& copy) const
{
    if (platform::KindOfPath(copy) != platform::PathKind::kFile)
        return false;
    std::error_code error;
    fs::last_write_time(fs::path(copy), fs::file_time_type::clock::now(), error);
    return true;
}

bool CConvertCache::Place(const std::string& copy) const
{
    return platform::MakeFolders(platform::FolderOf(copy)) &&
           platform::MoveFileOver(PartPath(copy), copy);
}

void CConvertCache::Prune() const
{
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    std::vector<CachedCopy> copies;
    uint64_t total = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(m_strFolder), error)) {
        const std::string name = entry.path().filename().string();
        if (EndsWithPart(name)) {
            if (now - entry.last_write_time(error) > std::chrono::hours(1))
                fs::remove(entry.path(), error);
            continue;
        }
        if (!entry.is_directory(error))
            continue;
        for (const fs::directory_entry& file : fs::directory_iterator(entry.path(), error)) {
            if (!file.is_regular_file(error))
                continue;
            const uint64_t bytes = file.file_size(error);
            copies.push_back(CachedCopy{file.path(), bytes, file.last_write_time(error)});
            total += bytes;
        }
    }
    std::sort(copies.begin(), copies.end(),
              [](const CachedCopy& a, const CachedCopy& b) { return a.used < b.used; });
    for (const CachedCopy& copy : copies) {
        if (total <= m_nLimitBytes)
            break;
        if (fs::remove(copy.path, error)) {
            total -= copy.bytes;
            fs::remove(copy.path.parent_path(), error);
        }
    }
}
