#include "platform/StateFolder.h"

#include <filesystem>
#include <system_error>

namespace platform {

bool MakeFolders(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder), error);
    return std::filesystem::is_directory(std::filesystem::path(folder), error);
}

}  // namespace platform
