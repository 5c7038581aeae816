#include "platform/WholeFile.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {
namespace {

WriteResult ErrnoFailure()
{
    return WriteResult::Failed(std::generic_category().message(errno));
}

// Writes `bytes` into `file` and closes it. A short write, a failed flush (the
// disk filled up) and a failed close all count as failures.
WriteResult WriteAndClose(std::FILE* file, const std::string& bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fflush(file) != 0) {
        const WriteResult failed = ErrnoFailure();
        std::fclose(file);
        return failed;
    }
    if (std::fclose(file) != 0)
        return ErrnoFailure();
    return WriteResult::Done();
}

std::FILE* OpenEmptied(const fs::path& path)
{
    return std::fopen(path.string().c_str(), "wb");
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenForReading(path), &std::fclose);
    if (!file)
        return !PathExists(path);
    char chunk[65536];
    for (std::size_t count; (count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;)
        bytes.append(chunk, count);
    return !std::ferror(file.get());
}

bool CanWriteFile(const std::string& path)
{
    std::error_code error;
    if (!fs::exists(fs::path(path), error))
        return !error;
    return std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).is_open();
}

WriteResult WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        target = fs::canonical(target, error);
        if (error)
            return WriteResult::Failed(error.message());
    }
    if (!CanWriteFile(target.string()))
        return WriteResult::Failed(std::generic_category().message(EACCES));

    fs::path temporary = target;
    temporary += ".new";
    std::FILE* file = OpenEmptied(temporary);
    if (!file) {
        file = OpenEmptied(target);
        return file ? WriteAndClose(file, bytes) : ErrnoFailure();
    }
    const WriteResult written = WriteAndClose(file, bytes);
    if (!written) {
        fs::remove(temporary, error);
        return written;
    }
    const fs::file_status old = fs::status(target, error);
    if (fs::exists(old))
        fs::permissions(temporary, old.permissions(), error);
    fs::rename(temporary, target, error);
    if (error) {
        const WriteResult failed = WriteResult::Failed(error.message());
        fs::remove(temporary, error);
        return failed;
    }
    return WriteResult::Done();
}

}  // namespace platform
