#include "platform/SignalSafe.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

namespace platform {

void RemoveFileFromHandler(const char* path)
{
    unlink(path);
}

void EndAsSignalled(int signal)
{
    // Raised again with its default action, and no longer blocked as it is
    // inside its handler, the signal ends the program at once.
    ::signal(signal, SIG_DFL);
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, signal);
    sigprocmask(SIG_UNBLOCK, &blocked, nullptr);
    raise(signal);
    abort();  // never reached
}

}  // namespace platform
