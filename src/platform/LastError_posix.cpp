#include "platform/WriteResult.h"

#include <cerrno>
#include <cstring>

namespace platform {

bool LastErrorIsNoRoom()
{
    return errno == ENOSPC || errno == EDQUOT;
}

std::string LastErrorText()
{
    return std::strerror(errno);
}

}  // namespace platform
