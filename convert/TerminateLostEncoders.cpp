#include "convert/TerminateLostEncoders.h"

#include "platform/ProcessIdentity.h"
#include "platform/ProcessList.h"

#include <csignal>

namespace velmont {

int TerminateLostEncoders(const std::string& path) {
    if (path.empty())
        return 0;
    int signalled = 0;
    // Only processes running exactly this file: a name that merely occurs
    // in the path must never get a process killed.
    for (const int pid : FindProcessesByExecutable(path)) {
        const std::optional<ProcessIdentity> owner =
            ProcessIdentity::FromText(EnvironmentValueOf(pid, kEncoderOwnerVariable));
        if (!owner || IsAlive(*owner))
            continue;
        if (kill(pid, SIGKILL) == 0)
            ++signalled;
    }
    return signalled;
}

} // namespace velmont
