#include "platform/FileIdentity.h"

namespace platform {

bool IdentityFromFileNumber(uint64_t volume, uint64_t fileNumber, std::string& identity)
{
    if (fileNumber == 0)
        return false;
    identity = std::to_string(volume) + ':' + std::to_string(fileNumber);
    return true;
}

}  // namespace platform
