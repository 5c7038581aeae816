#include "support/TestFiles.h"

#include "platform/Paths.h"

namespace fixtures {

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return platform::JoinPath(folder, name);
}

}  // namespace fixtures
