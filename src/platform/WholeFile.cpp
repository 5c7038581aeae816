#include "platform/WholeFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {
namespace {

bool WriteAll(std::ofstream& out, const std::string& bytes)
{
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

bool CanWriteFile(const std::string& path)
{
    std::error_code error;
    if (!fs::exists(fs::path(path), error))
        return !error;
    return std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).is_open();
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        target = fs::canonical(target, error);
        if (error)
            return false;
    }
    if (!CanWriteFile(target.string()))
        return false;

    fs::path temporary = target;
    temporary += ".new";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        std::ofstream inPlace(target, std::ios::binary | std::ios::trunc);
        return inPlace.is_open() && WriteAll(inPlace, bytes);
    }
    if (!WriteAll(out, bytes)) {
        fs::remove(temporary, error);
        return false;
    }
    const fs::file_status old = fs::status(target, error);
    if (fs::exists(old))
        fs::permissions(temporary, old.permissions(), error);
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace platform
