#include "rendix/OwnerWatch.h"

#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>
#include <unistd.h>

namespace rendix {

bool WatchOwner() {
    const char* owner = std::getenv("VELMONT_ENCODER_OWNER");
    if (!owner || !*owner)
        return true; // run by a person: nobody to follow
    return WatchParent(static_cast<pid_t>(std::strtol(owner, nullptr, 10)));
}

bool WatchParent(pid_t parent) {
    if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0)
        return true;
    // The parent may have died before the watch was set.
    return getppid() == parent;
}

} // namespace rendix
