#pragma once
#include <cstdint>
#include <string>

// Fixtures that build files and folders on the fly. Paths are the system's own.
namespace fixtures {

// folder + the system's separator + name.
std::string JoinPath(const std::string& folder, const std::string& name);

// A fresh, empty folder in the system's temporary folder, removed with all it
// holds when the object goes (links inside are removed, never followed).
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_strPath; }
    std::string Join(const std::string& name) const { return JoinPath(m_strPath, name); }

private:
    std::string m_strPath;
};

// Each returns false when the system refused. Paths may exceed the usual
// 259-character limit.
bool MakeFolder(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
// The whole of a file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
// A file of exactly `bytes` bytes that takes (almost) no disk space.
bool CreateSizedFile(const std::string& path, uint64_t bytes);
// Sets the last-access and last-write times to the current time minus the given
// seconds; negative values put them in the future.
bool SetFileTimes(const std::string& path, int64_t accessedSecondsAgo, int64_t writtenSecondsAgo);
inline bool SetFileAge(const std::string& path, int64_t secondsAgo)
{
    return SetFileTimes(path, secondsAgo, secondsAgo);
}

}  // namespace fixtures
