#include "support/TestFiles.h"

namespace fixtures {

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return folder + '\\' + name;
}

}  // namespace fixtures
