#include "support/TestFiles.h"

#include "platform/Paths.h"

#include <fstream>
#include <iterator>

namespace fixtures {

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return platform::JoinPath(folder, name);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace fixtures
